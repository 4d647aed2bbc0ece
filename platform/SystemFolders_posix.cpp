#include "platform/SystemFolders.h"

namespace brelvane::platform {

namespace {
QString Writable(QStandardPaths::StandardLocation location) {
    return QStandardPaths::writableLocation(location);
}

// The first folder of the location that is not the user's own.
QString SystemWide(QStandardPaths::StandardLocation location) {
    const auto user = Writable(location);
    for (const auto& folder : QStandardPaths::standardLocations(location))
        if (folder != user) return folder;
    return {};
}
} // namespace

QString SystemFolder(const TFolderRow& row) {
    const QString base = row.Base == TBase::User     ? Writable(row.Location)
                         : row.Base == TBase::System ? SystemWide(row.Location)
                                                     : QString();
    return base.isEmpty() ? base : base + row.Sub;
}

} // namespace brelvane::platform
