#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix; CTest uses it as the emulator.
# Needs a display: the test runner provides a private Xvfb when there is none.
# A crash is a failure even when Wine hands back exit code 0, as it sometimes does once its
# debugger has printed the backtrace: the crash report on stderr decides.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"
errors="$(mktemp)"
trap 'rm -f "$errors"' EXIT
# stderr goes through tee (kept for the check below), stdout straight through.
{ "$WINE" "$@" 2>&1 1>&3 3>&- | tee "$errors" >&2; } 3>&1
status=${PIPESTATUS[0]}
if grep -q '^wine: Unhandled\|^Unhandled exception' "$errors"; then
  echo "wine-run: $(basename "$1") crashed (exit code $status)" >&2
  [ "$status" -ne 0 ] || status=70
fi
exit $status
