#!/usr/bin/env bash
# Checks, on a virtual desktop with a window manager (Xvfb and openbox, driven
# with xdotool), what only a window manager shows:
# - a Yes/No question stays open after Esc and offers no close function;
# - after "&Print" the main window is the active window again;
# - no fixed-size window offers to maximise, and a maximise request (a
#   double click on the title bar) leaves its size alone.
# Prints PASS or FAIL per check and ends with status 1 on any FAIL. Prints on
# a print server of its own (tests/qt/print_server.sh). Run by
# scripts/test.sh desktop.
# Usage: scripts/wm-check.sh [program] [folder for screenshots]
set -uo pipefail
program=${1:-build/corvane}
shots=${2:-}
for tool in Xvfb openbox xdotool xprop xwininfo; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
# The print server's filters run as another account, which must enter it.
chmod 0755 "$work"
at_exit "rm -rf '$work'"
start_display 1280x1024x24 openbox || exit 1
export XDG_RUNTIME_DIR="$work/rt"
mkdir -m700 "$XDG_RUNTIME_DIR"
# "&Print" prints on the tests' own print server.
print_server_start "$work/print" >/dev/null || exit 1
"$program" >"$work/program.log" 2>&1 &
app=$!
at_exit "kill $app"

active() { xprop -root _NET_ACTIVE_WINDOW | awk '{print $NF}'; }
origin() { xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'; }
size() { xwininfo -id "$1" | awk '/Width:/ {w=$NF} /Height:/ {h=$NF} END {print w "x" h}'; }
shot() { [ -n "$shots" ] && command -v import >/dev/null && import -window root "$shots/$1.png"; }
# No maximise among the allowed actions, nor in the Motif hints (function
# 0x10, decoration 0x40).
no_maximise() {
  local id=$1 hints
  ! xprop -id "$id" _NET_WM_ALLOWED_ACTIONS | grep -q MAXIMIZE || return 1
  hints=$(xprop -id "$id" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
  set -- $hints
  [ $# -ge 3 ] || return 0
  (( (($1 & 1) == 0 || ($2 & 0x10) == 0) && (($1 & 2) == 0 || ($3 & 0x40) == 0) ))
}
# A double click on the title bar maximises a window that may be maximised.
keeps_size() {
  local id=$1 before x y
  before=$(size "$id")
  read -r x y < <(origin "$id")
  xdotool mousemove $((x + 40)) $((y - 8)) click --repeat 2 --delay 80 1
  sleep 0.7
  xdotool mousemove 1 1
  [ "$(size "$id")" = "$before" ]
}
no_close_function() {
  local hints
  hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= //; s/,//g')
  set -- $hints
  [ $# -ge 2 ] && (( ($1 & 1) != 0 && ($2 & 0x20) == 0 ))
}

main_title="BRENWICK CONTACT LENSES LTD. CORVANE RGP MULTIFOCAL LENS CALCULATOR"
wait_window "$main_title" || { echo "FAIL: the main window did not open"; exit 1; }
sleep 0.5
main=$(window "$main_title")
# The pointer away from every window: the window manager cannot fall back on
# the window under it.
xdotool mousemove 1 1
keys() { xdotool key --delay 40 "$@"; }
# Both methods for the right eye, so that the base curve and the power ask.
keys space
xdotool type --delay 40 43; keys Return; xdotool type 44; keys Return
xdotool type -- -2; keys Return Return Return Return; xdotool type 2; keys Return Return
keys space
xdotool type 8.20; keys Return; xdotool type -- -2.50; keys Return
xdotool type 9.2; keys Return; xdotool type 2; keys Return
keys alt+c
sleep 0.7
read -r mx my < <(origin "$main")
# Suggested base curve and power, at their design places (96 dpi).
xdotool mousemove $((mx + 544)) $((my + 340)) click 1
xdotool mousemove 1 1
if wait_window "Base Curve"; then
  question=$(window "Base Curve")
  check "the question offers no close function" no_close_function "$question"
  keys Escape
  sleep 0.5
  shot question-after-esc
  check "Esc leaves the question open" test -n "$(window "Base Curve")"
  # The window manager's close command (openbox draws its close button on
  # every window).
  keys alt+F4
  sleep 0.5
  check "closing leaves the question open" test -n "$(window "Base Curve")"
  keys y
  wait_gone "Base Curve"
else
  check "the base curve question opens" false
fi
xdotool mousemove $((mx + 544)) $((my + 372)) click 1
xdotool mousemove 1 1
wait_window "Power" && keys y && wait_gone "Power"
check "main window: no maximise" no_maximise "$main"
check "main window: keeps its size" keeps_size "$main"

xdotool windowactivate --sync "$main" 2>/dev/null
keys alt+i
if wait_window "Additionnal information"; then
  order=$(window "Additionnal information")
  check "order window: no maximise" no_maximise "$order"
  check "order window: keeps its size" keeps_size "$order"
  shot order-window
  keys alt+p
  wait_gone "Additionnal information"
  sleep 1.5
  shot after-print
  check "after Print the main window is active" test "$(printf '%d' "$(active)")" = "$main"
  check "after Print the main window has the keyboard" test "$(xdotool getwindowfocus)" = "$main"
else
  check "the order window opens" false
fi
[ "$failed" = 0 ]
