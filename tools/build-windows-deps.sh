#!/usr/bin/env bash
# Prepares everything the Windows cross-build needs, once per machine: the mingw-w64 compilers and
# Wine from Debian, then one cache prefix holding a static Qt 6.4.2 (Core, Gui, Widgets, Network)
# and static libpng, libjpeg and giflib for 64-bit Windows.
#
# The prefix is unpacked from ../shared/win64/ beside the repository when its tarball matches the
# checksum below; otherwise it is built from Debian's own source packages (about an hour on two
# cores). A stamp carrying this script's hash makes a second run do nothing.
#
# Usage: tools/build-windows-deps.sh [--no-install]   prints the prefix on its last line.
# The prefix lives in $BRELVANE_WIN64_CACHE (default ~/.cache/brelvane-win64).
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cache=${BRELVANE_WIN64_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/brelvane-win64}
prefix="$cache/qt6-win64-static"
# A clean clone has shared/ beside it; a git worktree finds it beside its main checkout.
prepared="$repo/../shared/win64/qt6-win64-static.tar.xz"
if [ ! -f "$prepared" ] && common=$(git -C "$repo" rev-parse --path-format=absolute --git-common-dir 2>/dev/null); then
    prepared="$(dirname "$common")/../shared/win64/qt6-win64-static.tar.xz"
fi
prepared_sha256=3a7895660e3fdb26d4086a981f33c8329dea55d631dc84464211c88854ab672c
stamp="$cache/stamp"
script_hash=$(sha256sum "$0" | cut -d' ' -f1)

packages=(
    g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix mingw-w64-tools libz-mingw-w64-dev
    wine wine64 qt6-base-dev qt6-base-dev-tools cmake ninja-build xvfb xauth
    fonts-dejavu-core fonts-liberation2 googletest ccache
)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
if [ "${1:-}" != "--no-install" ]; then
    missing=()
    for p in "${packages[@]}"; do dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p"); done
    if [ ${#missing[@]} -gt 0 ]; then
        export DEBIAN_FRONTEND=noninteractive
        as_root apt-get update -qq
        as_root apt-get install -y -qq --no-install-recommends "${missing[@]}"
    fi
fi

if [ -f "$stamp" ] && [ "$(cat "$stamp")" = "$script_hash" ] && [ -d "$prefix/lib/cmake/Qt6" ]; then
    echo "$prefix"
    exit 0
fi
rm -rf "$prefix" "$stamp"
mkdir -p "$cache"

# The mingw toolchain file Qt's own toolchain file chain-loads from inside the prefix.
write_toolchain() {
    cat > "$1" <<'TC'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(CMAKE_C_COMPILER   x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER  x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
TC
}

build_from_source() {
    local work="$cache/work"
    rm -rf "$work"
    mkdir -p "$work/apt/lists/partial" "$prefix"
    cd "$work"
    # Debian's source packages through a private list: the machine's apt sources stay as they are.
    if [ -f /etc/apt/sources.list.d/debian.sources ]; then
        sed -e 's/^Types: deb$/Types: deb-src/' /etc/apt/sources.list.d/debian.sources > apt/src.sources
    else
        sed -n 's/^deb \(.*\)$/deb-src \1/p' /etc/apt/sources.list > apt/src.list
    fi
    local aptsrc=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work/apt"
                  -o Dir::State::Lists="$work/apt/lists")
    apt-get "${aptsrc[@]}" update -qq
    apt-get "${aptsrc[@]}" source --download-only qt6-base libpng1.6 libjpeg-turbo giflib
    for d in libpng1.6_*.dsc libjpeg-turbo_*.dsc giflib_*.dsc; do
        dpkg-source --no-check -x "$d" >/dev/null
    done
    tar xf qt6-base_*.orig.tar.xz
    write_toolchain toolchain.cmake
    local qtsrc=qtbase-everywhere-src-6.4.2
    cmake -G Ninja -S $qtsrc -B build-qt -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF \
        -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
        -DFEATURE_sql=OFF -DFEATURE_tabletevent=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF \
        -DFEATURE_direct2d=OFF -DFEATURE_xml=OFF -DFEATURE_testlib=OFF \
        -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF
    # Qt 6.4.2's Windows platform plugin assumes OpenGL and Direct2D in two places.
    sed -i 's/^#if QT_CONFIG(dynamicgl)$/#if QT_CONFIG(dynamicgl) \&\& QT_CONFIG(opengl)/' \
        $qtsrc/src/plugins/platforms/windows/qwindowswindow.cpp
    sed -i 's/^#if QT_CONFIG(directwrite3)$/#if QT_CONFIG(directwrite3) \&\& QT_CONFIG(direct2d)/' \
        $qtsrc/src/plugins/platforms/windows/qwindowsintegration.cpp
    cmake --build build-qt --parallel "$(nproc)"
    cmake --install build-qt
    rm -rf "$prefix/doc"
    cp toolchain.cmake "$prefix/mingw-w64-x86_64.cmake"
    sed -i 's#^set(__qt_initially_configured_toolchain_file ".*")#set(__qt_initially_configured_toolchain_file "${CMAKE_CURRENT_LIST_DIR}/../../../mingw-w64-x86_64.cmake")#' \
        "$prefix/lib/cmake/Qt6/qt.toolchain.cmake"
    cmake -G Ninja -S libpng1.6-*/ -B build-png -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DPNG_SHARED=OFF -DPNG_STATIC=ON \
        -DPNG_TESTS=OFF -DPNG_EXECUTABLES=OFF \
        -DZLIB_LIBRARY=/usr/x86_64-w64-mingw32/lib/libz.a -DZLIB_INCLUDE_DIR=/usr/x86_64-w64-mingw32/include
    ninja -C build-png install
    cmake -G Ninja -S libjpeg-turbo-*/ -B build-jpeg -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$prefix" -DWITH_SIMD=OFF \
        -DENABLE_SHARED=OFF -DENABLE_STATIC=ON -DWITH_TURBOJPEG=OFF
    ninja -C build-jpeg install
    (cd giflib-*/ && mkdir -p o &&
     for f in dgif_lib egif_lib gifalloc gif_err gif_font gif_hash openbsd-reallocarray quantize; do
         x86_64-w64-mingw32-gcc-posix -O2 -c "$f.c" -o "o/$f.o"
     done &&
     x86_64-w64-mingw32-ar rcs o/libgif.a o/*.o && cp o/libgif.a "$prefix/lib/" &&
     cp gif_lib.h "$prefix/include/")
    cd "$cache" && rm -rf "$work"
}

if [ -f "$prepared" ] && [ -f "$prepared.sha256" ] &&
   [ "$(cut -d' ' -f1 "$prepared.sha256")" = "$prepared_sha256" ] &&
   (cd "$(dirname "$prepared")" && sha256sum --quiet -c "$prepared.sha256"); then
    tar -xJf "$prepared" -C "$cache"
else
    echo "no matching prepared prefix in $(dirname "$prepared"): building it from source" >&2
    build_from_source
fi
echo "$script_hash" > "$stamp"
echo "$prefix"
