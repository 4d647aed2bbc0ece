#include "platform/SystemFolders.h"

#include <shlobj.h>
#include <windows.h>

namespace brelvane::platform {

// Virtual folders (printers, network, recycle bin) have no path and give none.
QString SystemFolder(int csidl) {
    if (csidl < 0) return {};
    wchar_t path[MAX_PATH] = {};
    if (::SHGetFolderPathW(nullptr, csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK) return {};
    return QString::fromWCharArray(path);
}

} // namespace brelvane::platform
