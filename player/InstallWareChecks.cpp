#include "player/InstallWareChecks.h"

#include "platform/FileTypes.h"
#include "platform/MessageBoxes.h"
#include "player/PlayerEnvironment.h"
#include "player/ShellActions.h"
#include "render/AnsiText.h"
#include "storage/FilePaths.h"

#include <algorithm>

namespace brelvane {

namespace {
constexpr std::int32_t kIfNoViewer = 0;
constexpr std::int32_t kAlways = 1;
constexpr int kShowNormal = 1;

bool InstallerPresent(const TInstallWare& record) {
    return !record.Executable.empty() && FileExists(BaseResolved(record.Executable));
}

bool WantsInstall(const TInstallWare& record) {
    if (record.When == kAlways) return true;
    if (record.When != kIfNoViewer) return false;
    const auto extension = ViewerExtension(record.FileType);
    return !extension.empty() && !platform::CurrentFileTypes().HasViewerFor(extension);
}

bool UserAgrees(const TInstallWare& record, QWidget* owner) {
    if (!record.Prompt) return true;
    const auto caption = FromAnsi(record.PromptCaption);
    const auto text = FromAnsi(record.PromptText);
    if (record.AllowSkip)
        return platform::AskYesNo(owner, caption, text, platform::TMessageIcon::Information);
    platform::ShowInformation(owner, caption, text);
    return true;
}

// The base folder followed by the record's start folder.
std::string StartFolderOf(const TInstallWare& record) {
    if (record.StartFolder.empty()) return ResolvePath(PlayerEnvironment().Source.BaseFolder);
    return BaseResolved(record.StartFolder);
}
} // namespace

std::string ViewerExtension(const std::string& fileType) {
    const auto dot = fileType.find('.');
    if (dot == std::string::npos) return {};
    auto extension = fileType.substr(dot);
    extension = extension.substr(0, extension.find(' '));
    return extension.substr(0, extension.find('('));
}

bool ShouldInstall(const TInstallWare& record, QWidget* owner) {
    return InstallerPresent(record) && WantsInstall(record) && UserAgrees(record, owner);
}

void RunInstaller(const TInstallWare& record) {
    const auto file = BaseResolved(record.Executable);
    const auto folder = StartFolderOf(record);
    if (record.Wait) {
        int code = 0;
        RunAndWait("Open", file, record.Parameters, code, kShowNormal, true, true, folder);
    } else {
        platform::CurrentShell().Execute({"open", file, record.Parameters, folder, kShowNormal});
    }
}

bool AnyInstallerPresent() {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return false;
    const auto& records = project->Settings.InstallWares;
    return std::any_of(records.begin(), records.end(),
                       [](const auto& record) { return InstallerPresent(*record); });
}

void RunInstallWareChecks(QWidget* owner) {
    const auto* project = PlayerEnvironment().Project;
    if (!project) return;
    for (const auto& record : project->Settings.InstallWares)
        if (ShouldInstall(*record, owner)) RunInstaller(*record);
}

} // namespace brelvane
