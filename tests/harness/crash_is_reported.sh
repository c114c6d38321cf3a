#!/usr/bin/env bash
# A Windows program that crashes, run by CTest exactly as the test programs are (through the
# Wine emulator, with the display of the test run), must be reported as failed, not timed out,
# and within seconds. Usage: crash_is_reported.sh EMULATOR CRASHING_EXE
set -uo pipefail
emulator="$1"
program="$2"
limit=30
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cat > "$work/CTestTestfile.cmake" <<CTEST
add_test(crash "$emulator" "$program")
set_tests_properties(crash PROPERTIES TIMEOUT 300)
CTEST
start=$(date +%s)
(cd "$work" && timeout 120 ctest --output-on-failure) > "$work/out.txt" 2>&1
status=$?
elapsed=$(( $(date +%s) - start ))
cat "$work/out.txt"
[ "$status" -ne 124 ] || { echo "FAIL: the crashed program was still waiting after 120 s"; exit 1; }
[ "$status" -ne 0 ] || { echo "FAIL: CTest reported the crash as a pass"; exit 1; }
grep -q "(Failed)\|Exit code\|Exception" "$work/out.txt" || { echo "FAIL: CTest did not report a failure"; exit 1; }
! grep -q "(Timeout)" "$work/out.txt" || { echo "FAIL: the crash ran into the time-out"; exit 1; }
[ "$elapsed" -le "$limit" ] || { echo "FAIL: reporting the crash took $elapsed s (at most $limit)"; exit 1; }
grep -q "Unhandled exception" "$work/out.txt" || { echo "FAIL: no backtrace in the output"; exit 1; }
echo "crash reported as a failure in $elapsed s"
