#include "publish/FolderPublish.h"

#include "project/DiscRootFiles.h"
#include "publish/LabelledPlayers.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/Transfer.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
// The name a file is written under until it is complete.
fs::path TemporaryBeside(const fs::path& target) {
    return target.parent_path() / ("." + target.filename().string() + ".publishing");
}

bool Fail(int code, const fs::path& path, const std::error_code& error) {
    errno = error.value();
    ReportFileError(code, path.string());
    return false;
}

bool CopyOneFile(const fs::path& from, const fs::path& to) {
    const auto temporary = TemporaryBeside(to);
    std::error_code error;
    fs::remove(temporary, error);
    // copy_file brings the permission bits along.
    if (!fs::copy_file(from, temporary, fs::copy_options::overwrite_existing, error) ||
        (fs::rename(temporary, to, error), error)) {
        const auto failure = error;
        fs::remove(temporary, error);
        return Fail(kPublishFileError, to, failure);
    }
    return true;
}

bool WriteScript(const fs::path& to, const std::string& player) {
    return FileTransfer(kPublishFileError, to.string(), [&] {
        WriteAutorunScript(to.string(), player);
        return true;
    });
}

void LeaveOutRootFiles(TPublishTree& tree, const std::vector<std::string>& names) {
    std::erase_if(tree.Entries, [&](const TPublishTree::Entry& entry) {
        if (entry.Folder || std::find(names.begin(), names.end(), entry.Path) == names.end())
            return false;
        tree.TotalBytes -= entry.Size;
        return true;
    });
}

bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return true;
    fs::create_directory(folder, error);
    return !error || Fail(kPublishFolderError, folder, error);
}
} // namespace

TPublishResult PublishFolder(const std::string& baseFolder, const std::string& destination,
                             const TPublishedPlayers& chosen, const TPublishProgress& progress) {
    if (IsInsideFolder(destination, baseFolder)) {
        errno = EINVAL;
        ReportFileError(kPublishInsideBaseError, destination);
        return TPublishResult::Failed;
    }
    if (!PlayersFound(chosen)) return TPublishResult::Failed;
    // Beside the destination folder, whether named with a trailing separator or not.
    const TLabelledPlayers labelled(chosen, (fs::path(destination) / "").parent_path().string());
    if (!labelled.Ready()) return TPublishResult::Failed;
    const auto& players = labelled.Players();
    const auto root = PublishedRoot(players);
    // The runtime is copied as one more folder of the base folder's.
    TPublishTree tree, runtime;
    if (!CollectPublishTree(baseFolder, tree) ||
        (root.Runtime && !CollectPublishTree(players.RuntimeFolder, runtime)) ||
        !MakeFolder(destination))
        return TPublishResult::Failed;
    LeaveOutRootFiles(tree, root.LeftOut);
    const fs::path target(destination);
    std::uint64_t total = tree.TotalBytes + runtime.TotalBytes;
    const auto sizeOf = [](const std::string& file) {
        std::error_code error;
        const auto size = fs::file_size(file, error);
        return error ? 0 : size;
    };
    for (const auto& [name, source] : root.Added)
        total += sizeOf(source);
    std::uint64_t done = 0;
    const auto copyTree = [&](const TPublishTree& from, const fs::path& source,
                              const fs::path& to) {
        for (const auto& entry : from.Entries) {
            if (progress && !progress(done, total)) return TPublishResult::Cancelled;
            const bool copied = entry.Folder ? MakeFolder(to / entry.Path)
                                             : CopyOneFile(source / entry.Path, to / entry.Path);
            if (!copied) return TPublishResult::Failed;
            done += entry.Size;
        }
        return TPublishResult::Done;
    };
    auto result = copyTree(tree, baseFolder, target);
    for (const auto& [name, source] : root.Added) {
        if (result != TPublishResult::Done) break;
        if (progress && !progress(done, total)) return TPublishResult::Cancelled;
        if (!CopyOneFile(source, target / name)) return TPublishResult::Failed;
        done += sizeOf(source);
    }
    if (result == TPublishResult::Done && !root.ScriptPlayer.empty() &&
        !WriteScript(target / kRootScriptName, root.ScriptPlayer))
        result = TPublishResult::Failed;
    const auto runtimeTarget = target / kPublishedRuntimeFolder;
    if (result == TPublishResult::Done && root.Runtime)
        result = MakeFolder(runtimeTarget) ? copyTree(runtime, players.RuntimeFolder, runtimeTarget)
                                           : TPublishResult::Failed;
    if (result != TPublishResult::Done) return result;
    if (progress) progress(done, total);
    return TPublishResult::Done;
}
} // namespace brelvane
