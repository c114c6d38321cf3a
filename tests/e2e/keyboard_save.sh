#!/usr/bin/env bash
# The keyboard way through the dialog: into the server name, Shift+Tab back to the authentication
# items, Down to SQL Server authentication, then type and Tab through the fields to 保存 and press
# Space. Run at 96 and (DBSETUP_DPI=144) at 150 % display scaling: the same Setting.ini both times.
# At 144 a screenshot of the dialog is kept in build/e2e/keyboard_save-144/dialog.png.
source "$(dirname "$0")/lib.sh"
if [ "$DPI" != 96 ]; then
    "$ROOT/scripts/wine-prefix.sh" "$DPI" >/dev/null
    trap 'wineserver -k >/dev/null 2>&1 || true' EXIT  # this prefix's server, started by the program
fi
new_workdir "keyboard_save-$DPI"
start_program
[ "$WIDTH" -gt "$CLIENT_WIDTH" ] && [ "$HEIGHT" -gt "$CLIENT_HEIGHT" ] \
    || fail "a ${WIDTH}x$HEIGHT window cannot hold the ${CLIENT_WIDTH}x$CLIENT_HEIGHT client area at $DPI dpi"

click 200 37             # the server name editor
key shift+Tab            # back, wrapping round, to the checked authentication item
key Down                 # "SQL Server 身份验证"
key Tab                  # on round to the server name
type_text "srv1"
key Tab
type_text "Sales"
key Tab                  # the user name, its "Sa" selected
type_text "reporter"
key Tab
type_text "P@ssw0rd"
[ "$DPI" = 96 ] || import -window "$WINDOW" "$WORKDIR/dialog.png"
key Tab Tab              # past 测试 to 保存
key space
wait_program_exit

printf '[Main]\r\nDBServer=srv1\r\nDBUser=reporter\r\nDBName=Sales\r\nConnPort=\r\nDBPsw=EA7EE051AF84B75F\r\nConnType=2\r\n' \
    > "$WORKDIR/expected.ini"
cmp -s "$WORKDIR/Setting.ini" "$WORKDIR/expected.ini" || {
    od -c "$WORKDIR/Setting.ini" | head -20 >&2
    fail "Setting.ini differs at $DPI dpi"
}
echo "PASS keyboard_save at $DPI dpi"
