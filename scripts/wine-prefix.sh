#!/usr/bin/env bash
# Prepares the project-local Wine prefix once: code page 936, SimSun mapped to a CJK font,
# and window frames drawn by Wine so screenshots show the caption without a window manager.
# Windows are not handed to a window manager (there is none): Wine would otherwise wait two
# seconds for one at every hide.
set -euo pipefail
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
"$WINE" regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$stamp"
echo "Wine prefix ready: $WINEPREFIX"
