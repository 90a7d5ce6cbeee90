#!/usr/bin/env bash
# Sets up the machine and runs the test suite in stages, each of which can
# also be run alone:
#   linux     the Release build (the package's): the Qt suites, printing on
#             a print server of the tests' own, and the package installed
#             into a scratch root and started
#   static    clang-format, the layers, clang-tidy (over the Release build)
#   sanitize  the engine and core suites with AddressSanitizer and
#             UndefinedBehaviorSanitizer
#   fuzz      the engine fuzzed for 60 s
#   desktop   the program on a virtual desktop with a window manager, driven
#             from the keyboard and the mouse (scripts/keyboard-walk.sh,
#             scripts/wm-check.sh), and by a screen reader's means through
#             the accessibility bus (tests/a11y/screen_reader.sh)
#   windows   the program built for Windows (the first run on a machine also
#             builds Qt for Windows), its suites, printing and installer
#             under Wine
#
#   bash scripts/test.sh [STAGE...]     # all of them when none is named
#
# Each stage's time and result, then a summary whose last line is
# "stages: N passed, N failed"; a failing stage does not stop the others,
# and the command fails when one did. The machine's print service, its
# queues and its default printer are left as they were (checked at the end).
set -euo pipefail
cd "$(dirname "$0")/.."
. scripts/common.sh

all=(linux static sanitize fuzz desktop windows)
stages=("$@")
[ ${#stages[@]} -gt 0 ] || stages=("${all[@]}")
for stage in "${stages[@]}"; do
  [[ " ${all[*]} " == *" $stage "* ]] || { echo "no stage '$stage'; the stages: ${all[*]}" >&2; exit 2; }
done

bash scripts/setup.sh
[[ " ${stages[*]} " != *" windows "* ]] || bash scripts/setup.sh windows

# What the machine's print service says before we start, to compare after.
machine_printer() { (unset CUPS_SERVER CUPS_SERVERROOT; lpstat -d 2>&1 || true); }
machine_before=$(machine_printer)

# Every temporary file of the run in one folder, removed at the end; a
# print server that a crashed test left behind is ended there by its id.
scratch=$(mktemp -d /tmp/corvane-test.XXXXXX)
chmod 0755 "$scratch"
export TMPDIR="$scratch"
leftovers() {
  local pidfile pid
  for pidfile in "$scratch"/*/pid "$scratch"/*/*/pid; do
    [ -f "$pidfile" ] || continue
    pid=$(cat "$pidfile")
    grep -q cupsd "/proc/$pid/cmdline" 2>/dev/null && kill "$pid"
  done
  rm -rf "$scratch"
}
at_exit leftovers
private_runtime
# Nothing the tests run reaches the machine's print service: without a
# server of the tests' own, there is none.
export CUPS_SERVER="$scratch/no-print-service" CUPS_SERVERROOT="$scratch/no-print-service"
unset PRINTER LPDEST
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
ctest_run() { ctest --output-on-failure --timeout 300 "$@"; }

stage_linux() {
  bash scripts/build.sh build
  (cd build && ctest_run -R '_qt_test|package_test')
}
stage_static() {
  bash scripts/build.sh build
  bash scripts/check.sh build
}
stage_sanitize() {
  # -Og with line tables: the reports still name the file and line, and it
  # compiles in about a third of the time of -O2 -g.
  bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-Og -g1" \
    -DCORVANE_SANITIZE=ON -DCORVANE_QT=OFF
  (cd build-sanitize && ctest_run)
}
stage_fuzz() { bash scripts/fuzz.sh 60; }
stage_desktop() {
  bash scripts/build.sh build
  bash scripts/keyboard-walk.sh build/corvane
  bash scripts/wm-check.sh build/corvane
  bash tests/a11y/screen_reader.sh build/corvane
}
stage_windows() { bash scripts/test-windows.sh; }

# Processor seconds (user and system) of every process this shell has
# waited for: on a shared machine, a stage's cost that others' load does
# not change.
# (times runs in this shell: in a subshell it would count nothing.)
cpu_seconds() {
  times >"$scratch/times"
  tail -n 1 "$scratch/times" | awk '{ t = 0; for (i = 1; i <= 2; i++) { split($i, a, "m"); t += a[1] * 60 + a[2] } printf "%d", t }' >"$scratch/cpu"
}

# Qt for Windows, when not built yet, builds at the lowest priority while
# the other stages run: they leave a core idle for minutes (the suites and
# the fuzzer run on one). The windows stage waits for it (the build script
# takes a lock) and finds it built.
if [[ " ${stages[*]} " == *" windows "* && "${stages[*]}" != windows ]]; then
  setsid nice -n 19 bash scripts/build-qt-windows.sh >"$scratch/qt-windows.log" 2>&1 &
  qt_build=$!
  at_exit "kill -- -$qt_build"
fi

results=()
failed=0
for stage in "${stages[@]}"; do
  echo "=== stage $stage"
  started=$(date +%s)
  cpu_seconds
  cpu=$(cat "$scratch/cpu")
  # Not "( ... ) || status=$?": inside that, bash ignores set -e.
  set +e
  (
    set -e
    "stage_$stage"
  )
  status=$?
  set -e
  seconds=$(($(date +%s) - started))
  cpu_seconds
  cpu=$(($(cat "$scratch/cpu") - cpu))
  if [ "$status" -eq 0 ]; then result=passed; else result=failed; failed=$((failed + 1)); fi
  echo "=== stage $stage $result in $seconds s ($cpu processor seconds)"
  results+=("$(printf '%-9s %-7s %5d s  %5d processor s' "$stage" "$result" "$seconds" "$cpu")")
done

# The machine's default printer as it was: checked like a stage.
machine_after=$(machine_printer)
if [ "$machine_after" != "$machine_before" ]; then
  echo "the machine's default printer changed during the run: it was \"$machine_before\", it is \"$machine_after\""
  results+=("$(printf '%-9s %-7s' machine failed)")
  failed=$((failed + 1))
fi
echo
grep -h '^Qt .* built in ' "$scratch/qt-windows.log" 2>/dev/null || true
echo "=== summary (the machine's default printer: $machine_after)"
printf '%s\n' "${results[@]}"
echo "stages: $((${#results[@]} - failed)) passed, $failed failed"
[ "$failed" -eq 0 ]
