#include "player/ShellActions.h"

#include "player/ShellErrors.h"
#include "player/WaitWindow.h"
#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"

#include <filesystem>

namespace brelvane {

namespace {
bool Report(int code, const std::string& failureText = {}) {
    if (platform::ShellSucceeded(code)) return true;
    ShowError(failureText.empty() ? ShellErrorMessage(code) : failureText);
    return false;
}
} // namespace

bool ShellOpen(const platform::ShellRequest& request, const std::string& failureText) {
    return Report(platform::CurrentShell().Execute(request), failureText);
}

bool RunFile(const std::string& verb, const std::string& file, int show, bool wait,
             const std::string& folder, const std::string& params) {
    if (!wait) return ShellOpen({verb, file, params, folder, show});
    const int code = TWaitWindow::RunWhileShown([&] {
        int result = 0;
        RunAndWait(verb, file, params, result, show, true, true, folder);
        return result;
    });
    return Report(code);
}

bool RunAndWait(const std::string& verb, const std::string& file, const std::string& params,
                int& code, int show, bool /*waitForInputIdle*/, bool waitForEnd,
                const std::string& folder) {
    // A desktop has no "idle for input" state to wait for; the end is what counts.
    const auto workingFolder = folder.empty() ? Utf8Path(NativePath(file).parent_path()) : folder;
    int exitCode = 0;
    code = platform::CurrentShell().ExecuteAndWait({verb, file, params, workingFolder, show},
                                                   waitForEnd, exitCode);
    return platform::ShellSucceeded(code);
}

} // namespace brelvane
