#include "app/Cleanup.h"

#include <filesystem>
#include <system_error>

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
        // A folder goes only when it is empty, and only as a folder entry;
        // failures are left as they are.
        const std::filesystem::path path(entry->substr(1));
        std::error_code ignored;
        const bool folder =
            std::filesystem::is_directory(std::filesystem::symlink_status(path, ignored));
        if (entry->front() == (folder ? 'D' : 'F')) std::filesystem::remove(path, ignored);
    }
}

} // namespace brelvane
