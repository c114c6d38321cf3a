#!/usr/bin/env bash
# A user fills the fields, chooses SQL Server authentication and saves; starts again, tests the
# connection (no SQL Server here, so it fails), closes the error box and leaves with Escape.
source "$(dirname "$0")/lib.sh"
new_workdir save_then_test
start_program

click 150 113            # "SQL Server 身份验证"
click 200 37             # the server name editor
type_text "srv1"
key Return               # on to the database name
type_text "Sales"
key Return               # on to the user name, its text selected
type_text "reporter"
key Return
type_text "P@ssw0rd"
screenshot filled
click 265 269            # 保存
wait_program_exit

printf '[Main]\r\nDBServer=srv1\r\nDBUser=reporter\r\nDBName=Sales\r\nConnPort=\r\nDBPsw=EA7EE051AF84B75F\r\nConnType=2\r\n' \
    > "$WORKDIR/expected.ini"
cmp -s "$WORKDIR/Setting.ini" "$WORKDIR/expected.ini" || {
    od -c "$WORKDIR/Setting.ini" | head -20 >&2
    fail "Setting.ini differs"
}
[ ! -e "$WORKDIR/error.txt" ] || fail "error.txt written by a successful save"

start_program
click 55 269             # 测试
wait_for_box "提示"
screenshot test_failed
key Return
sleep 0.5
[ -f "$WORKDIR/error.txt" ] || fail "no error.txt after the failed test"
lines=$(wc -l < "$WORKDIR/error.txt")
[ "$lines" -eq 1 ] || fail "error.txt has $lines lines"
grep -q "	$(gbk '数据库连接设置:')" "$WORKDIR/error.txt" || fail "error.txt lacks the test prefix: $(cat -A "$WORKDIR/error.txt")"
grep -q $'\r$' "$WORKDIR/error.txt" || fail "the entry does not end with CR LF"

click 300 150            # back into the dialog, then Escape ends it
key Escape
wait_program_exit
echo "PASS save_then_test"
