#!/usr/bin/env bash
# A user moves the pointer over an editor: its frame turns the colour of the focused editor's
# frame, the pixel ring around it still shows the dialog, and moving away restores the idle
# frame. Then typing, Tab and Save work as before.
source "$(dirname "$0")/lib.sh"
new_workdir hover_frame
start_program

# The colour of a pixel at client coordinates of the dialog in a screenshot, as RRGGBB.
pixel() {
    convert "$ROOT/build/e2e/$1.png" -format "%[hex:p{$(( X + BORDER + $2 )),$(( Y + BORDER + CAPTION_HEIGHT + $3 ))}]" info: |
        cut -c1-6
}
pointer_to() { xdotool mousemove --window "$WINDOW" $(( BORDER + $1 )) $(( BORDER + CAPTION_HEIGHT + $2 )); sleep 0.5; }

# EditServerName (133, 25) has the focus; EditDatabaseName (135, 134) is idle; both 225 x 25.
pointer_to 5 5
screenshot hover_idle
focused=$(pixel hover_idle 134 26)
idle=$(pixel hover_idle 136 135)
dialog=$(pixel hover_idle 5 100)
[ "$focused" != "$idle" ] || fail "the focused and the idle frame look alike ($idle)"

pointer_to 250 146
screenshot hover_over
[ "$(pixel hover_over 136 135)" == "$focused" ] || fail "hovered frame $(pixel hover_over 136 135), want $focused"
[ "$(pixel hover_over 358 146)" == "$focused" ] || fail "hovered right frame $(pixel hover_over 358 146), want $focused"
[ "$(pixel hover_over 135 134)" == "$dialog" ] || fail "outer ring $(pixel hover_over 135 134), want the dialog's $dialog"
[ "$(pixel hover_over 140 146)" != "$focused" ] || fail "the content is not the frame colour"

pointer_to 5 5
screenshot hover_left
[ "$(pixel hover_left 136 135)" == "$idle" ] || fail "after leaving $(pixel hover_left 136 135), want $idle"

click 200 37             # the server name editor
type_text "hov"
key Tab                  # on to the database name, its text selected
type_text "Db"
click 265 269            # 保存
wait_program_exit || fail "the program ended with $?"
grep -q '^DBServer=hov' "$WORKDIR/Setting.ini" || fail "DBServer not saved"
grep -q '^DBName=Db' "$WORKDIR/Setting.ini" || fail "DBName not saved"
echo "PASS hover_frame"
