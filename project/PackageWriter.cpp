#include "project/Package.h"
#include "storage/ErrorReport.h"
#include "storage/FileSystem.h"
#include "storage/LittleEndian.h"

#include <algorithm>
#include <cerrno>
#include <vector>

namespace brelvane {

namespace {
constexpr std::size_t kBlockSize = 1 << 20;
// File sizes are stored as int32.
constexpr std::uint64_t kLargestFile = 0x7fffffff;

// A folder as it will be packed, listed before anything is written so that a
// package too large for its fields is refused up front.
struct TListing {
    std::string Name;
    // Where the entry is read from.
    std::string Source;
    std::uint64_t Size = 0;
    std::vector<TListing> Folders;
    std::vector<TListing> Files;
};

// Raised for a folder the format cannot hold; its text is the message.
class PackageRefused : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::uint64_t PackageLength(const TListing& folder) {
    std::uint64_t length = 8;
    for (const auto& sub : folder.Folders)
        length += 4 + sub.Name.size() + PackageLength(sub);
    for (const auto& file : folder.Files)
        length += 8 + file.Name.size() + file.Size;
    return length;
}

// Entry names are String blocks; reported here, with the package's code.
void WriteName(TStream& stream, const std::string& name) {
    WriteField<std::int32_t>(stream, static_cast<std::int32_t>(name.size()));
    stream.Write(name.data(), name.size());
}

std::int32_t Count(const std::vector<TListing>& entries) {
    return static_cast<std::int32_t>(entries.size());
}

class TPacker {
public:
    explicit TPacker(TStream& stream) : stream_(stream) {}

    TListing List(const std::string& path) {
        current_ = path;
        TListing listing;
        // Links to folders are not followed: they could lead back up the tree.
        for (const auto& [name, kind] : ListFolder(path)) {
            const auto child = path + "/" + name;
            if (kind == TEntryKind::Folder && name != kPackageSkippedFolder) {
                listing.Folders.push_back(List(child));
                listing.Folders.back().Name = name;
                listing.Folders.back().Source = child;
            } else if (kind == TEntryKind::File && name != kPackageSkippedFile) {
                current_ = child;
                listing.Files.push_back({name, child, SizeOfFile(child), {}, {}});
                if (listing.Files.back().Size > kLargestFile)
                    throw PackageRefused("\"" + child +
                                         "\" is larger than 2 GB, more than a package can hold.");
            }
            current_ = path;
        }
        return listing;
    }

    // Entries named like an addition give way to it; additions follow the
    // folder's own entries.
    void Add(TListing& listing, const TPackageAdditions& additions) {
        const auto replaced = [](std::vector<TListing>& entries, const std::string& name) {
            std::erase_if(entries, [&](const TListing& entry) { return entry.Name == name; });
        };
        for (const auto& [name, source] : additions.Folders) {
            replaced(listing.Folders, name);
            listing.Folders.push_back(List(source));
            listing.Folders.back().Name = name;
            listing.Folders.back().Source = source;
        }
        for (const auto& [name, source] : additions.Files) {
            replaced(listing.Files, name);
            current_ = source;
            listing.Files.push_back({name, source, SizeOfFile(source), {}, {}});
        }
    }

    void Write(const TListing& folder) {
        WriteField(stream_, Count(folder.Folders));
        for (const auto& sub : folder.Folders) {
            WriteName(stream_, sub.Name);
            Write(sub);
        }
        WriteField(stream_, Count(folder.Files));
        for (const auto& file : folder.Files) {
            current_ = file.Source;
            WriteName(stream_, file.Name);
            WriteField(stream_, static_cast<std::int32_t>(file.Size));
            AppendFileContent(stream_, current_, file.Size);
        }
    }

    const std::string& Current() const { return current_; }

private:
    TStream& stream_;
    std::string current_;
};
} // namespace

void AppendFileContent(TStream& stream, const std::string& path, std::uint64_t size) {
    thread_local std::vector<std::uint8_t> buffer(kBlockSize);
    TNativeFile file(path, TNativeFile::Mode::Read);
    while (size > 0) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, kBlockSize));
        const auto got = file.ReadUpTo(buffer.data(), wanted);
        if (got < wanted) {
            // The file became shorter after it was measured.
            errno = EIO;
            throw StreamError("file ended early: " + path);
        }
        stream.Write(buffer.data(), got);
        size -= got;
    }
}

bool WritePackage(TStream& stream, const std::string& folder, const TPackageAdditions& additions) {
    TPacker packer(stream);
    try {
        auto listing = packer.List(folder);
        packer.Add(listing, additions);
        if (stream.Position() + PackageLength(listing) + 4 > kLargestExecutable)
            throw PackageRefused("The package of \"" + folder +
                                 "\" is larger than 4 GB, more than a self-contained "
                                 "executable can hold.");
        packer.Write(listing);
        return true;
    } catch (const PackageRefused& refused) {
        ShowError(refused.what());
    } catch (...) {
        ReportFileError(kPublishExecutableError, packer.Current());
    }
    return false;
}

} // namespace brelvane
