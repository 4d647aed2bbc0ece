// publish: the base folder copied to a folder or written as a disc image,
// after its target file is written from the project source.
#include "Commands.h"
#include "ErrorsToStderr.h"
#include "platform/BundledRuntime.h"
#include "project/TargetFile.h"
#include "publish/DiscImage.h"
#include "publish/FolderPublish.h"
#include "publish/LaunchingExecutable.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <utility>

namespace brelvane {

namespace {
constexpr char kUsage[] =
    "usage: brelvane-tool publish BASEFOLDER --folder DIR | --iso FILE | --exe FILE\n"
    "                             [--player linux|windows|both] [--windows-player FILE]\n"
    "                             [--runtime FOLDER] [--launcher FILE]\n"
    "  the Windows player (Brelvane.exe), the runtime folder and the launcher default to\n"
    "  those beside Brelvane; with both, --exe FILE writes FILE.exe and FILE\n";

std::optional<TPlayerChoice> PlayerChoiceNamed(const std::string& name) {
    if (name == "linux") return TPlayerChoice::Linux;
    if (name == "windows") return TPlayerChoice::Windows;
    if (name == "both") return TPlayerChoice::Both;
    return std::nullopt;
}

// Brelvane lies beside the tool when installed, one folder up in the build tree.
std::string ProgramFolder() {
    const std::filesystem::path tool = platform::RunningProgramFolder();
    for (const auto& folder : {tool, tool.parent_path()})
        if (std::filesystem::exists(folder / "Brelvane")) return folder.string();
    return tool.string();
}

// A base folder with its project source gets a fresh target file; one
// without (published already) is taken as it is. The title labels an image.
bool PrepareBaseFolder(const std::string& base, std::string& title) {
    const auto indexPath = ResolvePath(base + "/AutoRunSource/AutoRun.src");
    title = std::filesystem::path(base).filename().string();
    if (!FileExists(indexPath)) {
        if (FolderExists(base)) return true;
        ShowError("Directory \"" + base + "\" not found");
        return false;
    }
    TProjectIndex index;
    const TPageSource source{dsProjectSource, base, base + "/Temp"};
    if (!LoadIndexFile(indexPath, index, TTrailer::Skip) ||
        !WriteTargetFile(base, index, PagesFromSource(source)))
        return false;
    if (!index.Settings.ApplicationTitle.empty())
        title = AnsiToUtf8(index.Settings.ApplicationTitle);
    return true;
}
} // namespace

int RunPublishCommand(const std::vector<std::string>& args) {
    std::string target, output;
    std::optional<TPlayerChoice> choice = kNativePlayer;
    std::string runtime, launcher, windowsPlayer;
    bool understood = args.size() % 2 == 1;
    for (std::size_t i = 1; understood && i + 1 < args.size(); i += 2) {
        const auto& option = args[i];
        if (option == "--folder" || option == "--iso" || option == "--exe") {
            understood = target.empty();
            target = option;
            output = args[i + 1];
        } else if (option == "--runtime") {
            runtime = args[i + 1];
        } else if (option == "--launcher") {
            launcher = args[i + 1];
        } else if (option == "--player") {
            choice = PlayerChoiceNamed(args[i + 1]);
            understood = choice.has_value();
        } else if (option == "--windows-player") {
            windowsPlayer = args[i + 1];
        } else {
            understood = false;
        }
    }
    if (!understood || target.empty()) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    const auto& base = args[0];
    ErrorsToStderr errors;
    std::string title;
    auto result = TPublishResult::Failed;
    if (!PrepareBaseFolder(base, title)) return errors.ExitCode(false);
    auto players = PlayersBesideProgram(*choice, base, ProgramFolder());
    for (auto [given, field] : {std::pair{&windowsPlayer, &players.WindowsPlayer},
                                {&runtime, &players.RuntimeFolder},
                                {&launcher, &players.Launcher}})
        if (!given->empty()) *field = *given;
    if (target == "--folder")
        result = PublishFolder(base, output, players);
    else if (target == "--iso")
        result = WriteDiscImage(base, players, output, title, RunProgram);
    else if (WriteSingleExecutables(base, players, output))
        result = TPublishResult::Done;
    return errors.ExitCode(result == TPublishResult::Done);
}

} // namespace brelvane
