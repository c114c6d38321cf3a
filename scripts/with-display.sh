#!/usr/bin/env bash
# Runs a command with a private Xvfb display and a persistent wineserver, both ended afterwards.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
# Xvfb picks a free display number itself (taking its lock file atomically), so runs started
# side by side never share one.
numberfile="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numberfile" >/dev/null 2>&1 &
xvfb=$!
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; rm -f "$numberfile"; }
trap cleanup EXIT
for _ in $(seq 100); do [ -s "$numberfile" ] && break; sleep 0.1; done
[ -s "$numberfile" ] || { echo "Xvfb did not start" >&2; exit 1; }
display=":$(head -1 "$numberfile")"
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"
wineserver -p >/dev/null 2>&1 || true
# Start Wine's own services now, detached from our output: started by the first test instead,
# they would inherit its output pipe and CTest would wait for them until its time-out.
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$@"
