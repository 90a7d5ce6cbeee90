#!/usr/bin/env bash
# Print's time on a ready printer (the PDF printer of a print server of its
# own, tests/qt/print_server.sh) and on one that holds its jobs, as a busy
# or paused office printer does (a queue with
# job-hold-until-default=indefinite). The machine's print service is not
# used.
#   tools/print_bench.sh [build-dir] [runs]
# A benchmark: no test runs it.
set -euo pipefail
. "$(dirname "$0")/../scripts/common.sh"
build="${1:-build}"
runs="${2:-3}"
bench="$build/tests/print_bench"
[[ -x "$bench" ]] || { echo "no $bench: build first" >&2; exit 1; }
scratch="$(mktemp -d)"
# The print server's filters run as another account, which must enter it.
chmod 0755 "$scratch"
at_exit "rm -rf '$scratch'"
mkdir -m 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime"
print_server_start "$scratch/print"
hold=CorvaneBenchHold
lpadmin -p "$hold" -E -v file:/dev/null -o job-hold-until-default=indefinite
echo "ready printer (PDF):"
PRINTER=PDF "$bench" "$runs"
echo "holding printer ($hold):"
PRINTER="$hold" "$bench" "$runs"
