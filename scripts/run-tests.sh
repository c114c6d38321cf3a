#!/usr/bin/env bash
# Runs every test: the native units under the sanitizers, the Windows tests under Wine on a
# private display, then the end-to-end scenarios with the real program.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
status=0
(cd "$ROOT/build/host" && ctest --output-on-failure -j2) || status=1
"$ROOT/scripts/with-display.sh" bash -c '
  cd "$1/build/win" && ctest --output-on-failure --timeout 600 || exit 1
' _ "$ROOT" || status=1
"$ROOT/scripts/with-display.sh" "$ROOT/tests/e2e/run-all.sh" || status=1
if [ $status -ne 0 ]; then echo "Some tests FAILED"; else echo "All tests passed"; fi
exit $status
