#!/usr/bin/env bash
# Prepares the project-local Wine prefix: code page 936, SimSun mapped to a CJK font, window
# frames drawn by Wine so screenshots show the caption without a window manager, windows not
# handed to a window manager (there is none: Wine would wait two seconds for one at every hide),
# and no crash dialog: a crash prints its backtrace and ends the process at once, where the
# dialog would wait for a click that never comes.
# The caret does not blink, so that screenshots of the dialog are the same at every run.
# Wine's own fonts (Marlett for the caption buttons, Tahoma for its dialogs) are copied into the
# prefix's font folder: Debian's Wine 8 does not find them where fonts-wine puts them.
# The ready-stamp is named after these settings, so an existing prefix takes in any change.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
settings=(
  'Windows Registry Editor Version 5.00' ''
  '[HKEY_CURRENT_USER\Software\Wine\Fonts\Replacements]'
  '"宋体"="WenQuanYi Micro Hei"' '"SimSun"="WenQuanYi Micro Hei"'
  '"MS Sans Serif"="WenQuanYi Micro Hei"' ''
  '[HKEY_CURRENT_USER\Software\Wine\X11 Driver]' '"Decorated"="N"' '"Managed"="N"' ''
  '[HKEY_CURRENT_USER\Software\Wine\WineDbg]' '"ShowCrashDialog"=dword:00000000' ''
  '[HKEY_CURRENT_USER\Control Panel\Desktop]' '"CursorBlinkRate"="-1"' ''
)
wine_fonts=(/usr/share/wine/fonts/*.ttf)
stamp="$WINEPREFIX/.dbsetup-ready-$(printf '%s\n' "${settings[@]}" "${wine_fonts[@]}" | sha1sum | cut -c1-12)"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
rm -f "$WINEPREFIX"/.dbsetup-ready-*
"$WINE" wineboot -i >/dev/null 2>&1 || true
cp "${wine_fonts[@]}" "$WINEPREFIX/drive_c/windows/Fonts/"
reg="$(mktemp --suffix=.reg)"
printf '%s\r\n' "${settings[@]}" | iconv -f UTF-8 -t UTF-16 > "$reg"
"$WINE" regedit /S "$reg" >/dev/null 2>&1
rm -f "$reg"
wineserver -w
touch "$stamp"
echo "Wine prefix ready: $WINEPREFIX"
