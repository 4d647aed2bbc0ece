#include "platform/BundledRuntime.h"

#include <filesystem>
#include <windows.h>

namespace brelvane::platform {

std::string RunningProgramFolder() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, path, MAX_PATH);
    if (length == 0 || length == MAX_PATH) return {};
    return std::filesystem::path(path, path + length).parent_path().string();
}

} // namespace brelvane::platform
