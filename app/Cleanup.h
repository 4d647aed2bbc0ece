#pragma once

#include <string>
#include <vector>

namespace brelvane {

// Records for removal at exit; folders are added before what they hold.
void AddCleanupFolder(std::vector<std::string>& list, const std::string& folder);
void AddCleanupFile(std::vector<std::string>& list, const std::string& file);

// Walks the list from its last entry to its first: "D" entries remove a folder
// (only when empty), "F" entries delete a file; failures are ignored.
void RunCleanup(const std::vector<std::string>& list);

} // namespace brelvane
