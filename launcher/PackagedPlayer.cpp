#include "launcher/PackagedPlayer.h"

#include "launcher/ChildProcess.h"
#include "project/SelfContained.h"
#include "publish/LaunchingExecutable.h"
#include "storage/ErrorReport.h"

#include <cerrno>
#include <filesystem>

namespace brelvane::launcher {

namespace fs = std::filesystem;

namespace {
// The package keeps no file modes: the player and the runtime's helper
// programs become executable again.
bool RestoreProgramModes(const fs::path& folder) {
    if (!MakeExecutable((folder / kPackagedPlayerName).string())) return false;
    std::error_code error;
    for (const auto& entry : fs::directory_iterator(folder / kPackagedHelperFolder, error))
        if (entry.is_regular_file(error) && !MakeExecutable(entry.path().string())) return false;
    return true;
}
} // namespace

int RunPackagedPlayer(const std::string& executable, const std::string& tempFolder,
                      const std::vector<std::string>& arguments, const TChildRunner& run) {
    const auto folder = MakePackageFolder(tempFolder);
    if (folder.empty()) {
        ReportFileError(kCreatePackageFolderError, tempFolder);
        return kUnpackFailed;
    }
    int status = kUnpackFailed;
    if (ReadAppendedPackage(executable, folder, {})) {
        const auto player = (fs::path(folder) / kPackagedPlayerName).string();
        if (RestoreProgramModes(folder)) {
            std::vector<std::string> argv{player};
            argv.insert(argv.end(), arguments.begin(), arguments.end());
            status = run(player, argv, folder);
        } else {
            ReportFileError(kCopyProgramError, player);
        }
    }
    std::error_code error;
    fs::remove_all(folder, error);
    return status;
}

} // namespace brelvane::launcher
