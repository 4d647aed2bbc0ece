#include "publish/LaunchingExecutable.h"

#include "project/Package.h"
#include "publish/PublishErrors.h"
#include "storage/ByteStream.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/LittleEndian.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <filesystem>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
bool Refuse(int code, const std::string& path, int error) {
    errno = error;
    ReportFileError(code, path);
    return false;
}

bool WriteParts(const TLaunchingExecutable& parts, const std::string& file) {
    TFileStream out(file, TFileStream::Mode::Create);
    if (!FileTransfer(kPublishExecutableError, parts.Launcher, [&] {
            AppendFileContent(out, parts.Launcher, SizeOfFile(parts.Launcher));
            return true;
        }))
        return false;
    const auto front = out.Position();
    TPackageAdditions additions;
    additions.Folders.emplace_back(kPackagedRuntimeName, parts.RuntimeFolder);
    additions.Files.emplace_back(kPackagedPlayerName,
                                 ResolvePath(parts.BaseFolder + "/" + kPackagedPlayerName));
    if (!WritePackage(out, parts.BaseFolder, additions)) return false;
    WriteField(out, static_cast<std::int32_t>(static_cast<std::uint32_t>(front)));
    out.Close();
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
    const fs::path target(path);
    const auto temporary =
        (target.parent_path() / ("." + target.filename().string() + ".publishing")).string();
    const bool written = FileTransfer(kPublishExecutableError, path, [&] {
        if (!WriteParts(parts, temporary)) return false;
        fs::permissions(temporary, fs::perms(0755), fs::perm_options::replace);
        fs::rename(temporary, target);
        return true;
    });
    if (!written) fs::remove(temporary, error);
    return written;
}

} // namespace brelvane
