#pragma once

#include "designer/DesignerProject.h"
#include "project/DiscRootFiles.h"

#include <functional>
#include <string>

namespace brelvane {

// What a save needs besides the project.
struct TSaveSources {
    // The designer's working copies of changed pages.
    std::string TempFolder;
    TDiscRootSources Root;
    // Saves the live page model (the current page) as a page file at `path`;
    // reports its own failure.
    std::function<bool(const std::string& path)> SaveCurrentPage;
};

// Saves the project into `baseFolder`: the root files, every changed page,
// then the index as the commit point; only after it the files of deleted and
// renamed pages are removed (never one that is a file of the saved project)
// and the entries count as saved. A failure reports one numbered error and
// leaves the project modified, its working copies in place, and the folder
// with a complete project (the previous one when the index was not written).
bool SaveProjectFiles(TDesignerProject& project, const std::string& baseFolder,
                      const TSaveSources& sources);

} // namespace brelvane
