#pragma once

#include <string>

namespace brelvane {

// Copies the tree of `source` into `target`, leaving out the disc-root player
// files (autorun.exe, .ico, .inf, .tgt in any case). Failures of single
// entries are ignored.
void CopyFolderTree(const std::string& source, const std::string& target);

// First start of the designer: creates "Brelvane Projects" with its "CDROM"
// folder in `documents` and copies the sample projects lying beside the
// program into it. Returns true only when it created the projects folder.
bool CreateDefaultProjectFolders(const std::string& documents, const std::string& programFolder);

} // namespace brelvane
