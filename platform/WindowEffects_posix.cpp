#include "platform/WindowEffects.h"

#include <QGuiApplication>
#include <cstdlib>
#include <xcb/xcb.h>

namespace brelvane::platform {

namespace {
// X11 names the compositing manager of screen 0 by a selection owner.
bool X11HasCompositor(xcb_connection_t* connection) {
    static constexpr char kSelection[] = "_NET_WM_CM_S0";
    const auto atomCookie = xcb_intern_atom(connection, 0, sizeof kSelection - 1, kSelection);
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, atomCookie, nullptr);
    if (!atom) return false;
    const auto ownerCookie = xcb_get_selection_owner(connection, atom->atom);
    std::free(atom);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr);
    if (!owner) return false;
    const bool present = owner->owner != XCB_NONE;
    std::free(owner);
    return present;
}
} // namespace

bool DesktopBlendsWindows() {
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith("wayland")) return true;
    if (platform != "xcb") return false;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 && x11->connection() && X11HasCompositor(x11->connection());
}

} // namespace brelvane::platform
