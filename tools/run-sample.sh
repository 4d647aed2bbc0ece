#!/usr/bin/env bash
# Builds Brelvane and opens the designer on a copy of the bundled sample
# project; with --play the copy is played instead: the program runs as the
# player when its name is not "Brelvane", so the copy gets an "autorun.exe"
# link to the build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
# The designer publishes with the runtime folder, the launcher and CDBurner beside it.
cmake --build build --parallel "$(nproc)" --target Brelvane AutoRunRuntime AutoRunLauncher CDBurner
rm -rf build/sample
cp -r samples/Demo build/sample
if [ "${1:-}" = "--play" ]; then
    shift
    ln -s "$PWD/build/Brelvane" build/sample/autorun.exe
    exec build/sample/autorun.exe "$@"
fi
# The designer opens the project it saved last: point it at the copy.
# Other sections (grid, the What's New choice) are kept.
ini=build/Brelvane.ini
others=$( [ -f "$ini" ] && awk '/^\[/ { keep = ($0 !~ /^\[START\]/) } keep' "$ini" || true)
{ printf '[START]\r\nDefaultPath=%s\r\n' "$PWD/build/sample"; [ -z "$others" ] || printf '%s\n' "$others"; } > "$ini"
exec build/Brelvane "$@"
