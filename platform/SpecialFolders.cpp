#include "platform/SpecialFolders.h"

#include <QDir>
#include <QStandardPaths>

namespace brelvane::platform {

namespace {
std::string WithoutTrailingSeparator(QString path) {
    while (path.size() > 1 && path.endsWith('/'))
        path.chop(1);
    return QDir::toNativeSeparators(path).toStdString();
}
} // namespace

std::string DocumentsFolder() {
    return WithoutTrailingSeparator(
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

std::string TempFolder() {
    return WithoutTrailingSeparator(QDir::tempPath());
}

} // namespace brelvane::platform
