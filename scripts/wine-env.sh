# Sourced: the environment every Wine run of the project uses.
ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
export WINEPREFIX="$ROOT/build/wineprefix"
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export LC_ALL=zh_CN.UTF-8
WINE="$(command -v wine64 || command -v wine)"
[ -x /usr/lib/wine/wine64 ] && WINE=/usr/lib/wine/wine64
export WINE
