#!/usr/bin/env bash
# Runs a Windows program of the cross-build under Wine: a Wine prefix of our own, quiet, without
# Wine's Mono and Gecko prompts, the off-screen Qt platform unless another is asked for, and the
# DejaVu and Liberation fonts (the same faces the Linux build draws with).
set -euo pipefail
cache=${BRELVANE_WIN64_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brelvane-win64}
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml=}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
fonts="$cache/fonts"
if [ ! -d "$fonts" ]; then
    mkdir -p "$fonts.new"
    ln -sf /usr/share/fonts/truetype/dejavu/*.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$fonts.new/"
    mv -T "$fonts.new" "$fonts" 2>/dev/null || rm -rf "$fonts.new"
fi
# Wine's drive Z: is the Unix root.
export QT_QPA_FONTDIR="Z:${fonts//\//\\}"
exec wine "$@"
