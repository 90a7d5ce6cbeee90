#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds the calculator and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/build.sh build
exec ./build/corvane
