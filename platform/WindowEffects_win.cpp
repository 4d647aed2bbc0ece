#include "platform/WindowEffects.h"

#include <QGuiApplication>
#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <dwmapi.h>

namespace brelvane::platform {

// Windows 8 and later always compose the desktop; Wine answers no when it
// cannot blend, and there a translucent window would be drawn opaque (a fade
// would not show, a shadow would be a black block). The off-screen and
// minimal platforms (tests, tools) draw no windows at all.
bool DesktopBlendsWindows() {
    if (QGuiApplication::platformName() != "windows") return false;
    BOOL composed = FALSE;
    return SUCCEEDED(::DwmIsCompositionEnabled(&composed)) && composed;
}

} // namespace brelvane::platform
