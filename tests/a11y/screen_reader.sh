#!/usr/bin/env bash
# The whole road of a screen-reader user, through the desktop accessibility
# bus: the program on a virtual display of its own with a window manager,
# in a D-Bus session of its own with its own accessibility bus, driven by
# tests/a11y/screen_reader_road.py; the order it saves is read back.
# Prints PASS or FAIL per check; fails on any FAIL.
# Usage: tests/a11y/screen_reader.sh [program]
set -uo pipefail
program=$(realpath "${1:-build/corvane}")
here=$(cd "$(dirname "$0")" && pwd)
# Everything below runs in a session bus of its own, ended with it.
if [ -z "${CORVANE_OWN_SESSION:-}" ]; then
  CORVANE_OWN_SESSION=1 exec dbus-run-session -- bash "$0" "$program" 2> >(grep -v 'fd limit' >&2)
fi
. "$here/../../scripts/common.sh"
work=$(mktemp -d)
at_exit "rm -rf '$work'"
start_display 1280x1024x24 openbox || exit 1
export XDG_RUNTIME_DIR="$work/rt"
mkdir -m700 "$XDG_RUNTIME_DIR"
/usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
at_exit "kill $!"
# Qt serves the bus only on a real display, and only when asked or when a
# screen reader is known to run.
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1 QT_QPA_PLATFORM=xcb "$program" >"$work/program.log" 2>&1 &
app=$!
at_exit "kill $app"
# Debian's pyatspi is the system Python's.
/usr/bin/python3 "$here/screen_reader_road.py" "$work/order.pdf"
status=$?
kill -0 "$app" 2>/dev/null || { echo "FAIL: the program ended"; cat "$work/program.log"; status=1; }
exit "$status"
