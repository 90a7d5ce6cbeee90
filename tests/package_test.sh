#!/usr/bin/env bash
# Builds the Debian package, unpacks it into a scratch root and starts the
# installed program on a virtual display: its main window must come up.
set -euo pipefail
build="$1"
cd "$build"
cpack -G DEB >/dev/null
deb=$(ls -t corvane_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"; [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null || true; [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true' EXIT
dpkg-deb -x "$deb" "$root"

depends=$(dpkg-deb -f "$deb" Depends)
for lib in libqt6widgets6 libcups2; do
  grep -q "$lib" <<<"$depends" || { echo "Depends lacks $lib: $depends"; exit 1; }
done
test -x "$root/usr/bin/corvane"
grep -q '^Exec=corvane$' "$root/usr/share/applications/corvane.desktop"
test -s "$root/usr/share/icons/hicolor/scalable/apps/corvane.svg"

# The server picks a free display itself and writes its number to the file:
# no guessed number can collide with another server on this machine.
numfile="$root/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numfile" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do [ -s "$numfile" ] && break; sleep 0.1; done
[ -s "$numfile" ] || { echo "Xvfb did not start"; exit 1; }
display=":$(head -n 1 "$numfile")"
for _ in $(seq 1 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
# The program must reach this display whatever platform the caller chose.
DISPLAY="$display" QT_QPA_PLATFORM=xcb "$root/usr/bin/corvane" >/dev/null 2>&1 &
pid=$!
if DISPLAY="$display" timeout 20 xdotool search --sync --pid "$pid" --name 'CORVANE RGP MULTIFOCAL LENS CALCULATOR' >/dev/null; then
  echo "installed program shows its main window"
else
  echo "the installed program's main window never came up"
  exit 1
fi
