#!/usr/bin/env bash
# Start-up of the calculator against a bare Qt window with one label
# (tests/bench/bare_window.cpp) of the same build, offscreen, from launch to
# the first painted frame: both programs end there when
# CORVANE_EXIT_AFTER_FIRST_PAINT is set.
#   tools/startup_bench.sh [build-dir] [runs]
# Reports instructions executed (valgrind's callgrind, whole run: the same
# on every run, even on a busy machine), the median wall time of pairwise
# runs and the median peak resident memory, with the ratios. A benchmark:
# no test runs it.
set -euo pipefail
build="${1:-build}"
runs="${2:-30}"
app="$build/corvane"
bare="$build/tests/bare_window"
for program in "$app" "$bare"; do
  [[ -x "$program" ]] || { echo "no $program: build first" >&2; exit 1; }
done

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir -m 700 "$scratch/runtime"
export QT_QPA_PLATFORM=offscreen CORVANE_EXIT_AFTER_FIRST_PAINT=1 XDG_RUNTIME_DIR="$scratch/runtime"

# Wall microseconds, peak resident kB and CPU microseconds (0 without perf)
# of one run. CPU time counts no waiting for a core, so it tells more than
# wall time when other work shares the machine.
measure() {
  local start end
  if command -v perf >/dev/null; then
    perf stat -x, -e task-clock,duration_time -o "$scratch/perf" \
      /usr/bin/time -f '%M' -o "$scratch/rss" "$1" >/dev/null 2>&1
    echo "$(awk -F, '/duration_time/ {printf "%d", $1 / 1000}' "$scratch/perf") $(tail -n 1 "$scratch/rss")" \
      "$(awk -F, '/task-clock/ {printf "%d", $1 * 1000}' "$scratch/perf")"
    return
  fi
  start=$(date +%s%N)
  /usr/bin/time -f '%M' -o "$scratch/rss" "$1" >/dev/null 2>&1
  end=$(date +%s%N)
  echo "$(((end - start) / 1000)) $(tail -n 1 "$scratch/rss") 0"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

# Instructions of one run under callgrind.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file="$scratch/callgrind.out" "$1" 2>&1 >/dev/null |
    awk '/Collected :/ {print $NF}'
}

measure "$bare" >/dev/null # warm the caches
measure "$app" >/dev/null
: >"$scratch/app" && : >"$scratch/bare"
for _ in $(seq 1 "$runs"); do # pairwise, so that load on the machine hits both alike
  measure "$bare" >>"$scratch/bare"
  measure "$app" >>"$scratch/app"
done
app_us=$(cut -d' ' -f1 "$scratch/app" | median)
bare_us=$(cut -d' ' -f1 "$scratch/bare" | median)
app_kb=$(cut -d' ' -f2 "$scratch/app" | median)
bare_kb=$(cut -d' ' -f2 "$scratch/bare" | median)
app_cpu=$(cut -d' ' -f3 "$scratch/app" | median)
bare_cpu=$(cut -d' ' -f3 "$scratch/bare" | median)

ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
if command -v valgrind >/dev/null; then
  app_ir=$(instructions "$app")
  bare_ir=$(instructions "$bare")
  echo "instructions to first paint: calculator $app_ir, bare window $bare_ir, ratio $(ratio "$app_ir" "$bare_ir") (goal 1.25)"
else
  echo "instructions to first paint: valgrind is not installed"
fi
echo "wall time to first paint (median of $runs pairs): calculator $(ratio "$app_us" 1000) ms," \
  "bare window $(ratio "$bare_us" 1000) ms, ratio $(ratio "$app_us" "$bare_us") (goal 1.30)"
if [[ "$bare_cpu" -gt 0 ]]; then
  echo "CPU time to first paint (median): calculator $(ratio "$app_cpu" 1000) ms," \
    "bare window $(ratio "$bare_cpu" 1000) ms, ratio $(ratio "$app_cpu" "$bare_cpu")"
fi
echo "peak memory (median): calculator $app_kb kB, bare window $bare_kb kB," \
  "difference $(awk "BEGIN {printf \"%.1f\", ($app_kb - $bare_kb) / 1024}") MiB (goal 8.0)"
