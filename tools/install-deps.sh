#!/usr/bin/env bash
# Installs what building, testing and running Brelvane needs on Debian 12.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config git
    qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-svg-dev libxcb1-dev
    gstreamer1.0-plugins-base gstreamer1.0-plugins-good
    libpng-dev libjpeg-dev libgif-dev zlib1g-dev nlohmann-json3-dev libemf2svg-dev libwmf-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    libgl-dev fonts-liberation2 fonts-dejavu-core xvfb xauth xxd unrtf
    # Executable resources: Windows test programs, and readers to check them with.
    binutils gcc-mingw-w64-i686 gcc-mingw-w64-x86-64 icoutils python3-pefile
)
as_root() { if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi; }
export DEBIAN_FRONTEND=noninteractive
as_root apt-get update -qq
as_root apt-get install -y -qq --no-install-recommends "${packages[@]}"
