#!/usr/bin/env bash
# Builds Brelvane from clean in build/ and runs the whole test suite.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf build
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBRELVANE_WERROR=ON
cmake --build build --parallel "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"
