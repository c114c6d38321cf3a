# Sourced: the environment every Wine run of the project uses. DBSETUP_DPI=144 (or 192) picks the
# prefix whose display reports that many pixels per inch; DBSETUP_THEME=classic the one with the
# visual theme off; without them (or at 96) the normal one.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
variant=""
if [ -n "${DBSETUP_DPI:-}" ] && [ "$DBSETUP_DPI" != 96 ]; then variant="-$DBSETUP_DPI"; fi
if [ "${DBSETUP_THEME:-}" = classic ]; then variant="$variant-classic"; fi
export WINEPREFIX="$ROOT/build/wineprefix$variant"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
WINE="$(command -v wine64 || command -v wine)"
[ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64
export WINE
