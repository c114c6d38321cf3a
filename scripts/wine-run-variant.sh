#!/usr/bin/env bash
# Runs a Windows program under another prefix of the project: wine-run-variant.sh VARIANT PROGRAM
# [ARGS...], with VARIANT 144 or 192 (display scaling) or classic (the visual theme off). The
# prefix is prepared on first use; its server and Wine's services start apart from the program's
# output (CTest would otherwise wait for them) and the server ends afterwards.
set -euo pipefail
dir="$(cd "$(dirname "$0")" && pwd)"
"$dir/wine-prefix.sh" "$1" >/dev/null
if [ "$1" = classic ]; then export DBSETUP_THEME=classic; else export DBSETUP_DPI="$1"; fi
shift
source "$dir/wine-env.sh"
wineserver -p </dev/null >/dev/null 2>&1 || true
"$WINE" wineboot </dev/null >/dev/null 2>&1 || true
status=0
"$dir/wine-run.sh" "$@" || status=$?
wineserver -k >/dev/null 2>&1 || true
exit $status
