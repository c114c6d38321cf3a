#!/usr/bin/env bash
# Runs a Windows program under the prefix of another display scaling: wine-run-dpi.sh DPI PROGRAM
# [ARGS...]. The prefix is prepared on first use; its server and Wine's services start apart from
# the program's output (CTest would otherwise wait for them) and the server ends afterwards.
set -euo pipefail
dir="$(cd "$(dirname "$0")" && pwd)"
"$dir/wine-prefix.sh" "$1" >/dev/null
export DBSETUP_DPI="$1"
shift
source "$dir/wine-env.sh"
wineserver -p </dev/null >/dev/null 2>&1 || true
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true
status=0
"$WINE" "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
