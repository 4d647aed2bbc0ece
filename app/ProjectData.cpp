#include "app/ProjectData.h"

#include "app/Cleanup.h"
#include "platform/SpecialFolders.h"
#include "project/SelfContained.h"
#include "project/TargetFile.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/FileSystem.h"

#include <cerrno>
#include <filesystem>

namespace brelvane {

namespace {
bool LoadTargetFile(TProcessState& state) {
    return ReadTargetFile(ResolvePath(TargetFilePath(state)), state.Project);
}

// A copy of the running program, writable so that clean-up can remove it.
bool CopyProgram(const std::string& program, const std::string& copy) {
    namespace fs = std::filesystem;
    std::error_code error;
    if (!CopyFileOver(program, copy)) return false;
    fs::permissions(NativePath(copy), fs::perms::owner_write, fs::perm_options::add, error);
    errno = error.value();
    return !error;
}
} // namespace

bool OpenAppendedPackage(TProcessState& state) {
    const auto folder = MakePackageFolder(platform::TempFolder());
    if (folder.empty()) {
        ReportError(kCreatePackageFolderError);
        return false;
    }
    AddCleanupFolder(state.CleanupList, folder);
    const auto copy = folder + "/autorun.exe";
    // Listed before copying, so that a copy that fails half-way goes too.
    AddCleanupFile(state.CleanupList, copy);
    if (!CopyProgram(state.ProgramPath, copy)) {
        ReportError(kCopyProgramError);
        return false;
    }
    const TUnpackListener cleanup{
        [&](const std::string& made) { AddCleanupFolder(state.CleanupList, made); },
        [&](const std::string& made) { AddCleanupFile(state.CleanupList, made); }};
    if (!ReadAppendedPackage(copy, folder, cleanup)) return false;
    state.PackageFolder = folder;
    state.BaseFolder = folder;
    state.DataSource = dsTargetFile;
    return LoadTargetFile(state);
}

std::string ProjectIndexPath(const TProcessState& state) {
    return state.BaseFolder + state.SourceSubfolder + "/" + state.IndexFileName;
}

std::string TargetFilePath(const TProcessState& state) {
    return state.BaseFolder + "/autorun.tgt";
}

TDataSource ChooseDataSource(const std::string& baseFolder, const TProcessState& state) {
    if (FileExists(baseFolder + state.SourceSubfolder + "/" + state.IndexFileName))
        return dsProjectSource;
    if (FileExists(baseFolder + "/autorun.tgt")) return dsTargetFile;
    return dsAppendedPackage;
}

bool LoadProjectData(TProcessState& state) {
    switch (state.DataSource) {
    case dsProjectSource:
        return LoadIndexFile(ResolvePath(ProjectIndexPath(state)), state.Project, TTrailer::Read);
    case dsTargetFile:
        return LoadTargetFile(state);
    case dsAppendedPackage:
        return OpenAppendedPackage(state);
    }
    return false;
}

} // namespace brelvane
