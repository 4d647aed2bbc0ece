// publish: the base folder copied to a folder or written as a disc image,
// after its target file is written from the project source.
#include "Commands.h"
#include "ErrorsToStderr.h"
#include "project/TargetFile.h"
#include "publish/DiscImage.h"
#include "publish/FolderPublish.h"
#include "storage/AnsiCodePage.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

#include <cstdio>
#include <filesystem>

namespace brelvane {

namespace {
constexpr char kUsage[] = "usage: brelvane-tool publish BASEFOLDER --folder DIR | --iso FILE\n";

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
    if (args.size() != 3 || (args[1] != "--folder" && args[1] != "--iso")) {
        std::fprintf(stderr, "%s", kUsage);
        return 2;
    }
    ErrorsToStderr errors;
    std::string title;
    auto result = TPublishResult::Failed;
    if (PrepareBaseFolder(args[0], title))
        result = args[1] == "--folder" ? PublishFolder(args[0], args[2])
                                       : WriteDiscImage(args[0], args[2], title, RunProgram);
    return errors.ExitCode(result == TPublishResult::Done);
}

} // namespace brelvane
