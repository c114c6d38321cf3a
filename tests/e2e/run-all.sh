#!/usr/bin/env bash
# Runs every end-to-end scenario; needs a display (scripts/with-display.sh gives one).
set -uo pipefail
dir="$(cd "$(dirname "$0")" && pwd)"
status=0
for scenario in "$dir"/crash_is_reported.sh "$dir"/escape_writes_nothing.sh "$dir"/close_writes_nothing.sh \
    "$dir"/save_then_test.sh "$dir"/appearance.sh "$dir"/hover_frame.sh "$dir"/save_button_hover_and_press_off.sh; do
    timeout 180 bash "$scenario" || { echo "FAILED: $(basename "$scenario")"; status=1; }
done
DBSETUP_THEME=classic timeout 180 bash "$dir"/appearance.sh || { echo "FAILED: appearance.sh without themes"; status=1; }
for dpi in 96 144; do
    DBSETUP_DPI=$dpi timeout 180 bash "$dir"/keyboard_save.sh || { echo "FAILED: keyboard_save.sh at $dpi dpi"; status=1; }
done
exit $status
