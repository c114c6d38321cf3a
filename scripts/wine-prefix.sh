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
# With a parameter, prepares instead another prefix beside it: 144 or 192 (pixels per inch) that
# of a display with that scaling, build/wineprefix-DPI; classic one with the visual theme off and
# the system colours it leaves (Windows' standard ones), build/wineprefix-classic. The normal
# prefix stays at 96 with Wine's theme on.
set -euo pipefail
if [ $# -gt 0 ]; then
  if [ "$1" = classic ]; then
    export DBSETUP_THEME=classic
  else
    [[ "$1" =~ ^[1-9][0-9]{1,2}$ ]] || { echo "usage: $0 [pixels-per-inch | classic]" >&2; exit 2; }
    export DBSETUP_DPI="$1"
  fi
fi
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
if [ -n "${DBSETUP_DPI:-}" ] && [ "$DBSETUP_DPI" != 96 ]; then
  logpixels="$(printf 'dword:%08x' "$DBSETUP_DPI")"
  settings+=('[HKEY_CURRENT_USER\Control Panel\Desktop]' "\"LogPixels\"=$logpixels" ''
             '[HKEY_CURRENT_CONFIG\Software\Fonts]' "\"LogPixels\"=$logpixels" '')
fi
if [ "${DBSETUP_THEME:-}" = classic ]; then
  settings+=('[HKEY_CURRENT_USER\Software\Microsoft\Windows\CurrentVersion\ThemeManager]' '"ThemeActive"="0"' ''
             '[HKEY_CURRENT_USER\Control Panel\Colors]'
             '"ActiveBorder"="212 208 200"' '"ActiveTitle"="10 36 106"' '"AppWorkSpace"="128 128 128"'
             '"Background"="58 110 165"' '"ButtonAlternateFace"="181 181 181"' '"ButtonDkShadow"="64 64 64"'
             '"ButtonFace"="212 208 200"' '"ButtonHilight"="255 255 255"' '"ButtonLight"="212 208 200"'
             '"ButtonShadow"="128 128 128"' '"ButtonText"="0 0 0"' '"GradientActiveTitle"="166 202 240"'
             '"GradientInactiveTitle"="192 192 192"' '"GrayText"="128 128 128"' '"Hilight"="10 36 106"'
             '"HilightText"="255 255 255"' '"HotTrackingColor"="0 0 200"' '"InactiveBorder"="212 208 200"'
             '"InactiveTitle"="128 128 128"' '"InactiveTitleText"="212 208 200"' '"InfoText"="0 0 0"'
             '"InfoWindow"="255 255 225"' '"Menu"="212 208 200"' '"MenuBar"="212 208 200"'
             '"MenuHilight"="10 36 106"' '"MenuText"="0 0 0"' '"Scrollbar"="212 208 200"'
             '"TitleText"="255 255 255"' '"Window"="255 255 255"' '"WindowFrame"="0 0 0"'
             '"WindowText"="0 0 0"' '')
fi
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
