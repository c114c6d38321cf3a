#!/usr/bin/env bash
# Shows the dialog under Wine. Without a display it runs on a private Xvfb for a few seconds,
# saves build/screenshot.png and ends the program.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/scripts/wine-env.sh"
exe="$ROOT/build/dbsetup.exe"
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  exec "$WINE" "$exe"
fi
"$ROOT/scripts/with-display.sh" bash -c '
  "$WINE" "$1" & pid=$!
  for _ in $(seq 100); do xdotool search --name "连接到SQL Server" >/dev/null 2>&1 && break; sleep 0.1; done
  sleep 3
  if ! kill -0 $pid 2>/dev/null; then
    code=0; wait $pid || code=$?
    echo "dbsetup.exe ended with exit code $code before the screenshot (crashed? see the backtrace above)" >&2
    exit 1
  fi
  import -window root "$2"
  kill $pid 2>/dev/null || true
' _ "$exe" "$ROOT/build/screenshot.png"
echo "No display: the dialog ran on a private Xvfb; screenshot saved to $ROOT/build/screenshot.png"
