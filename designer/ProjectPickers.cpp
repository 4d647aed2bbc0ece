#include "designer/ProjectPickers.h"

#include "designer/PageNames.h"
#include "designer/PickerDialogs.h"
#include "designer/ProjectPaths.h"
#include "platform/MessageBoxes.h"
#include "project/DiscRootFiles.h"
#include "render/AnsiText.h"
#include "storage/FilePaths.h"

#include <filesystem>

namespace brelvane {

namespace {
constexpr char kSourceSuffix[] = "/AutoRunSource";
constexpr std::size_t kSourceSuffixLength = 14;

std::string WithoutTrailingSeparator(std::string path) {
    if (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
    return path;
}

std::string FileNameOf(const std::string& path) {
    return std::filesystem::path(path).filename().string();
}
} // namespace

TProjectPickers::TProjectPickers(std::function<std::string()> baseFolder, TPickerDialogs& dialogs,
                                 QWidget* owner)
    : baseFolder_(std::move(baseFolder)), dialogs_(dialogs), owner_(owner) {}

bool TProjectPickers::BrowseFolder(const QString& title, const std::string& root,
                                   std::string& preselect) {
    if (!FolderExists(preselect)) preselect.clear();
    const auto chosen = dialogs_.BrowseFolder(owner_, title, root, preselect);
    if (!chosen || chosen->empty()) return false;
    if (!root.empty() && MakeProjectRelative(root, *chosen).empty()) return false;
    preselect = *chosen;
    return true;
}

bool TProjectPickers::ChooseProjectFolder(std::string& folder) {
    std::string path = folder;
    if (!BrowseFolder("Select Project Folder", {}, path)) return false;
    path = WithoutTrailingSeparator(path);
    const bool isSource =
        path.size() >= kSourceSuffixLength + 1 && FileExists(path + "/AutoRun.src") &&
        SameNameIgnoringCase(path.substr(path.size() - kSourceSuffixLength), kSourceSuffix);
    if (isSource) {
        const QString text = "The folder you selected \"" + QString::fromStdString(path) +
                             "\" is autorun source folder and the parent folder of it is the "
                             "project, select the parent folder?";
        if (!platform::AskYesNo(owner_, "Project Folder", text,
                                platform::TMessageIcon::Information))
            return false;
        folder = path.substr(0, path.size() - kSourceSuffixLength);
        return true;
    }
    folder = path;
    return true;
}

bool TProjectPickers::ChooseFolderInProject(std::string& start, const QString& title) {
    const auto base = baseFolder_();
    std::string preselect = base;
    if (!start.empty()) {
        const auto folder = ProjectPathOf(base, start);
        preselect = FolderExists(folder) ? folder : base;
    }
    if (!BrowseFolder(title.isEmpty() ? QString("Select Folder") : title, base, preselect))
        return false;
    const auto result = WithoutTrailingSeparator(preselect);
    if (SameNameIgnoringCase(MakeProjectRelative(base, result), "\\AutoRunSource")) {
        platform::ShowInformation(owner_, "Information",
                                  "You can not select the \"AutoRunSource\" folder, it includes "
                                  "auto run source files.");
        return false;
    }
    std::string stored;
    if (!StoredPath(result, stored)) return false;
    start = stored;
    return true;
}

bool TProjectPickers::StoredPath(const std::string& path, std::string& stored) {
    const auto relative = StoredRelativePath(baseFolder_(), path);
    if (!relative) {
        platform::ShowInformation(owner_, "Information",
                                  "The name \"" + QString::fromStdString(path) +
                                      "\" has characters that a project cannot store "
                                      "(Western European names only).");
        return false;
    }
    stored = *relative;
    return true;
}

bool TProjectPickers::ChooseFileInProject(std::string& start, const QString& filter) {
    const auto base = baseFolder_();
    const auto startPath = start.empty() ? base : ProjectPathOf(base, start);
    const auto chosen = dialogs_.OpenFile(owner_, filter, startPath);
    if (!chosen || chosen->empty()) return false;
    std::string stored;
    if (!StoredPath(*chosen, stored)) return false;
    if (!stored.empty()) {
        start = stored;
        return true;
    }
    if (!platform::AskYesNo(owner_, "Copy file",
                            "The file you selected is not in project folder (CD-ROM base "
                            "folder), copy it to project folder?"))
        return false;
    std::string folder;
    if (!ChooseFolderInProject(folder, "Copy selected file to project folder (CD-ROM base folder)"))
        return false;
    if (!folder.empty() && folder.back() == '\\') folder.pop_back();
    const auto name = FileNameOf(*chosen);
    std::string storedName;
    if (!StoredPath(base + "/" + name, storedName)) return false;
    const auto target = folder + storedName;
    const auto targetPath = ProjectPathOf(base, target);
    if (FileExists(targetPath) &&
        !platform::AskYesNo(owner_, "File Exists",
                            "\"" + FromAnsi(storedName) + "\" already exists, overwrite?"))
        return false;
    try {
        CopyFileAtomically(*chosen, targetPath);
    } catch (...) {
        return false;
    }
    start = target;
    return true;
}

} // namespace brelvane
