#pragma once

#include "storage/ProjectIndex.h"

#include <memory>
#include <set>
#include <string>
#include <vector>

namespace brelvane {

// The one project the designer holds: its index (pages and settings) and what
// has happened to it since the last save.
struct TDesignerProject {
    // No trailing separator; empty while no project is open.
    std::string BaseFolder;
    TProjectIndex Index;
    // Entries removed since the last save; their page files go at the next save.
    std::vector<std::unique_ptr<TAutoFormInfo>> DeletedPages;
    // The page in the live page model, -1 when none.
    int CurrentPageIndex = -1;
    bool ProjectModified = false;
    // Pages that failed to load: shown as far as they were read, never written.
    std::set<const TAutoFormInfo*> LockedPages;

    int PageCount() const { return static_cast<int>(Index.Pages.size()); }
    TAutoFormInfo* Entry(int index) const {
        return index >= 0 && index < PageCount()
                   ? Index.Pages[static_cast<std::size_t>(index)].get()
                   : nullptr;
    }
    bool IsLocked(const TAutoFormInfo* entry) const { return LockedPages.count(entry) != 0; }
    bool HasKind(std::uint8_t kind) const { return FirstPageOfKind(Index, kind) != nullptr; }
};

// Paths of the project's files.
std::string SourceFolderOf(const std::string& baseFolder);
std::string IndexPathOf(const std::string& baseFolder);
std::string SourcePagePath(const std::string& baseFolder, const std::string& name);
std::string WorkingCopyPath(const std::string& tempFolder, const std::string& name);

} // namespace brelvane
