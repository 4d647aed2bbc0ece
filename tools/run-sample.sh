#!/usr/bin/env bash
# Builds Brelvane and plays the bundled sample project: the program runs as the
# player when its name is not "Brelvane", so the sample gets an "autorun.exe"
# link to the build.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --parallel "$(nproc)" --target Brelvane
rm -rf build/sample
cp -r samples/Demo build/sample
ln -s "$PWD/build/Brelvane" build/sample/autorun.exe
exec build/sample/autorun.exe "$@"
