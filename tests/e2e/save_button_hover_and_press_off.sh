#!/usr/bin/env bash
# Over 保存 the warm ring shows; a press on 保存 that is released off the button saves nothing,
# and the program stays open; a real click then saves and ends it.
source "$(dirname "$0")/lib.sh"
new_workdir save_button_hover_and_press_off
start_program

# pixel X Y: the screen's colour at client coordinates of the dialog, as "R,G,B".
pixel() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    import -window root -crop "1x1+$(( X + BORDER + $1 ))+$(( Y + BORDER + CAPTION_HEIGHT + $2 ))" \
        -depth 8 txt:- | sed -n 's/.*(\([0-9]*\),\([0-9]*\),\([0-9]*\).*/\1,\2,\3/p' | head -1
}

click 200 37             # the server name editor
type_text "srv1"
key Return
type_text "Sales"

# 保存 lies at (221, 253), 89 x 33: its face rows 2 and 30 carry the ring's first and last colour.
xdotool mousemove --window "$WINDOW" $(( BORDER + 265 )) $(( BORDER + CAPTION_HEIGHT + 269 ))
sleep 0.5
screenshot save_hot
[ "$(pixel 265 255)" = "255,239,200" ] || fail "no hot ring at the top of 保存: $(pixel 265 255)"
[ "$(pixel 265 283)" = "255,199,60" ] || fail "no hot ring at the bottom of 保存: $(pixel 265 283)"

xdotool mousedown 1
sleep 0.3
[ "$(pixel 265 260)" = "244,244,244" ] || fail "保存 does not look pressed: $(pixel 265 260)"
xdotool mousemove --window "$WINDOW" $(( BORDER + 200 )) $(( BORDER + CAPTION_HEIGHT + 200 ))
sleep 0.3
xdotool mouseup 1
sleep 1
kill -0 "$PROGRAM" 2>/dev/null || fail "the program ended after a press released off 保存"
[ ! -e "$WORKDIR/Setting.ini" ] || fail "Setting.ini written by a press released off 保存"

click 265 269            # 保存, pressed and released over it
wait_program_exit || fail "the program ended with $?"
grep -q '^DBServer=srv1' "$WORKDIR/Setting.ini" || fail "the click on 保存 did not save"
echo "PASS save_button_hover_and_press_off"
