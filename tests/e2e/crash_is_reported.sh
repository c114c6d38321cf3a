#!/usr/bin/env bash
# The scenario helpers report a program that crashes as a failure, with a clear message and at
# once: a crashing program stands in for dbsetup.exe.
source "$(dirname "$0")/lib.sh"
crasher="$ROOT/build/win/tests/harness/crash_on_purpose.exe"
[ -f "$crasher" ] || fail "no $crasher: build the tests first"
new_workdir crash_is_reported
cp "$crasher" "$WORKDIR/dbsetup.exe"
start=$(date +%s)
if output=$( (start_program) 2>&1 ); then fail "a crashed program passed: $output"; fi
elapsed=$(( $(date +%s) - start ))
[[ "$output" == *"dbsetup.exe ended unexpectedly with exit code"*"(crashed?) before its dialog appeared"* ]] ||
    fail "unclear report of the crash: $output"
[ "$elapsed" -le 30 ] || fail "the crash was reported only after $elapsed s"
echo "PASS crash_is_reported ($elapsed s)"
