#!/usr/bin/env bash
# Cross-builds the Windows programs into build-win64/: Brelvane.exe (designer and player, one
# static file) and brelvane-tool.exe; with --tests also the test suites.
# Usage: tools/build-windows.sh [--tests] [more targets...]
set -euo pipefail
cd "$(dirname "$0")/.."
prefix=$(tools/build-windows-deps.sh | tail -n 1)
targets=(Brelvane brelvane-tool)
for arg in "$@"; do
    if [ "$arg" = "--tests" ]; then
        targets+=(storage_tests object_records_tests project_tests exe_tests platform_tests render_tests
                  controls_tests player_tests app_tests)
    else
        targets+=("$arg")
    fi
done
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    # Clones in other folders (CI's) share the compiled files.
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd .. && pwd)} CCACHE_NOHASHDIR=1
fi
BRELVANE_WIN64_PREFIX="$prefix" cmake -S . -B build-win64 -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_BUILD_TYPE=Release \
    -DBRELVANE_BENCH=OFF -DBRELVANE_WERROR=ON "${launcher[@]}" >/dev/null
cmake --build build-win64 --parallel "$(nproc)" --target "${targets[@]}"
