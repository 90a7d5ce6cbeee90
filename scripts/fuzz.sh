#!/usr/bin/env bash
# Builds the libFuzzer target with clang (address and undefined-behaviour
# sanitizers) and fuzzes the Calculate command and the marker clicks for the
# given number of seconds (default 60), starting from tests/fuzz/corpus.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_QT=OFF >/dev/null
cmake --build build-fuzz --target calculate_fuzz
corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus"/
./build-fuzz/tests/calculate_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  "$corpus" 2>&1 | tail -n 4
