#!/usr/bin/env bash
# Prepares the project-local Wine prefix once: code page 936, SimSun mapped to a CJK font,
# and window frames drawn by Wine so screenshots show the caption without a window manager.
# Windows are not handed to a window manager (there is none): Wine would otherwise wait two
# seconds for one at every hide.
# With a parameter (144, 192: pixels per inch), prepares instead the prefix of that display
# scaling, build/wineprefix-DPI; the normal prefix stays at 96.
set -euo pipefail
if [ $# -gt 0 ]; then
  [[ "$1" =~ ^[1-9][0-9]{1,2}$ ]] || { echo "usage: $0 [pixels-per-inch]" >&2; exit 2; }
  export DBSETUP_DPI="$1"
fi
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.dbsetup-ready-2"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1 || true
reg="$(mktemp --suffix=.reg)"
printf '%s\r\n' 'Windows Registry Editor Version 5.00' '' \
  '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]' \
  '"宋体"="WenQuanYi Micro Hei"' '"SimSun"="WenQuanYi Micro Hei"' \
  '"MS Sans Serif"="WenQuanYi Micro Hei"' '' \
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' '' \
  | iconv -f UTF-8 -t UTF-16 > "$reg"
if [ -n "${DBSETUP_DPI:-}" ] && [ "$DBSETUP_DPI" != 96 ]; then
  logpixels=$(printf 'dword:%08x' "$DBSETUP_DPI")
  printf '%s\r\n' '[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=$logpixels" '' \
    '[HKEY_CURRENT_CONFIG\Software\Fonts]' "\"LogPixels\"=$logpixels" '' \
    | iconv -f UTF-8 -t UTF-16LE >> "$reg"
fi
"$WINE" regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$stamp"
echo "Wine prefix ready: $WINEPREFIX"
