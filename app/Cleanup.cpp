#include "app/Cleanup.h"

#include "storage/FileSystem.h"

#include <filesystem>

namespace brelvane {

void AddCleanupFolder(std::vector<std::string>& list, const std::string& folder) {
    list.push_back("D" + folder);
}

void AddCleanupFile(std::vector<std::string>& list, const std::string& file) {
    list.push_back("F" + file);
}

void RunCleanup(const std::vector<std::string>& list) {
    for (auto entry = list.rbegin(); entry != list.rend(); ++entry) {
        if (entry->empty()) continue;
        const auto path = NativePath(entry->substr(1));
        // Each entry removes only its own kind: a folder only when empty.
        std::error_code ignored;
        const bool isFolder =
            std::filesystem::is_directory(std::filesystem::symlink_status(path, ignored));
        if ((entry->front() == 'D' && isFolder) || (entry->front() == 'F' && !isFolder))
            std::filesystem::remove(path, ignored);
    }
}

} // namespace brelvane
