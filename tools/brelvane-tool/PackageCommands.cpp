#include "Commands.h"
#include "ErrorsToStderr.h"
#include "ProjectJson.h"
#include "app/Cleanup.h"
#include "project/SelfContained.h"
#include "project/TargetFile.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

#include <cstdio>
#include <filesystem>

namespace brelvane {

namespace {
bool Arguments(const std::vector<std::string>& args, std::size_t count, const char* usage) {
    if (args.size() == count) return true;
    std::fprintf(stderr, "usage: brelvane-tool %s\n", usage);
    return false;
}
} // namespace

int RunTargetCommand(const std::vector<std::string>& args) {
    if (!Arguments(args, 1, "target BASEFOLDER")) return 2;
    const auto& base = args[0];
    ErrorsToStderr errors;
    TProjectIndex index;
    const TPageSource source{dsProjectSource, base, base + "/Temp"};
    const bool written =
        LoadIndexFile(ResolvePath(base + "/AutoRunSource/AutoRun.src"), index, TTrailer::Skip) &&
        WriteTargetFile(base, index, PagesFromSource(source));
    if (written) std::printf("%s\n", TargetFileCreatedText().c_str());
    return errors.ExitCode(written);
}

int RunPackCommand(const std::vector<std::string>& args) {
    // "--player FILE" puts another player in front, e.g. the Windows build.
    std::vector<std::string> paths;
    std::string player;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "--player" && i + 1 < args.size() && player.empty())
            player = args[++i];
        else
            paths.push_back(args[i]);
    }
    if (!Arguments(paths, 2, "pack [--player FILE] BASEFOLDER OUT")) return 2;
    ErrorsToStderr errors;
    return errors.ExitCode(WriteSelfContainedExecutable(paths[0], paths[1], player));
}

int RunUnpackCommand(const std::vector<std::string>& args) {
    if (!Arguments(args, 2, "unpack EXE DIR")) return 2;
    ErrorsToStderr errors;
    std::error_code ignored;
    std::filesystem::create_directories(args[1], ignored);
    // What a failed unpack made is taken away again, as the player's clean-up would.
    std::vector<std::string> made;
    const TUnpackListener listener{
        [&](const std::string& folder) { AddCleanupFolder(made, folder); },
        [&](const std::string& file) { AddCleanupFile(made, file); }};
    const bool unpacked = ReadAppendedPackage(args[0], args[1], listener);
    if (!unpacked) RunCleanup(made);
    return errors.ExitCode(unpacked);
}

int RunTargetInfoCommand(const std::vector<std::string>& args) {
    if (!Arguments(args, 1, "target-info FILE")) return 2;
    ErrorsToStderr errors;
    TProjectIndex index;
    if (!ReadTargetFile(args[0], index)) return errors.ExitCode(false);
    TMemoryStream stored;
    if (!WriteProjectIndex(stored, index)) return errors.ExitCode(false);
    std::error_code error;
    const auto size = std::filesystem::file_size(args[0], error);
    nlohmann::ordered_json info;
    // The index with its trailing byte, which is where the first page begins.
    info["IndexLength"] = stored.Size() + 1;
    info["FileLength"] = error ? 0 : size;
    info["Index"] = ProjectIndexToJson(index);
    std::printf("%s\n", info.dump(2).c_str());
    return errors.ExitCode(true);
}

} // namespace brelvane
