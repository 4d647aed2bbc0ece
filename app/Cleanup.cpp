#include "app/Cleanup.h"

#include <cstdio>
#include <unistd.h>

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
        const std::string path = entry->substr(1);
        if (entry->front() == 'D')
            ::rmdir(path.c_str());
        else if (entry->front() == 'F')
            ::unlink(path.c_str());
    }
}

} // namespace brelvane
