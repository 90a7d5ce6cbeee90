#!/usr/bin/env bash
# Runs the Windows build's Qt Test suites under Wine, offscreen, each with
# the same test functions and data rows as its Linux build when one is in
# build/ (scripts/test.sh leaves it there). Called by scripts/test-windows.sh
# with the Windows build folder and the folder for logs; the Wine prefix is
# the one in $WINEPREFIX.
#
#   bash scripts/windows-qt-suites.sh BUILD OUT
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
build="$1"
out="$2"

# A Qt Test program under Wine writes nothing into a pipe: its report goes
# to a file.
run_suite() { # name, log, variables...
  local name="$1" log="$2"
  shift 2
  rm -f "$log"
  DISPLAY= wine_run 900 QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=60000 "$@" \
    "$build/tests/$name.exe" -o "Z:$log,txt" </dev/null >/dev/null 2>&1 || true
  [ -f "$log" ] && sed -i 's/\r$//' "$log"
  return 0
}

failed=0
for exe in "$build"/tests/*_qt_test.exe; do
  name=$(basename "$exe" .exe)
  # Printing for real needs a printer arranged for it: windows-print-check.sh.
  [ "$name" = windows_print_qt_test ] && continue
  runs=("$name")
  [ "$name" = fit_qt_test ] && runs+=("$name@1.5" "$name@2")
  for run in "${runs[@]}"; do
    scale=""
    [ "$run" != "$name" ] && scale="QT_SCALE_FACTOR=${run#*@}"
    log="$out/$run.log"
    run_suite "$name" "$log" ${scale:+"$scale"}
    totals=$(grep -E '^Totals: ' "$log" 2>/dev/null || true)
    if ! echo "$totals" | grep -qE '^Totals: [0-9]+ passed, 0 failed, '; then
      [ -f "$log" ] && grep -E '^(FAIL|SKIP|QWARN|QFATAL|   Loc)' "$log" | head -n 40
      echo "$run under Wine: ${totals:-no report}" >&2
      failed=1
      continue
    fi
    # The same test functions and rows as on Linux.
    if [ -x "build/tests/$name" ]; then
      grep -E '^(PASS|SKIP)   : ' "$log" | sed -E '/^SKIP/ s/\) .*/)/; s/^(PASS|SKIP)   : //' |
        grep -vE '::(init|cleanup)TestCase\(\)$' | sort >"$log.rows"
      QT_QPA_PLATFORM=offscreen "build/tests/$name" -datatags |
        awk '{ c = $1; f = $2; $1 = ""; $2 = ""; sub(/^ +/, ""); print c "::" f "(" $0 ")" }' | sort >"$log.linux"
      if ! diff "$log.linux" "$log.rows" >"$log.diff"; then
        cat "$log.diff"
        echo "$run: the rows that passed under Wine are not the rows on Linux" >&2
        failed=1
        continue
      fi
    fi
    echo "$run (Wine): $totals"
    # A row that cannot run there says why.
    grep -E '^SKIP   : ' "$log" || true
  done
done
exit "$failed"
