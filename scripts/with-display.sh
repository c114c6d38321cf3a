#!/usr/bin/env bash
# Runs a command with a private Xvfb display and a persistent wineserver, both ended afterwards.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
display=""
for n in $(seq 90 130); do
  if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then display=":$n"; break; fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
cleanup() { wineserver -k >/dev/null 2>&1 || true; kill "$xvfb" 2>/dev/null || true; }
trap cleanup EXIT
for _ in $(seq 50); do xdpyinfo -display "$display" >/dev/null 2>&1 && break; sleep 0.1; done
export DISPLAY="$display"
wineserver -p >/dev/null 2>&1 || true
# Start Wine's own services now, detached from our output: started by the first test instead,
# they would inherit its output pipe and CTest would wait for them until its time-out.
"$WINE" wineboot >/dev/null 2>&1 </dev/null || true
"$@"
