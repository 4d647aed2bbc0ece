#!/bin/bash
# Fills a runtime folder that lets the player run on a machine without Qt,
# ICU or GStreamer: every library the program, its Qt and GStreamer plug-ins
# and the web engine need, less the system's own stack listed below.
#
#   collect-runtime.sh OUT_FOLDER PROGRAM [WEB_ENGINE_PLUGIN]
#
# Layout of OUT_FOLDER (the program finds lib/ through its RPATH):
#   lib/       shared libraries, and the web engine plug-in
#   plugins/   Qt plug-ins by category
#   gstreamer/ GStreamer plug-ins
#   libexec/   helper programs, given RPATH $ORIGIN/../lib
#   resources/, translations/qtwebengine_locales/  web engine data
set -euo pipefail

if [ $# -lt 2 ] || [ ! -x "$2" ]; then
    echo "usage: collect-runtime.sh OUT_FOLDER PROGRAM [WEB_ENGINE_PLUGIN]" >&2
    exit 2
fi
out=$1
program=$2
webengine=${3:-}

qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
qt_libexec=$(qtpaths6 --query QT_INSTALL_LIBEXECS 2>/dev/null || echo /usr/lib/qt6/libexec)
qt_data=$(qtpaths6 --query QT_INSTALL_DATA 2>/dev/null || echo /usr/share/qt6)
qt_translations=$(qtpaths6 --query QT_INSTALL_TRANSLATIONS 2>/dev/null || echo /usr/share/qt6/translations)
gst_plugins=$(pkg-config --variable=pluginsdir gstreamer-1.0 2>/dev/null ||
              echo /usr/lib/x86_64-linux-gnu/gstreamer-1.0)
gst_scanner=$(pkg-config --variable=pluginscannerdir gstreamer-1.0 2>/dev/null ||
              echo /usr/lib/x86_64-linux-gnu/gstreamer1.0/gstreamer-1.0)/gst-plugin-scanner

# Left to the machine: the C library and its loader (they must match the
# kernel interface and each other), and the GL/EGL/DRM/Vulkan stack, whose
# drivers belong to the graphics hardware and its kernel driver.
excluded='^(ld-linux.*|libc|libm|libdl|libpthread|librt|libresolv|libutil|libanl|libnsl|libmvec|libBrokenLocale|libGL|libGLX|libGLdispatch|libGLX_mesa|libEGL|libEGL_mesa|libGLESv2|libOpenGL|libgbm|libdrm|libdrm_.*|libvulkan|libglapi|libnvidia-.*)\.so'

# Qt plug-in categories the player uses: windows on X11 (and off screen for
# tests), pictures, icons, sound and video, input methods, secure sockets.
qt_categories="platforms xcbglintegrations imageformats iconengines multimedia
               platforminputcontexts tls networkinformation"
# Window system plug-ins for a desktop (X11, Wayland) and off-screen drawing;
# the frame-buffer, EGL-device, Vulkan-display and VNC ones never serve a menu.
qt_platforms='^libq(xcb|offscreen|wayland.*)\.so$'

# GStreamer plug-ins that only record, encode, visualise or talk to capture
# hardware: a menu plays sound and video, so they stay behind.
gst_excluded='^libgst(1394|aasink|cacasink|cdparanoia|coretracers|cutter|debug|dv|effectv|encoding|goom|goom2k1|jack|lame|level|libvisual|monoscope|navigationtest|oss4|ossaudio|shout2|spectrum|twolame|video4linux2|wavenc|xingmux|y4menc|ximagesrc)\.so$'

staging="$out.partial"
rm -rf "$staging"
mkdir -p "$staging/lib" "$staging/plugins" "$staging/gstreamer" "$staging/libexec"

objects=("$program")
for category in $qt_categories; do
    [ -d "$qt_plugins/$category" ] || continue
    mkdir -p "$staging/plugins/$category"
    for plugin in "$qt_plugins/$category"/*.so; do
        if [ "$category" = platforms ] && [[ ! "$(basename "$plugin")" =~ $qt_platforms ]]; then
            continue
        fi
        cp -p "$plugin" "$staging/plugins/$category/"
        objects+=("$plugin")
    done
done
for plugin in "$gst_plugins"/*.so; do
    if [[ "$(basename "$plugin")" =~ $gst_excluded ]]; then continue; fi
    cp -p "$plugin" "$staging/gstreamer/"
    objects+=("$plugin")
done
if [ -x "$gst_scanner" ]; then
    cp -p "$gst_scanner" "$staging/libexec/"
    objects+=("$gst_scanner")
fi
if [ -n "$webengine" ] && [ -f "$webengine" ]; then
    cp -p "$webengine" "$staging/lib/"
    objects+=("$webengine")
    cp -p "$qt_libexec/QtWebEngineProcess" "$staging/libexec/"
    objects+=("$qt_libexec/QtWebEngineProcess")
    # The developer tools' pages are for an inspector the player never opens.
    cp -a "$qt_data/resources" "$staging/resources"
    rm -f "$staging/resources/qtwebengine_devtools_resources.pak"
    mkdir -p "$staging/translations"
    cp -a "$qt_translations/qtwebengine_locales" "$staging/translations/"
fi

# ldd lists the whole closure of each object; a library it cannot find is a
# broken installation, not something to ship around.
ldd "${objects[@]}" 2>/dev/null | awk '/=>/ { print $1, $3 }' | sort -u |
while read -r name path; do
    if [ "$path" = "not" ]; then
        echo "collect-runtime.sh: $name not found" >&2
        exit 1
    fi
    if [[ "$name" =~ $excluded ]]; then continue; fi
    [ -e "$staging/lib/$name" ] || cp -L "$path" "$staging/lib/$name"
done

# Debug information serves a debugger, not a player (the build's own plug-in
# carries it).
find "$staging" -type f \( -name '*.so' -o -name '*.so.*' -o -path "$staging/libexec/*" \) \
    -exec strip --strip-debug {} +

for helper in "$staging/libexec"/*; do
    [ -e "$helper" ] || continue
    patchelf --force-rpath --set-rpath '$ORIGIN/../lib' "$helper"
done
chmod -R u+w,go-w "$staging"

rm -rf "$out"
mv "$staging" "$out"
echo "collect-runtime.sh: $(find "$out" -type f | wc -l) files, $(du -sh "$out" | cut -f1) in $out"
