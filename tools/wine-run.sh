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
# Without a fontconfig to name the default sans face, Qt takes the first family it finds: the
# folder holds the sans faces first (DejaVu Sans, as on Linux) and no serif or math DejaVu.
if [ ! -e "$fonts/LiberationSans-Regular.ttf" ] || [ ! -e "$fonts/DejaVuSans.ttf" ] ||
   [ -e "$fonts/DejaVuSerif.ttf" ]; then
    rm -rf "$fonts"
    mkdir -p "$fonts"
    ln -sf /usr/share/fonts/truetype/dejavu/DejaVuSans*.ttf /usr/share/fonts/truetype/liberation2/*.ttf "$fonts/"
fi
# Wine's drive Z: is the Unix root.
export QT_QPA_FONTDIR="Z:${fonts//\//\\}"
# Wine keeps the host's QT_ variables from Windows programs; WINEQT_X reaches them as QT_X.
while IFS='=' read -r name _; do
    export "WINE$name=${!name}"
done < <(env | grep -o '^QT_[A-Za-z0-9_]*=')
exec wine "$@"
