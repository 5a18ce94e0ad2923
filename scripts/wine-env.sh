# Sourced: the Wine settings every Corvantile run uses (prefix, locale, quiet logging).
CORVANTILE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${CORVANTILE_WINEPREFIX:-${HOME:-/root}/.local/share/corvantile/wine}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko download prompts: the player needs neither.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
export LANG=ja_JP.UTF-8
export LC_ALL=ja_JP.UTF-8
WINE=$(command -v wine64 || echo /usr/lib/wine/wine64)
WINESERVER=$(command -v wineserver || echo /usr/lib/wine/wineserver)
export WINE WINESERVER
