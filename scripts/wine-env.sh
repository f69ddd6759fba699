# Sourced: the environment of the project's own Wine prefix. Never the user's prefix.
# INSDEL_WINEPREFIX may name another one (the run script's sandbox).
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
export WINEPREFIX="${INSDEL_WINEPREFIX:-$here/../build/wineprefix}"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml="
export LANG=ja_JP.UTF-8 LC_ALL=ja_JP.UTF-8
unset DISPLAY_FOR_WINE
