#!/usr/bin/env bash
# The close button ends the program with exit code 0 and writes nothing.
source "$(dirname "$0")/lib.sh"
new_workdir close_writes_nothing
start_program
screenshot dialog
click 200 37
type_text "typed but not saved"
click 366 269            # 关闭
wait_program_exit
[ ! -e "$WORKDIR/Setting.ini" ] || fail "Setting.ini written on close"
[ ! -e "$WORKDIR/error.txt" ] || fail "error.txt written on close"
echo "PASS close_writes_nothing"
