# Shared environment of the project's scripts; sourced, not run.
MIPO_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MIPO_BUILD=${MIPO_BUILD:-$MIPO_ROOT/build}
export WINEPREFIX=${WINEPREFIX:-$MIPO_BUILD/wineprefix}
export WINEARCH=win32
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
# Wine runs Japanese (ACP 932); Linux tools keep their own messages.
mipo_wine() { LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wine "$@"; }
mipo_wineserver() { LC_ALL=ja_JP.UTF-8 LANG=ja_JP.UTF-8 wineserver "$@"; }
