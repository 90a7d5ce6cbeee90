#!/usr/bin/env bash
# Prints from the Windows build under Wine, whose spooler offers the print
# service's printers to Windows programs: an order through the real order
# window onto the PDF printer of the tests' own print server
# (tests/qt/print_server.sh, reached through CUPS_SERVER, which Wine's
# spooler honours as every client of the print service does), read back and
# compared with the page the program sent and with the Linux page; then
# what the practitioner is told with no printer and with the printer
# stopped; and Print's time there (a benchmark: figures, no goal). Called by
# scripts/test-windows.sh with the Windows build folder and a folder for
# logs.
#
#   bash scripts/windows-print-check.sh BUILD OUT
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh
build="$1"
out="$2/print"
rm -rf "$out"
mkdir -p "$out"

print_server_start "$out/server"
printed="$CORVANE_PRINT/printed"

# Printing runs on the windows platform, through Wine's display: only its
# fonts reach the printer as text (offscreen, Qt draws the letters as
# shapes, and nothing could read the page back).
start_display 1280x1024x24 openbox
wine_session

# Words of a PDF's first page with their places relative to "Fax to :",
# each rounded to the point: "word x y". What stands above it is left out:
# the date, which each system writes in its own short form, the title and
# the artwork, in faces each system picks itself (Arial Black on Windows).
words() {
  pdftotext -bbox -f 1 -l 1 "$1" - | awk -F'"' '
    /<word / { x = $2; y = $4; w = $0; sub(/.*">/, "", w); sub(/<\/word>.*/, "", w)
               if (w == "Fax" && !ox) { ox = x; oy = y }
               n++; W[n] = w; X[n] = x; Y[n] = y }
    END { for (i = 1; i <= n; i++) if (Y[i] - oy > -5) printf "%s %.0f %.0f\n", W[i], X[i] - ox, Y[i] - oy }' |
    sort -k1,1 -k2,2n -k3,3n
}

# Same words at the same places, within two points and a half (Windows' printing sets
# the bold captions two points higher than its PDF does).
same_page() { # name, pdf, reference pdf
  words "$2" >"$out/$1.words"
  words "$3" >"$out/$1.reference.words"
  # Each reference word must find its own twin on the page, near its place.
  if ! awk '
    NR == FNR { n++; W[n] = $1; X[n] = $2; Y[n] = $3; next }
    { m++; found = 0
      for (i = 1; i <= n && !found; i++)
        if (!used[i] && W[i] == $1 && (X[i] - $2) ^ 2 <= 6.25 && (Y[i] - $3) ^ 2 <= 6.25) { used[i] = 1; found = 1 }
      if (!found) { print "not on the reference page:", $0; bad++ } }
    END { if (m != n || n < 40 || bad) { print m " words against " n ", " bad + 0 " not in place"; exit 1 } }' \
    "$out/$1.reference.words" "$out/$1.words"; then
    echo "$1: the page is not the same" >&2
    return 1
  fi
  echo "$1: $(wc -l <"$out/$1.words") words in the same places"
}

# One function of the Windows printing test, on the printer as it stands.
print_test() { # function
  local log="$out/$1.log"
  wine_run 300 QTEST_FUNCTION_TIMEOUT=120000 \
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
      newest=$(ls -t "$printed"/*.pdf 2>/dev/null | head -n 1)
      # The printer renames a page into place once it is whole.
      if [ -n "$newest" ] && [ "$newest" -nt "$out/sent.pdf" ]; then
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
wine_run 300 "$build/tests/print_bench.exe" 3 "Z:$out/bench-windows.pdf" \
  </dev/null 2>/dev/null | tr -d '\r' | sed 's/^/Windows /'
if [ -x build/tests/print_bench ]; then
  QT_QPA_PLATFORM=offscreen build/tests/print_bench 0 "$out/bench-linux.pdf" >/dev/null
  same_page "Windows and Linux" "$out/bench-windows.pdf" "$out/bench-linux.pdf"
fi

# A stopped printer: Wine does not show Windows programs that the print
# service's queue is stopped, so the order is taken and waits in the queue;
# it comes out once the printer is started again.
cupsdisable PDF
touch "$out/sent.pdf"
print_test printsTheOrder
[ -n "$(lpstat -o PDF 2>/dev/null)" ] || { echo "no order waits at the stopped printer" >&2; exit 1; }
echo "stopped printer: the order waits in its queue"
cupsenable PDF
same_page "after the printer was started" "$(printed_page)" "$out/sent.pdf"

# No printer at all.
print_server_stop
print_test toldWhenNoPrinter
