#include "project/TargetFile.h"

#include "storage/FilePaths.h"
#include "storage/SaveFile.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <cstdint>

namespace brelvane {

namespace {
// Offsets are stored in 32 bits and read back unsigned.
constexpr std::uint64_t kLargestOffset = 0xffffffffu;

std::int32_t StoredOffset(std::uint64_t position) {
    if (position > kLargestOffset) {
        errno = EFBIG;
        throw StreamError("target file larger than 4 GB");
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(position));
}
} // namespace

std::string TargetFileCreatedText() {
    return "Target file \"autorun.tgt\" created.";
}

bool WriteTargetFile(const std::string& baseFolder, TProjectIndex& index,
                     const TPageWriter& writePage) {
    const auto path = ResolvePath(TargetFilePathIn(baseFolder));
    return FileTransfer(kCreateTargetFileError, path, [&] {
        return SaveFileAtomically(path, [&](TStream& stream) {
            // The index has a fixed size for its names and settings, so the
            // pages start at the same place before and after the Offsets change.
            if (!WriteProjectIndex(stream, index)) return false;
            WriteIndexTrailer(stream);
            for (auto& entry : index.Pages) {
                entry->Offset = StoredOffset(stream.Position());
                if (!writePage(stream, *entry)) return false;
            }
            stream.Seek(0);
            return WriteProjectIndex(stream, index);
        });
    });
}

TPageWriter PagesFromSource(const TPageSource& source) {
    return [source](TStream& stream, const TAutoFormInfo& entry) {
        TPageRecord page;
        if (!LoadPageFile(PageFilePath(source, entry), page, TPageReadMode::Build, {}))
            return false;
        return WritePage(stream, page);
    };
}

bool ReadTargetFile(const std::string& path, TProjectIndex& index) {
    return FileTransfer(kLoadProjectDataError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        if (!ReadProjectIndex(stream, index)) return false;
        ReadIndexTrailer(stream);
        return true;
    });
}

} // namespace brelvane
