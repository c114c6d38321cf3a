#!/usr/bin/env bash
# Runs a Windows program under the project's Wine prefix; CTest uses it as the emulator.
# Needs a display: the test runner provides a private Xvfb when there is none.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
exec "$WINE" "$@"
