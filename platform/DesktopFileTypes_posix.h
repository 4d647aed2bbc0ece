#pragma once

#include "platform/FileTypes.h"

#include <QString>
#include <QStringList>

namespace brelvane::platform {

// Where the desktop keeps its associations (the XDG base directories).
struct TXdgFolders {
    QString ConfigHome;
    QStringList ConfigDirs;
    QString DataHome;
    QStringList DataDirs;
    // Lower-case names from XDG_CURRENT_DESKTOP, for "<name>-mimeapps.list".
    QStringList CurrentDesktops;

    // The folders the environment names, with the XDG defaults for the unset ones.
    static TXdgFolders FromEnvironment();
};

// The desktop's answer: the extension's MIME type from the shared MIME
// database, then an installed application for that type (or one it
// inherits from) named by a mimeapps.list or declaring it in its .desktop file.
class DesktopFileTypes final : public FileTypes {
public:
    explicit DesktopFileTypes(TXdgFolders folders);
    bool HasViewerFor(const std::string& extension) override;

private:
    TXdgFolders folders_;
};

} // namespace brelvane::platform
