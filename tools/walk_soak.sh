#!/usr/bin/env bash
# A long soak of the random walks through the main window (not run in CI):
# by default 10,000 walks of 40 steps from seed 1, offscreen. A failure
# prints its seed and steps; replay it with CORVANE_WALK_SEED=N
# CORVANE_WALKS=1.
#
#   bash tools/walk_soak.sh [walks] [first seed]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -x build/tests/walk_qt_test ] || bash scripts/build.sh build
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/corvane-runtime-$(id -u)}"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
started=$(date +%s)
CORVANE_WALKS="${1:-10000}" CORVANE_WALK_SEED="${2:-1}" QT_QPA_PLATFORM=offscreen QTEST_FUNCTION_TIMEOUT=86400000 \
  build/tests/walk_qt_test -maxwarnings 0 2>&1 | grep -v '^QWARN'
echo "soak: $(($(date +%s) - started)) s"
