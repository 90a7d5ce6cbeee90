#!/usr/bin/env bash
# Start-up to first shown window and peak memory of the calculator against a
# bare Qt window of the same build, on a virtual display.
#   tools/startup_bench.sh [build-dir] [runs]
set -euo pipefail
build="${1:-build}"
runs="${2:-15}"
display=":$((100 + RANDOM % 800))"
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null || true' EXIT
for _ in $(seq 1 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done

# Milliseconds from launch until the window is mapped, and the peak
# resident memory (kB) at that moment, for one run.
measure() {
  local program="$1" title="$2" start end pid
  start=$(date +%s%N)
  DISPLAY="$display" XDG_RUNTIME_DIR=/tmp "$program" >/dev/null 2>&1 &
  pid=$!
  # xdotool's own --sync polls only twice a second: poll more finely.
  until DISPLAY="$display" xdotool search --onlyvisible --pid "$pid" --name "$title" >/dev/null 2>&1; do
    sleep 0.005
  done
  end=$(date +%s%N)
  local hwm
  hwm=$(awk '/VmHWM/ {print $2}' "/proc/$pid/status")
  kill "$pid"; wait "$pid" 2>/dev/null || true
  echo "$(( (end - start) / 1000000 )) $hwm"
}

median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

run() {
  local program="$1" title="$2" times=() mems=()
  for _ in $(seq 1 "$runs"); do
    read -r t m < <(measure "$program" "$title")
    times+=("$t"); mems+=("$m")
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $(printf '%s\n' "${mems[@]}" | median)"
}

measure "$build/tests/bare_window" 'Bare Qt window' >/dev/null # warm the caches
read -r bare_ms bare_kb < <(run "$build/tests/bare_window" 'Bare Qt window')
read -r app_ms app_kb < <(run "$build/corvane" 'CORVANE RGP MULTIFOCAL LENS CALCULATOR')
echo "start-up to shown window (median of $runs): calculator ${app_ms} ms, bare window ${bare_ms} ms, ratio $(awk "BEGIN {printf \"%.2f\", $app_ms / $bare_ms}")"
echo "peak memory: calculator ${app_kb} kB, bare window ${bare_kb} kB, ratio $(awk "BEGIN {printf \"%.2f\", $app_kb / $bare_kb}")"
