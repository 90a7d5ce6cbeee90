#!/usr/bin/env bash
# Builds the libFuzzer target with clang (address and undefined-behaviour
# sanitizers) and fuzzes the lens engine, its checks, designs and settling, for the
# given number of seconds (default 60), starting from tests/fuzz/corpus.
#   scripts/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCORVANE_FUZZ=ON -DCORVANE_QT=OFF >/dev/null
cmake --build build-fuzz --target calculate_fuzz
corpus=$(mktemp -d)
log=$(mktemp)
trap 'rm -rf "$corpus" "$log"' EXIT
cp tests/fuzz/corpus/* "$corpus"/
# On a finding, the report and the input that brought it about (as base64,
# to be added to the corpus once mended); otherwise the final figures.
if ! ./build-fuzz/tests/calculate_fuzz -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
  -artifact_prefix="$corpus/" "$corpus" >"$log" 2>&1; then
  grep -v -E '^#[0-9]+' "$log" | tail -n 80
  exit 1
fi
tail -n 4 "$log"
