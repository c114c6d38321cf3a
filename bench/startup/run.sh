#!/usr/bin/env bash
# Runs the start-up benchmark under Wine on a private display: the dialog and the minimal
# window, each from a folder of its own. Build first with `make build-win`.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
work="$ROOT/build/bench-startup"
rm -rf "$work" && mkdir -p "$work/dialog" "$work/minimal"
cp "$ROOT/build/dbsetup.exe" "$work/dialog/"
cp "$ROOT/build/win/bench/startup/minimal_dialog.exe" "$work/minimal/"
cp "$ROOT/build/win/bench/startup/startup_bench.exe" "$work/"
echo "dbsetup.exe: $(stat -c %s "$ROOT/build/dbsetup.exe") bytes"
"$ROOT/scripts/with-display.sh" bash -c '
  cd "$1" && "$WINE" startup_bench.exe "Z:$1/dialog/dbsetup.exe" "连接到SQL Server" \
    "Z:$1/minimal/minimal_dialog.exe" "Minimal dialog" "${2:-21}"' _ "$work" "${1:-21}"
