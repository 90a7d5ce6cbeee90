#!/usr/bin/env bash
# Runs a Windows program under Wine with the given variables set:
#   wine-run.sh [NAME=VALUE...] PROGRAM [ARGUMENTS...]
# Wine keeps Linux's QT_ variables away from Windows programs (they would
# mislead a Windows Qt), so the variables are set in a Windows shell that
# then starts the program. The Wine prefix is $WINEPREFIX.
set -euo pipefail
sets=""
while [[ $# -gt 0 && "$1" == *=* ]]; do
  sets+="set $1&& "
  shift
done
program="Z:$(realpath "$1")"
shift
exec /usr/lib/wine/wine64 cmd /c "${sets}${program//\//\\} $*"
