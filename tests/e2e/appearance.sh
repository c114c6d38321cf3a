#!/usr/bin/env bash
# The finished look, pixel for pixel: the dialog's client area in each state below, compared
# with the reference pictures in reference/. With UPDATE_REFERENCE=1 the pictures are taken
# anew instead (`make reference-images`), for when the look changes on purpose.
source "$(dirname "$0")/lib.sh"
reference="$ROOT/tests/e2e/reference"
new_workdir appearance
mismatches=()

# check_look NAME: the client area now against reference/NAME.png.
check_look() {
    local shot="$WORKDIR/$1.png"
    capture_client "$shot"
    if [ "${UPDATE_REFERENCE:-}" = 1 ]; then
        cp "$shot" "$reference/$1.png"
        echo "reference taken: $1"
        return
    fi
    [ -f "$reference/$1.png" ] || fail "no reference picture $1.png (make reference-images)"
    local differing
    differing=$(compare -metric AE "$reference/$1.png" "$shot" "$WORKDIR/$1-diff.png" 2>&1 >/dev/null) || true
    if [ "$differing" != 0 ]; then
        mismatches+=("$1: $differing pixels differ (see $WORKDIR/$1-diff.png)")
    fi
}

start_program
park_pointer
check_look first_start          # Windows authentication, the caret in the server name
key Tab Tab                     # past the database name to 测试 (user and password are disabled)
check_look focused_button
hover 265 269                   # over 保存
check_look hot_button
hover 270 146                   # over the database name editor
check_look hot_editor
click 150 113                   # "SQL Server 身份验证": user and password enabled
park_pointer
check_look sql_server_authentication
key Escape
wait_program_exit

((${#mismatches[@]} == 0)) || fail "the look changed: ${mismatches[*]}"
echo "PASS appearance"
