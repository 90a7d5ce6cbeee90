#!/usr/bin/env bash
# Starts a CUPS server whose default printer "PDF" writes PDF files, for the
# printing tests; `printer.sh stop` ends it. Needs root.
set -euo pipefail
pidfile=/tmp/corvane-cupsd.pid
if [ "${1:-start}" = stop ]; then
  [ -f "$pidfile" ] && kill "$(cat "$pidfile")" 2>/dev/null || true
  rm -f "$pidfile"
  exit 0
fi
if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  /usr/sbin/cupsd -f </dev/null >/dev/null 2>&1 &
  echo $! > "$pidfile"
  for _ in $(seq 1 100); do
    lpstat -r 2>/dev/null | grep -q 'is running' && break
    sleep 0.1
  done
fi
lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd \
  -o pdftops-renderer-default=pdftocairo -o TitlePref=1
lpadmin -d PDF
cupsenable PDF
cupsaccept PDF
