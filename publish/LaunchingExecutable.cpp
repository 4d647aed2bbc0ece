#include "publish/LaunchingExecutable.h"

#include "project/Package.h"
#include "publish/LabelledPlayers.h"
#include "publish/PublishErrors.h"
#include "storage/ByteStream.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/LittleEndian.h"
#include "storage/Transfer.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <string_view>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
bool Refuse(int code, const std::string& path, int error) {
    errno = error;
    ReportFileError(code, path);
    return false;
}

bool WriteParts(const std::string& frontFile, const std::string& baseFolder,
                const TPackageAdditions& additions, const std::string& file) {
    TFileStream out(file, TFileStream::Mode::Create);
    if (!FileTransfer(kPublishExecutableError, frontFile, [&] {
            AppendFileContent(out, frontFile, SizeOfFile(frontFile));
            return true;
        }))
        return false;
    const auto front = out.Position();
    if (!WritePackage(out, baseFolder, additions)) return false;
    WriteField(out, static_cast<std::int32_t>(static_cast<std::uint32_t>(front)));
    out.Close();
    return true;
}

// The front, the package and the trailer under a temporary name beside
// `path`, made executable and renamed into place when complete.
bool WriteFrontAndPackage(const std::string& frontFile, const std::string& baseFolder,
                          const TPackageAdditions& additions, const std::string& path) {
    const fs::path target(path);
    const auto temporary =
        (target.parent_path() / ("." + target.filename().string() + ".publishing")).string();
    std::error_code error;
    const bool written = FileTransfer(kPublishExecutableError, path, [&] {
        if (!WriteParts(frontFile, baseFolder, additions, temporary)) return false;
        fs::permissions(temporary, fs::perms(0755), fs::perm_options::replace);
        fs::rename(temporary, target);
        return true;
    });
    if (!written) fs::remove(temporary, error);
    return written;
}

bool EndsWithExe(const std::string& path) {
    constexpr std::string_view suffix = ".exe";
    if (path.size() <= suffix.size()) return false;
    for (std::size_t i = 0; i < suffix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(path[path.size() - suffix.size() + i])) !=
            suffix[i])
            return false;
    return true;
}
} // namespace

bool WriteLaunchingExecutable(const TLaunchingExecutable& parts, const std::string& path) {
    if (IsInsideFolder(path, parts.BaseFolder))
        return Refuse(kPublishExecutableError, path, EINVAL);
    std::error_code error;
    if (!fs::is_regular_file(parts.Launcher, error))
        return Refuse(kPublishExecutableError, parts.Launcher, ENOENT);
    if (!fs::is_directory(parts.RuntimeFolder, error))
        return Refuse(kPublishRuntimeMissingError, parts.RuntimeFolder, ENOENT);
    const auto player = parts.Player.empty()
                            ? ResolvePath(parts.BaseFolder + "/" + kPackagedPlayerName)
                            : parts.Player;
    TPackageAdditions additions;
    additions.Folders.emplace_back(kPackagedRuntimeName, parts.RuntimeFolder);
    additions.Files.emplace_back(kPackagedPlayerName, player);
    return WriteFrontAndPackage(parts.Launcher, parts.BaseFolder, additions, path);
}

bool WriteWindowsExecutable(const std::string& baseFolder, const std::string& windowsPlayer,
                            const std::string& path) {
    if (IsInsideFolder(path, baseFolder)) return Refuse(kPublishExecutableError, path, EINVAL);
    std::error_code error;
    if (!fs::is_regular_file(windowsPlayer, error))
        return Refuse(kPublishPlayerMissingError, windowsPlayer, ENOENT);
    return WriteFrontAndPackage(windowsPlayer, baseFolder, {}, path);
}

std::vector<std::pair<TPlayerChoice, std::string>> SingleExecutableNames(TPlayerChoice choice,
                                                                         const std::string& path) {
    if (choice != TPlayerChoice::Both) return {{choice, path}};
    const bool exe = EndsWithExe(path);
    const auto stem = exe ? path.substr(0, path.size() - 4) : path;
    return {{TPlayerChoice::Windows, exe ? path : path + ".exe"}, {TPlayerChoice::Linux, stem}};
}

bool WriteSingleExecutables(const std::string& baseFolder, const TPublishedPlayers& chosen,
                            const std::string& path) {
    // Every output is checked before the first is written.
    for (const auto& [choice, file] : SingleExecutableNames(chosen.Choice, path))
        if (IsInsideFolder(file, baseFolder)) return Refuse(kPublishExecutableError, file, EINVAL);
    if (!PlayersFound(chosen)) return false;
    const TLabelledPlayers labelled(chosen, path);
    if (!labelled.Ready()) return false;
    const auto& players = labelled.Players();
    for (const auto& [choice, file] : SingleExecutableNames(players.Choice, path)) {
        const bool written =
            choice == TPlayerChoice::Windows
                ? WriteWindowsExecutable(baseFolder, players.WindowsPlayer, file)
                : WriteLaunchingExecutable(
                      {baseFolder, players.Launcher, players.RuntimeFolder, players.LinuxPlayer},
                      file);
        if (!written) return false;
    }
    return true;
}

} // namespace brelvane
