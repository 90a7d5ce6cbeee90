#!/usr/bin/env bash
# Sets up the machine, builds, and runs the whole test suite: the static
# checks, the suite in an AddressSanitizer + UndefinedBehaviorSanitizer
# build, a bounded fuzzing run, the whole program built for Windows with its
# suites, printing and installer run under Wine (the first run on a machine
# also builds Qt for Windows), then the suite in the normal (Release) build,
# with a real CUPS printer for the printing tests.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"
bash scripts/setup.sh

export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/corvane-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset PRINTER LPDEST
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

bash scripts/printer.sh start
trap 'bash "$root/scripts/printer.sh" stop' EXIT

bash scripts/build.sh build
bash scripts/check.sh build

bash scripts/build.sh build-sanitize -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCORVANE_SANITIZE=ON
(cd build-sanitize && ctest --output-on-failure --timeout 300)

bash scripts/fuzz.sh 60

bash scripts/test-windows.sh

cd build
ctest --output-on-failure --timeout 300
