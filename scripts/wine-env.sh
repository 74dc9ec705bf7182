# Sourced by the scripts: the Wine prefix and display the project uses.
# The prefix behaves as a Japanese Windows (code page 932), as our users have.
HALVO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
# HALVO_WINE_DPI (e.g. 144) selects a prefix of its own whose display runs at that dpi.
export WINEPREFIX=${HALVO_WINEPREFIX:-$HALVO_ROOT/build/wine-prefix}${HALVO_WINE_DPI:+-$HALVO_WINE_DPI}
export WINEARCH=win64
export WINEDEBUG=${WINEDEBUG:--all}
export LANG=ja_JP.UTF-8
# Keep Wine from asking to install Mono or Gecko into a new prefix.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
