#include "app/ProjectData.h"

#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

namespace {
constexpr int kLoadTargetError = 1070;

bool LoadTargetFile(TProcessState& state) {
    const auto path = ResolvePath(TargetFilePath(state));
    return FileTransfer(kLoadTargetError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        if (!ReadProjectIndex(stream, state.Project)) return false;
        ReadIndexTrailer(stream);
        return true;
    });
}
} // namespace

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
        // Unpacking an appended package is not built yet: say that no project
        // data was found rather than pretend to have loaded one.
        errno = ENOENT;
        ReportFileError(kLoadTargetError, state.ProgramPath);
        return false;
    }
    return false;
}

} // namespace brelvane
