#include "platform/WindowEffects.h"

#include <QGuiApplication>

namespace brelvane::platform {

// Desktop composition is always on from Windows 8; only the off-screen and
// minimal platforms (tests, tools) draw no windows at all.
bool DesktopBlendsWindows() {
    return QGuiApplication::platformName() == "windows";
}

} // namespace brelvane::platform
