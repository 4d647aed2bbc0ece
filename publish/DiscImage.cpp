#include "publish/DiscImage.h"

#include "publish/PublishTree.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

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
                                          const std::string& runtimeFolder,
                                          const std::string& imagePath, const std::string& label) {
    return {"xorriso",
            "-as",
            "mkisofs",
            "-R",
            "-J",
            "-joliet-long",
            "-V",
            label,
            "-m",
            kProjectSourceFolder,
            "-o",
            imagePath,
            "-graft-points",
            "/=" + GraftPath(baseFolder),
            "/" + std::string(kPublishedRuntimeFolder) + "/=" + GraftPath(runtimeFolder)};
}

std::optional<double> ProgressPercent(const std::string& line) {
    static const std::regex update(R"(UPDATE\s*:.*?(\d{1,3}(?:\.\d+)?)%)");
    std::smatch match;
    if (!std::regex_search(line, match, update)) return std::nullopt;
    const double percent = std::stod(match[1]);
    if (percent > 100) return std::nullopt;
    return percent;
}

TPublishResult WriteDiscImage(const std::string& baseFolder, const std::string& runtimeFolder,
                              const std::string& imagePath, const std::string& title,
                              const TProgramRunner& run) {
    if (IsInsideFolder(imagePath, baseFolder)) {
        errno = EINVAL;
        ReportFileError(kPublishInsideBaseError, imagePath);
        return TPublishResult::Failed;
    }
    if (!RuntimeFolderFound(runtimeFolder)) return TPublishResult::Failed;
    const fs::path target(imagePath);
    const auto temporary =
        (target.parent_path() / ("." + target.filename().string() + ".publishing")).string();
    std::error_code error;
    fs::remove(temporary, error);
    const auto status =
        run(DiscImageCommand(baseFolder, runtimeFolder, temporary, DiscVolumeLabel(title)));
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
