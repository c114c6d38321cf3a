# Sourced by the end-to-end scenarios: start the real program in a fresh folder and act on its
# window as a user would, with xdotool on the current display.
set -euo pipefail
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
source "$ROOT/scripts/wine-env.sh"
CAPTION="连接到SQL Server"
CLIENT_WIDTH=425
CLIENT_HEIGHT=298

fail() { echo "FAIL: $*" >&2; exit 1; }

# A program that ended on its own before its work was done has crashed: say so at once rather
# than wait for a window that will never come.
check_running() {
    kill -0 "$PROGRAM" 2>/dev/null && return 0
    local code=0
    wait "$PROGRAM" || code=$?
    fail "dbsetup.exe ended unexpectedly with exit code $code (crashed?) $1"
}

# A fresh folder holding a copy of the program; Setting.ini and error.txt appear beside it.
new_workdir() {
    WORKDIR="$ROOT/build/e2e/$1"
    rm -rf "$WORKDIR"
    mkdir -p "$WORKDIR"
    cp "$ROOT/build/dbsetup.exe" "$WORKDIR/"
}

start_program() {
    "$WINE" "$WORKDIR/dbsetup.exe" &
    PROGRAM=$!
    WINDOW=""
    for _ in $(seq 200); do
        check_running "before its dialog appeared"
        WINDOW=$(xdotool search --name "$CAPTION" 2>/dev/null | head -1 || true)
        [ -n "$WINDOW" ] && break
        sleep 0.1
    done
    [ -n "$WINDOW" ] || fail "the dialog did not appear"
    sleep 1
    check_running "after its dialog appeared"
    # Wine draws the frame inside the X window: the client area starts after the border and caption.
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    BORDER=$(( (WIDTH - CLIENT_WIDTH) / 2 ))
    CAPTION_HEIGHT=$(( HEIGHT - CLIENT_HEIGHT - 2 * BORDER ))
}

# click X Y: a click at client coordinates of the dialog.
click() {
    check_running "before a click at $1,$2"
    xdotool mousemove --window "$WINDOW" $(( BORDER + $1 )) $(( BORDER + CAPTION_HEIGHT + $2 )) click 1
    sleep 0.3
}

type_text() { check_running "before typing"; xdotool type --delay 30 "$1"; sleep 0.2; }
key() { check_running "before the key $*"; xdotool key "$@"; sleep 0.3; }

# Waits for a window titled $1 and gives it the focus by clicking into it.
wait_for_box() {
    BOX=""
    for _ in $(seq 300); do
        check_running "while waiting for the box $1"
        BOX=$(xdotool search --name "^$1\$" 2>/dev/null | head -1 || true)
        [ -n "$BOX" ] && break
        sleep 0.1
    done
    [ -n "$BOX" ] || fail "no window titled $1"
    sleep 0.5
    xdotool mousemove --window "$BOX" 10 40 click 1
    sleep 0.3
}

# Waits for the program to end by itself, as it does after Save, Close or Escape, with code 0.
wait_program_exit() {
    for _ in $(seq 100); do
        if ! kill -0 "$PROGRAM" 2>/dev/null; then
            local code=0
            wait "$PROGRAM" || code=$?
            [ "$code" -eq 0 ] || fail "dbsetup.exe ended with exit code $code (crashed?)"
            return 0
        fi
        sleep 0.1
    done
    kill "$PROGRAM" 2>/dev/null || true
    fail "the program did not end"
}

screenshot() { import -window root "$ROOT/build/e2e/$1.png"; }

# Bytes of a UTF-8 text in code page 936, as the program writes them.
gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }

# The pointer away from the dialog, so that nothing in it is hot.
park_pointer() { xdotool mousemove 0 0; sleep 0.5; }
# hover X Y: the pointer over client coordinates of the dialog, without a click.
hover() {
    check_running "before hovering at $1,$2"
    xdotool mousemove --window "$WINDOW" $(( BORDER + $1 )) $(( BORDER + CAPTION_HEIGHT + $2 ))
    sleep 0.5
}

# The dialog's client area as the screen shows it, as a PNG.
capture_client() {
    eval "$(xdotool getwindowgeometry --shell "$WINDOW")"
    import -window root -crop "${CLIENT_WIDTH}x${CLIENT_HEIGHT}+$(( X + BORDER ))+$(( Y + BORDER + CAPTION_HEIGHT ))" \
        +repage "$1"
}
