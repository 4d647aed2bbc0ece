#!/bin/bash
# Plays a published folder's autorun.exe inside a bubblewrap sandbox in which
# the host's Qt, ICU and GStreamer libraries and plug-ins are hidden, under a
# virtual X server, and saves a screenshot after a while. Fails when the
# player does not stay up or the sandbox still offers a hidden library.
#
#   play-without-host-libraries.sh PUBLISHED_FOLDER SCREENSHOT [SECONDS]
set -euo pipefail
folder=$1
shot=$2
seconds=${3:-8}

hide=()
for pattern in 'libQt6*.so*' 'libicu*.so*' 'libgst*.so*'; do
    for library in /usr/lib/x86_64-linux-gnu/$pattern; do
        [ -e "$library" ] && [ ! -L "$library" ] && hide+=(--ro-bind /dev/null "$library")
    done
done
for plugins in /usr/lib/x86_64-linux-gnu/qt6 /usr/lib/x86_64-linux-gnu/gstreamer-1.0 \
               /usr/lib/x86_64-linux-gnu/gstreamer1.0 /usr/lib/qt6; do
    [ -d "$plugins" ] && hide+=(--tmpfs "$plugins")
done

sandbox=(bwrap --die-with-parent --bind / / --dev /dev --proc /proc --bind "$folder" "$folder" "${hide[@]}"
         --setenv HOME /tmp --setenv TMPDIR /tmp --unsetenv QT_PLUGIN_PATH --unsetenv LD_LIBRARY_PATH
         --setenv QT_QPA_PLATFORM xcb)

# The program must not be able to load the hidden libraries from the host.
if "${sandbox[@]}" sh -c 'cat /usr/lib/x86_64-linux-gnu/libQt6Core.so.6 /usr/lib/x86_64-linux-gnu/libicuuc.so.72' \
        >/dev/null 2>&1; then
    echo "the sandbox still offers the host's Qt or ICU" >&2
    exit 1
fi
# Every Qt and ICU library comes from the runtime folder.
if "${sandbox[@]}" ldd "$folder/autorun.exe" | grep -E 'lib(Qt6|icu)' | grep -v "$folder/AutoRunRuntime/lib/"; then
    echo "the player takes the libraries above from elsewhere" >&2
    exit 1
fi

inner=$(mktemp)
trap 'rm -f "$inner"' EXIT
{ echo '#!/bin/bash'; printf '%q ' "${sandbox[@]}" "$folder/autorun.exe"; echo '&'; } > "$inner"
cat >> "$inner" <<INNER
player=\$!
sleep $seconds
import -window root "$shot"
if ! kill -0 \$player 2>/dev/null; then
    wait \$player; echo "the player ended early with status \$?" >&2; exit 1
fi
kill -TERM \$player
wait \$player || true
INNER
chmod +x "$inner"
xvfb-run -a -s "-screen 0 1024x768x24" "$inner"
# A window was drawn: the screen is not one colour.
colours=$(identify -format '%k' "$shot")
echo "screenshot $shot: $colours colours"
[ "$colours" -gt 16 ]
