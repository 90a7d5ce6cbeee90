#!/usr/bin/env bash
# Print's time on a ready printer (the PDF printer of scripts/printer.sh)
# and on one that holds its jobs, as a busy or paused office printer does
# (a queue with job-hold-until-default=indefinite, added for the run and
# removed after it). Needs root and the CUPS server of scripts/printer.sh.
#   tools/print_bench.sh [build-dir] [runs]
# A benchmark: no test runs it.
set -euo pipefail
build="${1:-build}"
runs="${2:-3}"
bench="$build/tests/print_bench"
[[ -x "$bench" ]] || { echo "no $bench: build first" >&2; exit 1; }
lpstat -r | grep -q 'is running' || { echo "no CUPS server: scripts/printer.sh start" >&2; exit 1; }
hold=CorvaneBenchHold
scratch="$(mktemp -d)"
cleanup() {
  cancel -a "$hold" 2>/dev/null || true
  lpadmin -x "$hold" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT
mkdir -m 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime"
unset LPDEST
lpadmin -p "$hold" -E -v file:/dev/null -o job-hold-until-default=indefinite
echo "ready printer (PDF):"
PRINTER=PDF "$bench" "$runs"
echo "holding printer ($hold):"
PRINTER="$hold" "$bench" "$runs"
