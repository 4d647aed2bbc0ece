#pragma once

#include <QStandardPaths>
#include <QString>

namespace brelvane::platform {

// Where a special folder lies on a freedesktop.org desktop.
enum class TBase {
    None,   // no counterpart: virtual folders, Windows' own folders
    User,   // the user's folder of a standard location, plus a sub-folder
    System, // the first system-wide folder of a standard location, plus a sub-folder
};

struct TFolderRow {
    const char* Name;
    int Csidl;
    TBase Base = TBase::None;
    QStandardPaths::StandardLocation Location = QStandardPaths::HomeLocation;
    const char* Sub = "";
};

// The system's folder for a special-folder row: Windows' own for its CSIDL, the
// desktop's counterpart elsewhere; empty when this machine has none
// (SystemFolders_posix.cpp, _win.cpp).
QString SystemFolder(const TFolderRow& row);

} // namespace brelvane::platform
