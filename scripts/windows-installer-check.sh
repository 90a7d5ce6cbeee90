#!/usr/bin/env bash
# Installs the Windows installer silently under Wine, as a practitioner's
# administrator would, starts the installed program on a virtual display
# and finds its main window, then uninstalls it and finds nothing left.
# Called by scripts/test-windows.sh with the Windows build folder and a
# folder for logs and the screenshot; the Wine prefix is $WINEPREFIX.
#
#   bash scripts/windows-installer-check.sh BUILD OUT
set -euo pipefail
. "$(dirname "$0")/common.sh"
build="$1"
out="$2"
setup=$(ls -t "$build"/corvane-*-setup.exe | head -n 1)
drive="$WINEPREFIX/drive_c"
installed="$drive/Program Files/Corvane"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Corvane calculator.lnk"
key='Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Uninstall\\\\Corvane'

fail() {
  echo "installer: $*" >&2
  exit 1
}
registered() { grep -q "^\[$key\]" "$WINEPREFIX/system.reg"; }

start_display 1024x768x24
wine_session

"$wine" "$setup" /S </dev/null >/dev/null 2>&1
"$wineserver" -w
[ -f "$installed/corvane.exe" ] || fail "no corvane.exe under Program Files"
[ -f "$installed/uninstall.exe" ] || fail "no uninstaller"
[ -f "$shortcut" ] || fail "no Start-menu entry for all users"
registered || fail "not listed among the installed programs"
echo "installer: $(basename "$setup") installed the program, its Start-menu entry and its uninstaller"

"$wine" "C:\\Program Files\\Corvane\\corvane.exe" </dev/null >/dev/null 2>&1 &
if ! timeout 120 xdotool search --sync --onlyvisible --name 'CORVANE RGP MULTIFOCAL LENS CALCULATOR' >/dev/null; then
  fail "the installed program's main window never came up"
fi
sleep 2
import -window root "$out/installed-program.png" 2>/dev/null || true
wine_session
echo "installer: the installed program shows its main window ($out/installed-program.png)"

"$wine" "C:\\Program Files\\Corvane\\uninstall.exe" /S </dev/null >/dev/null 2>&1
"$wineserver" -w
# The uninstaller goes on from a copy of itself in the temporary folder.
gone() { ! { [ -e "$installed" ] || [ -e "$shortcut" ] || registered; }; }
wait_for 20 gone || true
[ ! -e "$installed" ] || fail "left $(ls "$installed")"
[ ! -e "$shortcut" ] || fail "left the Start-menu entry"
! registered || fail "still listed among the installed programs"
echo "installer: uninstalled, nothing left"
