#!/usr/bin/env bash
# The dialog opens with its title; typing, Enter and Escape end the program with exit code 0
# and write nothing.
source "$(dirname "$0")/lib.sh"
new_workdir escape_writes_nothing
start_program
[ "$(xdotool getwindowname "$WINDOW")" == "$CAPTION" ] || fail "the window is titled $(xdotool getwindowname "$WINDOW")"
click 200 37             # the server name editor
type_text "srv"
key Return               # on to the database name
key Escape
wait_program_exit
[ ! -e "$WORKDIR/Setting.ini" ] || fail "Setting.ini written on Escape"
[ ! -e "$WORKDIR/error.txt" ] || fail "error.txt written on Escape"
echo "PASS escape_writes_nothing"
