#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the
# installed program on a virtual display: its main window must come up.
set -euo pipefail
. "$(dirname "$0")/../scripts/common.sh"
build="$1"
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t corvane_*.deb | head -n 1)
root=$(mktemp -d)
at_exit "rm -rf '$root'"
dpkg-deb -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libcups2; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
test -x "$root/usr/bin/corvane"
grep -q '^Exec=corvane$' "$root/usr/share/applications/corvane.desktop"
test -s "$root/usr/share/icons/hicolor/scalable/apps/corvane.svg"

start_display 1024x768x24
# The program must reach this display whatever platform the caller chose.
QT_QPA_PLATFORM=xcb "$root/usr/bin/corvane" >/dev/null 2>&1 &
pid=$!
at_exit "kill $pid"
if timeout 20 xdotool search --sync --pid "$pid" --name 'CORVANE RGP MULTIFOCAL LENS CALCULATOR' >/dev/null; then
  echo "installed program shows its main window"
else
  echo "the installed program's main window never came up"
  exit 1
fi
