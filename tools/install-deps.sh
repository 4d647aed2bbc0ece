#!/usr/bin/env bash
# Installs what building, testing and running Brelvane needs on Debian 12.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libxcb1-dev
    # Web views and the Flash engine's host (brings the browser's helper process).
    qt6-webengine-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
    libpng-dev libjpeg-dev libgif-dev zlib1g-dev nlohmann-json3-dev libemf2svg-dev libwmf-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libgl-dev fonts-liberation2 fonts-dejavu-core xvfb xauth xxd unrtf
    # Icons of the shell folder views: file types and the fallback icon theme.
    shared-mime-info hicolor-icon-theme
    # Executable resources: Windows test programs, and readers to check them with.
    binutils gcc-mingw-w64-i686 gcc-mingw-w64-x86-64 icoutils python3-pefile
    # Disc images: xorriso writes them, isoinfo (genisoimage) checks them in tests.
    xorriso genisoimage
    # The published player's runtime folder: patchelf points its helper programs
    # at it; tests play it in a bubblewrap sandbox that hides the host's Qt.
    patchelf bubblewrap
)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -qq
# The Flash engine comes from the npm registry; Debian's npm only where none is installed.
command -v npm >/dev/null || packages+=(npm)
as_root apt-get install -y -qq --no-install-recommends "${packages[@]}"

# The Flash engine: one pinned version of @ruffle-rs/ruffle, checked against its
# integrity hash, unpacked into the git-ignored .deps/ruffle (the build copies it
# beside the executables).
ruffle_version=0.6.0
ruffle_integrity="sha512-P2X1zDENBoiLt2ZjPcsUzaDxoR7fVF2e1U/bi7hbIAQEjkykxljSoG8AgbywHvlVVzL9Y5tIZMRqDwIm31jgPA=="
ruffle_dir="$(cd "$(dirname "$0")/.." && pwd)/.deps/ruffle"
if [ "$(cat "$ruffle_dir/.version" 2>/dev/null)" != "$ruffle_version" ]; then
    download="$(mktemp -d)"
    (cd "$download" && npm pack --silent "@ruffle-rs/ruffle@$ruffle_version" >/dev/null)
    tarball="$download/ruffle-rs-ruffle-$ruffle_version.tgz"
    actual="sha512-$(sha512sum "$tarball" | cut -d' ' -f1 | xxd -r -p | base64 -w0)"
    if [ "$actual" != "$ruffle_integrity" ]; then
        echo "@ruffle-rs/ruffle@$ruffle_version does not match its integrity hash" >&2
        rm -rf "$download"
        exit 1
    fi
    rm -rf "$ruffle_dir"
    mkdir -p "$ruffle_dir"
    tar xzf "$tarball" -C "$ruffle_dir" --strip-components=1
    echo "$ruffle_version" >"$ruffle_dir/.version"
    rm -rf "$download"
fi
