#!/usr/bin/env bash
# One whole case from the keyboard alone, as a practitioner without a mouse
# works: both eyes by both methods, disagreeing on base curve, power and
# series; every "???" settled by Enter or Space; the order saved as a PDF.
# Runs on its own Xvfb display with openbox, driven by xdotool; takes
# screenshots when given a folder. Prints PASS or FAIL per check and ends
# with status 1 on any FAIL. Run by scripts/test.sh desktop.
# Usage: scripts/keyboard-walk.sh [program] [folder for screenshots]
set -uo pipefail
program=${1:-build/corvane}
shots=${2:-}
for tool in Xvfb openbox xdotool pdftotext; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing"; exit 1; }
done
. "$(dirname "$0")/common.sh"
work=$(mktemp -d)
at_exit "rm -rf '$work'"
start_display 1280x1024x24 openbox || exit 1
export XDG_RUNTIME_DIR="$work/rt"
mkdir -m700 "$XDG_RUNTIME_DIR"
"$program" >"$work/program.log" 2>&1 &
app=$!
at_exit "kill $app"

shot() { [ -n "$shots" ] && import -window root "$shots/$1.png"; }
keys() { xdotool key --delay 60 "$@"; sleep 0.3; }
type_enter() { for text in "$@"; do [ -n "$text" ] && xdotool type --delay 30 -- "$text"; keys Return; done; }

check "main window opens" wait_window "BRENWICK CONTACT LENSES LTD. CORVANE RGP MULTIFOCAL LENS CALCULATOR"
sleep 0.5
shot 0-start
# K's and Rx, right eye; "LEFT" copies it.
keys space
type_enter 43 44 -2 "" "" "" 2
keys space
for _ in $(seq 1 7); do keys Return; done
# The current lens, right eye; "LEFT" copies it; then Calculate.
keys space
type_enter 8.20 -2.50 9.2 1.5
keys space
for _ in $(seq 1 4); do keys Return; done
keys Return
shot 1-calculated
# Past Clear and Quit to the first "???".
keys Tab Tab Tab
shot 2-first-marker-focused
for eye in right left; do
  keys Return # base curve: the question, Enter is Yes
  check "$eye base curve question" wait_window "Base Curve"
  shot "3-$eye-base-curve-question"
  keys Return
  keys space # power: the question; Enter is Yes, on the left eye No
  check "$eye power question" wait_window "Power"
  if [ "$eye" = right ]; then
    keys Return
  else
    keys Tab Return
    check "power correction" wait_window "Power Correction"
    shot 3-power-correction
    type_enter -0.25
  fi
  keys Return # series: Add Correction, Enter on the first add
  check "$eye add correction" wait_window "Add Correction"
  shot "3-$eye-add-correction"
  keys Return
done
shot 4-settled
# The focus is on "Pr&int Order" now.
keys Return
check "order window" wait_window "Additionnal information"
shot 5-order-window
keys alt+v
check "file dialog" wait_window "Save the order as PDF"
keys ctrl+a
xdotool type --delay 20 -- "$work/walk-order.pdf"
shot 5-save-dialog
keys Return
for _ in $(seq 1 50); do [ -s "$work/walk-order.pdf" ] && break; sleep 0.1; done
check "the order is saved" test -s "$work/walk-order.pdf"
pdftotext -layout "$work/walk-order.pdf" "$work/walk-order.txt" 2>/dev/null
[ -n "$shots" ] && cp "$work/walk-order.txt" "$shots/6-saved-order.txt"
check "both eyes on the page" grep -q "Pwr :" "$work/walk-order.txt"
check "no open value on the page" bash -c "! grep -q '???' '$work/walk-order.txt'"
shot 6-back-in-main-window
keys Escape
sleep 0.5
check "Esc ends the program" bash -c "! kill -0 $app 2>/dev/null"
exit "$failed"
