#pragma once

#include <QString>

namespace brelvane::platform {

// The system's folder for a Windows special-folder identifier (CSIDL), or
// empty when this machine has none (SystemFolders_posix.cpp, _win.cpp).
QString SystemFolder(int csidl);

} // namespace brelvane::platform
