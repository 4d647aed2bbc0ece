#include "project/SelfContained.h"

#include "storage/FilePaths.h"
#include "storage/LittleEndian.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <memory>

namespace brelvane {

namespace {
constexpr char kPackageFolderPrefix[] = "Brelvane";
// Enough for every folder a crowded temporary folder could hold of ours.
constexpr int kPackageFolderTries = 100000;
constexpr std::uint64_t kTrailerSize = 4;
constexpr std::uint64_t kEmptyPackageSize = 8;
} // namespace

std::string MakePackageFolder(const std::string& tempFolder) {
    // Without a temporary folder the name would land in the root folder.
    if (tempFolder.empty()) {
        errno = ENOENT;
        return {};
    }
    for (int n = 0; n < kPackageFolderTries; ++n) {
        auto folder = tempFolder + "/" + kPackageFolderPrefix + std::to_string(n);
        // Made in one step, so a folder that appears meanwhile is never shared.
        const auto made = MakeFolder(folder, true);
        if (made == TFolderMade::Made) return folder;
        if (made == TFolderMade::Failed && errno != EEXIST) return {};
    }
    errno = EEXIST;
    return {};
}

bool WriteSelfContainedExecutable(const std::string& baseFolder, const std::string& path,
                                  const std::string& chosenPlayer) {
    std::unique_ptr<TFileStream> out;
    const auto player =
        chosenPlayer.empty() ? ResolvePath(baseFolder + "/" + kPackageSkippedFile) : chosenPlayer;
    const bool copied = FileTransfer(kPublishExecutableError, path, [&] {
        out = std::make_unique<TFileStream>(path, TFileStream::Mode::Create);
        return FileTransfer(kPublishExecutableError, player, [&] {
            AppendFileContent(*out, player, SizeOfFile(player));
            return true;
        });
    });
    if (!copied) return false;
    const auto start = out->Position();
    if (!WritePackage(*out, baseFolder)) return false;
    return FileTransfer(kPublishExecutableError, path, [&] {
        WriteField(*out, static_cast<std::int32_t>(static_cast<std::uint32_t>(start)));
        out->Close();
        // The copy runs as the player did: keep its permission to be executed.
        CopyPermissions(player, path);
        return true;
    });
}

bool ReadAppendedPackage(const std::string& executable, const std::string& folder,
                         const TUnpackListener& listener) {
    return FileTransfer(kLoadProjectDataError, executable, [&] {
        TFileStream stream(executable, TFileStream::Mode::Read);
        const auto size = stream.Size();
        if (size < kTrailerSize + kEmptyPackageSize) {
            errno = EINVAL;
            throw StreamError("no package appended");
        }
        stream.Seek(size - kTrailerSize);
        const auto start = ReadField<std::uint32_t>(stream);
        if (start > size - kTrailerSize - kEmptyPackageSize) {
            errno = EINVAL;
            throw StreamError("package offset outside the file");
        }
        stream.Seek(start);
        return ReadPackage(stream, folder, listener, size - kTrailerSize);
    });
}

} // namespace brelvane
