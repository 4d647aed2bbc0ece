#include "publish/FolderPublish.h"

#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"

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

bool MakeFolder(const fs::path& folder) {
    std::error_code error;
    if (fs::is_directory(folder, error)) return true;
    fs::create_directory(folder, error);
    return !error || Fail(kPublishFolderError, folder, error);
}
} // namespace

TPublishResult PublishFolder(const std::string& baseFolder, const std::string& destination,
                             const TPublishProgress& progress) {
    if (IsInsideFolder(destination, baseFolder)) {
        errno = EINVAL;
        ReportFileError(kPublishInsideBaseError, destination);
        return TPublishResult::Failed;
    }
    TPublishTree tree;
    if (!CollectPublishTree(baseFolder, tree) || !MakeFolder(destination))
        return TPublishResult::Failed;
    const fs::path base(baseFolder);
    const fs::path target(destination);
    std::uint64_t done = 0;
    for (const auto& entry : tree.Entries) {
        if (progress && !progress(done, tree.TotalBytes)) return TPublishResult::Cancelled;
        const bool copied = entry.Folder ? MakeFolder(target / entry.Path)
                                         : CopyOneFile(base / entry.Path, target / entry.Path);
        if (!copied) return TPublishResult::Failed;
        done += entry.Size;
    }
    if (progress) progress(done, tree.TotalBytes);
    return TPublishResult::Done;
}

} // namespace brelvane
