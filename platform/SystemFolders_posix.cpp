#include "platform/SystemFolders.h"

#include <QStandardPaths>

namespace brelvane::platform {

namespace {
QString Writable(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
}
} // namespace

// The desktop's folder for a CSIDL. Virtual folders (printers, network,
// recycle bin) and Windows system folders have no counterpart.
QString SystemFolder(int csidl) {
    using Q = QStandardPaths;
    switch (csidl) {
    case 0:
    case 16:
        return Writable(Q::DesktopLocation);
    case 2:
    case 11:
        return Writable(Q::ApplicationsLocation);
    case 23:
    case 22:
        return "/usr/share/applications";
    case 5:
    case 12:
        return Writable(Q::DocumentsLocation);
    case 7:
    case 29:
        return Writable(Q::GenericConfigLocation) + "/autostart";
    case 24:
    case 30:
        return "/etc/xdg/autostart";
    case 13:
        return Writable(Q::MusicLocation);
    case 14:
        return Writable(Q::MoviesLocation);
    case 39:
        return Writable(Q::PicturesLocation);
    case 20:
        return Writable(Q::FontsLocation);
    case 21:
        return Writable(Q::TemplatesLocation);
    case 26:
        return Writable(Q::GenericConfigLocation);
    case 28:
        return Writable(Q::GenericDataLocation);
    case 32:
        return Writable(Q::GenericCacheLocation);
    case 40:
        return Writable(Q::HomeLocation);
    default:
        return {};
    }
}
} // namespace brelvane::platform
