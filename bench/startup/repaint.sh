#!/usr/bin/env bash
# Runs the full-repaint benchmark under Wine on a private display: the dialog and the minimal
# window side by side. Build first with `make build-win`.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/../.." && pwd)"
work="$ROOT/build/bench-repaint"
rm -rf "$work" && mkdir -p "$work/dialog" "$work/minimal"
cp "$ROOT/build/dbsetup.exe" "$work/dialog/"
cp "$ROOT/build/win/bench/startup/minimal_dialog.exe" "$work/minimal/"
cp "$ROOT/build/win/bench/startup/repaint_bench.exe" "$work/"
"$ROOT/scripts/with-display.sh" bash -c '
  cd "$1" && "$WINE" repaint_bench.exe "Z:$1/dialog/dbsetup.exe" "连接到SQL Server" \
    "Z:$1/minimal/minimal_dialog.exe" "Minimal dialog" "${2:-101}"' _ "$work" "${1:-101}"
