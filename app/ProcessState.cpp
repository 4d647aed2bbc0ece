#include "app/ProcessState.h"

namespace brelvane {

TProcessState& Process() {
    static TProcessState state;
    return state;
}

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string FileNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void SetProgramPaths(TProcessState& state, const std::string& programPath) {
    state.ProgramPath = programPath;
    state.ProgramFolder = FolderOf(programPath);
    state.DesignerTempFolder = state.ProgramFolder + "/Temp";
    state.CleanupList.clear();
}

} // namespace brelvane
