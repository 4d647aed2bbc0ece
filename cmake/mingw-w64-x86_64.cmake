# Cross-building for 64-bit Windows with mingw-w64 (posix threads) over the static Qt prefix that
# tools/build-windows-deps.sh prepares; programs built here run on this machine under Wine.
if(DEFINED ENV{BRELVANE_WIN64_PREFIX})
    set(BRELVANE_WIN64_PREFIX "$ENV{BRELVANE_WIN64_PREFIX}")
elseif(DEFINED ENV{BRELVANE_WIN64_CACHE})
    set(BRELVANE_WIN64_PREFIX "$ENV{BRELVANE_WIN64_CACHE}/qt6-win64-static")
else()
    set(BRELVANE_WIN64_PREFIX "$ENV{HOME}/.cache/brelvane-win64/qt6-win64-static")
endif()
if(NOT EXISTS "${BRELVANE_WIN64_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Windows prefix in ${BRELVANE_WIN64_PREFIX}: run tools/build-windows-deps.sh")
endif()

# Debian's own Qt builds moc and the other host tools.
set(QT_HOST_PATH /usr CACHE PATH "")
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/x86_64-linux-gnu/cmake CACHE PATH "")
include("${BRELVANE_WIN64_PREFIX}/lib/cmake/Qt6/qt.toolchain.cmake")

# Tests and tools run through Wine with the settings of tools/wine-run.sh.
set(CMAKE_CROSSCOMPILING_EMULATOR "${CMAKE_CURRENT_LIST_DIR}/../tools/wine-run.sh")
