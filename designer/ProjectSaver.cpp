#include "designer/ProjectSaver.h"

#include "project/PageStream.h"
#include "storage/FilePaths.h"
#include "storage/FileSystem.h"
#include "storage/Transfer.h"

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

namespace brelvane {

namespace {
// The saved project's files, compared as files: two names may be one file (a
// file system blind to case, a link).
using TKeptFiles = std::vector<std::filesystem::path>;

bool IsKept(const std::filesystem::path& path, const TKeptFiles& kept) {
    std::error_code error;
    return std::any_of(kept.begin(), kept.end(), [&](const auto& file) {
        return std::filesystem::equivalent(path, file, error);
    });
}

bool SavePage(const TDesignerProject& project, int index, const std::string& target,
              const TSaveSources& sources) {
    if (index == project.CurrentPageIndex) return sources.SaveCurrentPage(target);
    const auto& entry = *project.Entry(index);
    const auto copy = WorkingCopyPath(sources.TempFolder, entry.Name);
    return FileTransfer(kSavePageFileError, target, [&] {
        CopyFileAtomically(copy, target);
        return true;
    });
}

// Removes the page file of `name` unless it is one of the saved project's files.
void RemoveStalePage(const std::string& baseFolder, const std::string& name,
                     const TKeptFiles& kept) {
    const auto path = NativePath(ResolvePath(SourcePagePath(baseFolder, name)));
    std::error_code error;
    if (std::filesystem::exists(path, error) && !IsKept(path, kept))
        std::filesystem::remove(path, error);
}
} // namespace

std::string SourceFolderOf(const std::string& baseFolder) {
    return baseFolder + "/AutoRunSource";
}
std::string IndexPathOf(const std::string& baseFolder) {
    return SourceFolderOf(baseFolder) + "/AutoRun.src";
}
std::string SourcePagePath(const std::string& baseFolder, const std::string& name) {
    return SourceFolderOf(baseFolder) + "/" + name + ".pg";
}
std::string WorkingCopyPath(const std::string& tempFolder, const std::string& name) {
    return tempFolder + "/" + name + ".pg";
}

bool SaveProjectFiles(TDesignerProject& project, const std::string& baseFolder,
                      const TSaveSources& sources) {
    if (!WriteRootFilesBeforePages(baseFolder, sources.Root)) return false;
    const auto sourceFolder = ResolvePath(SourceFolderOf(baseFolder));
    for (int i = 0; i < project.PageCount(); ++i) {
        const auto& entry = *project.Entry(i);
        if (!entry.InDesignerTemp || project.IsLocked(&entry)) continue;
        if (!SavePage(project, i, sourceFolder + "/" + entry.Name + ".pg", sources)) return false;
    }
    const auto indexPath = ResolvePath(IndexPathOf(baseFolder));
    if (!SaveIndexFile(indexPath, project.Index)) return false;

    // The index is written: from here on the saved project is the new one.
    TKeptFiles kept{NativePath(indexPath)};
    for (const auto& entry : project.Index.Pages)
        kept.push_back(NativePath(ResolvePath(SourcePagePath(baseFolder, entry->Name))));
    for (auto it = project.DeletedPages.rbegin(); it != project.DeletedPages.rend(); ++it)
        RemoveStalePage(baseFolder, (*it)->Name, kept);
    project.DeletedPages.clear();
    for (auto& entry : project.Index.Pages) {
        if (!entry->InDesignerTemp || project.IsLocked(entry.get())) continue;
        if (entry->SavedName != entry->Name) RemoveStalePage(baseFolder, entry->SavedName, kept);
        entry->SavedName = entry->Name;
        entry->InDesignerTemp = false;
        std::remove(WorkingCopyPath(sources.TempFolder, entry->Name).c_str());
    }
    return WriteDiscIconWhenMissing(baseFolder, sources.Root);
}

} // namespace brelvane
