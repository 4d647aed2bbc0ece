#pragma once

#include "objects/records/AutoObject.h"
#include "storage/ProjectIndex.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace brelvane {

// What a project file chosen in a dialog is for; the designer turns it into
// the open-file filter.
enum class TFilePurpose { AnyFile, Sound, Document, Picture, Media, Installer };

// One object of the page being edited, in page order.
struct TPageObjectEntry {
    std::uint8_t Kind = 0;
    std::string Name;
    std::string GroupName;
};

// One page of the project, in project order.
struct TProjectPageEntry {
    std::string Name;
    std::uint8_t Kind = 0;
};

// What the action dialogs may know of the designer: the page being edited,
// the project's pages and the project pickers. A picker gets the start path
// and returns the chosen stored path in it; false when nothing was chosen.
struct TActionContext {
    std::string PageName;
    std::vector<TPageObjectEntry> Objects;
    std::vector<TProjectPageEntry> Pages;
    std::function<bool(std::string& path, TFilePurpose purpose)> ChooseFileInProject;
    std::function<bool(std::string& folder)> ChooseFolderInProject;

    bool ChooseFile(std::string& path, TFilePurpose purpose) const {
        return ChooseFileInProject && ChooseFileInProject(path, purpose);
    }
    bool ChooseFolder(std::string& folder) const {
        return ChooseFolderInProject && ChooseFolderInProject(folder);
    }
};

// The page part of a context: the objects of `objects` in page order and the
// pages of `project`; the pickers are left to the caller.
TActionContext ActionContextOf(const std::string& pageName, const TAutoObjects& objects,
                               const TProjectIndex& project);

} // namespace brelvane
