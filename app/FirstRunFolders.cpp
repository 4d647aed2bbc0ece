#include "app/FirstRunFolders.h"

#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
bool IsDiscRootFile(std::string name) {
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    static constexpr std::array<const char*, 4> kSkipped{"autorun.exe", "autorun.ico",
                                                         "autorun.inf", "autorun.tgt"};
    return std::find(kSkipped.begin(), kSkipped.end(), name) != kSkipped.end();
}

bool CreateFolderOrReport(const std::string& path) {
    std::error_code error;
    if (fs::create_directory(path, error) && !error) return true;
    ShowError("Create folder \"" + path + "\" failed!");
    return false;
}

bool IsFolder(const std::string& path) {
    std::error_code error;
    return fs::is_directory(path, error);
}

// Creates `target` (errors ignored) and copies the tree of `source` into it.
void CopyIntoNewFolder(const std::string& source, const std::string& target) {
    std::error_code error;
    fs::create_directory(target, error);
    CopyFolderTree(source, target);
}
} // namespace

void CopyFolderTree(const std::string& source, const std::string& target) {
    std::error_code error;
    for (fs::directory_iterator it(source, error), end; !error && it != end; it.increment(error)) {
        const auto name = it->path().filename().string();
        if (IsDiscRootFile(name)) continue;
        const auto to = target + "/" + name;
        std::error_code entryError;
        if (it->is_directory(entryError)) {
            CopyIntoNewFolder(it->path().string(), to);
        } else {
            CopyFileOver(Utf8Path(it->path()), to);
        }
    }
}

bool CreateDefaultProjectFolders(const std::string& documents, const std::string& programFolder) {
    const std::string projects = documents + "/Brelvane Projects";
    std::error_code error;
    if (fs::exists(projects, error)) return false;
    // A fresh desktop account may have no documents folder yet; Windows always has one.
    if (!IsFolder(documents)) fs::create_directory(documents, error);
    if (!CreateFolderOrReport(projects)) return false;
    if (!CreateFolderOrReport(projects + "/CDROM")) return false;

    if (IsFolder(programFolder + "/CDROM"))
        CopyFolderTree(programFolder + "/CDROM", projects + "/CDROM");
    for (int n = 0; n <= 20; ++n) {
        const auto sample = "/SampleCD" + std::to_string(n);
        if (IsFolder(programFolder + sample))
            CopyIntoNewFolder(programFolder + sample, projects + sample);
    }
    if (IsFolder(programFolder + "/AutoRunSource"))
        CopyIntoNewFolder(programFolder + "/AutoRunSource", projects + "/AutoRunSource");
    return true;
}

} // namespace brelvane
