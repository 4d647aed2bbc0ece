#include "platform/SystemFolders.h"

#include <windows.h>
// The headers of the system's other libraries need windows.h first.
#include <shlobj.h>

namespace brelvane::platform {

// Virtual folders (printers, network, recycle bin) have no path and give none.
QString SystemFolder(const TFolderRow& row) {
    wchar_t path[MAX_PATH] = {};
    if (::SHGetFolderPathW(nullptr, row.Csidl, nullptr, SHGFP_TYPE_CURRENT, path) != S_OK)
        return {};
    return QString::fromWCharArray(path);
}

} // namespace brelvane::platform
