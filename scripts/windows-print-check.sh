#!/usr/bin/env bash
# Prints from the Windows build under Wine, whose spooler offers the print
# service's printers to Windows programs: an order through the real order
# window onto the PDF printer of scripts/printer.sh, read back and compared
# with the page the program sent and with the Linux page; then what the
# practitioner is told with no printer and with the printer stopped; and
# Print's time there (a benchmark: figures, no goal). Called by
# scripts/test-windows.sh with the Windows build folder and a folder for
# logs; needs root, as scripts/printer.sh does.
#
#   bash scripts/windows-print-check.sh BUILD OUT
set -euo pipefail
cd "$(dirname "$0")/.."
build="$1"
out="$2/print"
rm -rf "$out"
mkdir -p "$out"
unset PRINTER LPDEST

bash scripts/printer.sh start
restore() { cupsenable PDF 2>/dev/null || true; }
trap 'restore; /usr/lib/wine/wineserver -k 2>/dev/null || true' EXIT

# Words of a PDF's first page with their places, relative to the title's
# first word, each rounded to the point: "word x y".
words() {
  pdftotext -bbox -f 1 -l 1 "$1" - | awk -F'"' '
    /<word / { x = $2; y = $4; w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w)
               if (w == "Order" && !ox) { ox = x; oy = y }
               n++; W[n] = w; X[n] = x; Y[n] = y }
    END { for (i = 1; i <= n; i++) printf "%s %.0f %.0f\n", W[i], X[i] - ox, Y[i] - oy }' |
    grep -vE '^[0-9]{1,4}[./-][0-9]{1,2}[./-][0-9]{1,4} ' | sort
}

# Same words at the same places, within a point and a half.
same_page() { # name, pdf, reference pdf
  words "$2" >"$out/$1.words"
  words "$3" >"$out/$1.reference.words"
  if ! join -j1 <(awk '{print $1 "@" NR, $2, $3}' "$out/$1.words") \
    <(awk '{print $1 "@" NR, $2, $3}' "$out/$1.reference.words") |
    awk -v total="$(wc -l <"$out/$1.reference.words")" '
      { n++; dx = $2 - $4; dy = $3 - $5; if (dx < -1.5 || dx > 1.5 || dy < -1.5 || dy > 1.5) { bad++; print "moved:", $0 } }
      END { if (n != total || total < 40 || bad) { print n " of " total " words matched, " bad + 0 " moved"; exit 1 } }'; then
    diff "$out/$1.reference.words" "$out/$1.words" | head -n 20
    echo "$1: the page is not the same" >&2
    return 1
  fi
  echo "$1: $(wc -l <"$out/$1.words") words in the same places"
}

# One function of the Windows printing test, on the printer as it stands.
print_test() { # function
  local log="$out/$1.log"
  DISPLAY= timeout 300 bash scripts/wine-run.sh QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=120000 \
    CORVANE_SENT_PAGE="Z:$out/sent.pdf" "$build/tests/windows_print_qt_test.exe" "$1" -o "Z:$log,txt" \
    </dev/null >/dev/null 2>&1 || true
  if ! tr -d '\r' <"$log" | grep -qE '^Totals: [0-9]+ passed, 0 failed, 0 skipped'; then
    tr -d '\r' <"$log" | grep -vE '^(QWARN|    )' | head -n 30
    echo "windows_print_qt_test $1 under Wine failed" >&2
    return 1
  fi
  tr -d '\r' <"$log" | grep -E '^(QINFO|Totals)' | sed "s/^/$1: /"
}

# The newest page the PDF printer wrote, once the queue is empty.
printed_page() {
  for _ in $(seq 1 300); do
    if [ -z "$(lpstat -o 2>/dev/null)" ]; then
      local newest
      newest=$(ls -t "$HOME"/PDF/*.pdf 2>/dev/null | head -n 1)
      if [ -n "$newest" ] && [ "$newest" -nt "$out/sent.pdf" ] && tail -c 16 "$newest" | grep -q '%%EOF'; then
        echo "$newest"
        return 0
      fi
    fi
    sleep 0.1
  done
  echo "no page came out of the PDF printer" >&2
  return 1
}

# A ready printer: the order comes out as sent, and as on Linux.
print_test printsTheOrder
same_page printed "$(printed_page)" "$out/sent.pdf"

# Print's time, and the page drawn the same on both systems.
DISPLAY= bash scripts/wine-run.sh QT_QPA_PLATFORM=offscreen "$build/tests/print_bench.exe" 3 "Z:$out/bench-windows.pdf" \
  </dev/null 2>/dev/null | tr -d '\r' | sed 's/^/Windows /'
if [ -x build/tests/print_bench ]; then
  QT_QPA_PLATFORM=offscreen build/tests/print_bench 0 "$out/bench-linux.pdf" >/dev/null
  same_page "Windows and Linux" "$out/bench-windows.pdf" "$out/bench-linux.pdf"
fi

# A stopped printer, then none at all.
cupsdisable PDF
print_test toldWhenPrinterStopped
restore
bash scripts/printer.sh stop
print_test toldWhenNoPrinter
bash scripts/printer.sh start
