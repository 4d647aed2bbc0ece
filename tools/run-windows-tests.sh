#!/usr/bin/env bash
# Builds the Windows test suites and runs them under Wine, one ctest entry per suite, on a
# virtual display with Qt's off-screen platform. Prints the time of each stage.
set -euo pipefail
cd "$(dirname "$0")/.."
start=$SECONDS
if [ "${1:-}" != "--on-display" ]; then
    tools/build-windows.sh --tests
    echo "windows: build took $((SECONDS - start)) s"
    # Wine's desktop process starts with the first program and keeps the display it found:
    # everything from the Wine server on runs on the virtual display.
    exec xvfb-run -a "$0" --on-display
fi

cache=${BRELVANE_WIN64_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brelvane-win64}
export WINEPREFIX=${WINEPREFIX:-$cache/wine}
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
stage=$SECONDS
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    wineboot --init >/dev/null 2>&1 || true
    wineserver -w
fi
# One Wine server for the whole run instead of one start per suite, and Wine's own services
# started now: started by a test, they would hold its output open and ctest would wait forever.
wineserver -p >/dev/null 2>&1 || true  # (one may be running already)
trap 'wineserver -k 2>/dev/null || true' EXIT
wine wineboot >/dev/null 2>&1 </dev/null
echo "windows: Wine ready after $((SECONDS - stage)) s"
stage=$SECONDS
QT_QPA_PLATFORM=offscreen ctest --test-dir build-win64 --output-on-failure --parallel "$(nproc)"
echo "windows: tests took $((SECONDS - stage)) s"
