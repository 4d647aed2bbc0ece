#include "publish/DiscImage.h"

#include "project/DiscRootFiles.h"
#include "publish/LabelledPlayers.h"
#include "publish/PublishTree.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <filesystem>
#include <regex>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
constexpr std::size_t kLongestLabel = 32;

// A path as the target or source of a graft point, where '=' and '\\' are
// escaped with a backslash.
std::string GraftPath(const std::string& path) {
    std::string escaped;
    for (const char c : path) {
        if (c == '=' || c == '\\') escaped.push_back('\\');
        escaped.push_back(c);
    }
    return escaped;
}
} // namespace

std::string DiscVolumeLabel(const std::string& title) {
    std::string label;
    for (const char c : title) {
        if (label.size() == kLongestLabel) break;
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool digit = c >= '0' && c <= '9';
        label.push_back(letter ? static_cast<char>(c & ~0x20) : digit ? c : '_');
    }
    return label.empty() ? "AUTORUN" : label;
}

std::vector<std::string> DiscImageCommand(const std::string& baseFolder,
                                          const TPublishedPlayers& players,
                                          const std::string& imagePath, const std::string& label,
                                          const std::string& scriptFile) {
    const auto root = PublishedRoot(players);
    std::vector<std::string> command{"xorriso",      "-as", "mkisofs", "-R", "-J",
                                     "-joliet-long", "-V",  label,     "-m", kProjectSourceFolder};
    // Root files the chosen players replace, by their exact path on disk.
    const auto base = fs::absolute(baseFolder);
    for (const auto& name : root.LeftOut) {
        command.push_back("-x");
        command.push_back((base / name).string());
    }
    for (const auto& item : {"-o", imagePath.c_str(), "-graft-points"})
        command.push_back(item);
    command.push_back("/=" + GraftPath(baseFolder));
    for (const auto& [name, source] : root.Added)
        command.push_back("/" + GraftPath(name) + "=" + GraftPath(source));
    if (!root.ScriptPlayer.empty())
        command.push_back(std::string("/") + kRootScriptName + "=" + GraftPath(scriptFile));
    if (root.Runtime)
        command.push_back("/" + std::string(kPublishedRuntimeFolder) +
                          "/=" + GraftPath(players.RuntimeFolder));
    return command;
}

std::optional<double> ProgressPercent(const std::string& line) {
    static const std::regex update(R"(UPDATE\s*:.*?(\d{1,3}(?:\.\d+)?)%)");
    std::smatch match;
    if (!std::regex_search(line, match, update)) return std::nullopt;
    const double percent = std::stod(match[1]);
    if (percent > 100) return std::nullopt;
    return percent;
}

TPublishResult WriteDiscImage(const std::string& baseFolder, const TPublishedPlayers& chosen,
                              const std::string& imagePath, const std::string& title,
                              const TProgramRunner& run) {
    if (IsInsideFolder(imagePath, baseFolder)) {
        errno = EINVAL;
        ReportFileError(kPublishInsideBaseError, imagePath);
        return TPublishResult::Failed;
    }
    if (!PlayersFound(chosen)) return TPublishResult::Failed;
    const TLabelledPlayers labelled(chosen, imagePath);
    if (!labelled.Ready()) return TPublishResult::Failed;
    const auto& players = labelled.Players();
    const fs::path target(imagePath);
    const auto beside = [&](const char* suffix) {
        return (target.parent_path() / ("." + target.filename().string() + suffix)).string();
    };
    const auto temporary = beside(".publishing");
    const auto script = beside(".autorun");
    std::error_code error;
    fs::remove(temporary, error);
    const auto scriptPlayer = PublishedRoot(players).ScriptPlayer;
    if (!scriptPlayer.empty() && !FileTransfer(kDiscImageError, script, [&] {
            WriteAutorunScript(script, scriptPlayer);
            return true;
        }))
        return TPublishResult::Failed;
    const auto status =
        run(DiscImageCommand(baseFolder, players, temporary, DiscVolumeLabel(title), script));
    if (!scriptPlayer.empty()) fs::remove(script, error);
    if (status == 0 && fs::is_regular_file(temporary, error)) {
        fs::rename(temporary, imagePath, error);
        if (!error) return TPublishResult::Done;
    }
    const int failure = error ? error.value() : 0;
    fs::remove(temporary, error);
    if (status == kProgramCancelled) return TPublishResult::Cancelled;
    if (status > 0) {
        ShowError("\"" + imagePath + "\", the disc image program \"xorriso\" ended with status " +
                  std::to_string(status) + " (Error Code: " + std::to_string(kDiscImageError) +
                  ").");
        return TPublishResult::Failed;
    }
    errno = status == kProgramNotStarted ? ENOENT : failure;
    ReportFileError(kDiscImageError, imagePath);
    return TPublishResult::Failed;
}

} // namespace brelvane
