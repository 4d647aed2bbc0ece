#include "project/Package.h"
#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"
#include "storage/LittleEndian.h"

#include <algorithm>
#include <cerrno>
#include <string_view>
#include <vector>

namespace brelvane {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
constexpr std::int32_t kLongestName = 255;
// The fewest bytes a sub-folder entry (a one-byte name and two counts) and a
// file entry (a one-byte name and a size) can take.
constexpr std::uint64_t kSmallestFolderEntry = 4 + 1 + 8;
constexpr std::uint64_t kSmallestFileEntry = 4 + 1 + 4;

[[noreturn]] void Damaged(const std::string& what) {
    errno = EINVAL;
    throw StreamError("damaged package: " + what);
}

// A name that could reach outside the folder being filled is refused.
std::string ReadEntryName(TStream& stream) {
    const auto length = ReadField<std::int32_t>(stream);
    if (length < 1 || length > kLongestName)
        Damaged("an entry name of length " + std::to_string(length));
    std::string name(static_cast<std::size_t>(length), '\0');
    stream.Read(name.data(), name.size());
    constexpr std::string_view kSeparators("/\\\0", 3);
    if (name == "." || name == ".." || name.find_first_of(kSeparators) != std::string::npos)
        Damaged("the entry name \"" + name + "\"");
    return name;
}

void Tell(const std::function<void(const std::string&)>& listener, const std::string& path) {
    if (listener) listener(path);
}

class TUnpacker {
public:
    TUnpacker(TStream& stream, const TUnpackListener& listener, std::uint64_t end)
        : stream_(stream), listener_(listener), end_(std::min(end, stream.Size())),
          buffer_(kBlockSize) {}

    bool Unpack(const std::string& folder) {
        const auto folders = ReadCount(kSmallestFolderEntry);
        for (std::int32_t i = 0; i < folders; ++i) {
            const auto path = folder + "/" + ReadEntryName(stream_);
            // An existing folder is used as it is; anything else in its place fails.
            if (MakeFolder(path) == TFolderMade::Failed) {
                ReportFileError(kUnpackFolderError, path);
                return false;
            }
            Tell(listener_.FolderMade, path);
            if (!Unpack(path)) return false;
        }
        const auto files = ReadCount(kSmallestFileEntry);
        for (std::int32_t i = 0; i < files; ++i)
            UnpackFile(folder + "/" + ReadEntryName(stream_));
        return true;
    }

private:
    std::uint64_t Remaining() const {
        const auto position = stream_.Position();
        return position < end_ ? end_ - position : 0;
    }

    std::int32_t ReadCount(std::uint64_t smallestEntry) {
        const auto count = ReadField<std::int32_t>(stream_);
        if (count < 0 || static_cast<std::uint64_t>(count) * smallestEntry > Remaining())
            Damaged("a count larger than the rest of the package");
        return count;
    }

    void UnpackFile(const std::string& path) {
        // Never write through a link that is already there.
        TNativeFile file(path, TNativeFile::Mode::CreateNoFollow);
        Tell(listener_.FileMade, path);
        const auto size = ReadField<std::int32_t>(stream_);
        if (size < 0 || static_cast<std::uint64_t>(size) > Remaining())
            Damaged("a file size larger than the rest of the package");
        auto left = static_cast<std::size_t>(size);
        while (left > 0) {
            const auto count = std::min(left, buffer_.size());
            stream_.Read(buffer_.data(), count);
            file.WriteAll(buffer_.data(), count);
            left -= count;
        }
        file.Close();
    }

    TStream& stream_;
    const TUnpackListener& listener_;
    std::uint64_t end_;
    std::vector<std::uint8_t> buffer_;
};
} // namespace

bool ReadPackage(TStream& stream, const std::string& folder, const TUnpackListener& listener,
                 std::uint64_t end) {
    return TUnpacker(stream, listener, end).Unpack(folder);
}

} // namespace brelvane
