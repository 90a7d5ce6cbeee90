#!/usr/bin/env bash
# Static checks: every C++ file as clang-format writes it, every include
# within its layer (scripts/check-layers.sh), and clang-tidy clean over the
# sources and the tests (needs a configured build folder, default build/).
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
mapfile -t files < <(git ls-files '*.cpp' '*.h')
clang-format --dry-run --Werror "${files[@]}"
bash scripts/check-layers.sh
# Git's globs cross folders: 'ui/*.cpp' takes ui/qt/ too.
mapfile -t sources < <(git ls-files 'lens/*.cpp' 'ui/*.cpp' 'calc/*.cpp' 'order/*.cpp' 'print/*.cpp' 'app/*.cpp' 'tests/engine/*.cpp' 'tests/core/*.cpp' 'tests/fuzz/*.cpp' \
  'tests/qt/*.cpp')
printf '%s\n' "${sources[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p "$build" --quiet 2>/dev/null
echo "static checks passed"
