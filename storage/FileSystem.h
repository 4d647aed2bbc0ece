#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// The few file-system services storage needs, one implementation per system
// (FileSystem_posix.cpp, FileSystem_win.cpp). Paths are UTF-8 with "/" or "\"
// between names. Failures throw StreamError with errno set, so the numbered
// error report names the same causes on every system.
namespace brelvane {

// A path for std::filesystem and back: Windows' narrow path form is not UTF-8
// in both directions, so conversions go through these two.
std::filesystem::path NativePath(const std::string& path);
std::string Utf8Path(const std::filesystem::path& path);

// An open file: binary, not inherited by started programs, closed with its owner.
class TNativeFile {
public:
    enum class Mode {
        Read,
        // Created or emptied; opened for reading too.
        Create,
        ReadWrite,
        // Created or emptied for writing, refusing a link (or reparse point) in its place.
        CreateNoFollow,
    };

    // Throws when the file cannot be opened or is a folder (EISDIR).
    TNativeFile(const std::string& path, Mode mode);
    ~TNativeFile();
    TNativeFile(const TNativeFile&) = delete;
    TNativeFile& operator=(const TNativeFile&) = delete;

    // Reads until `count` bytes or the end of the file; returns how many came.
    std::size_t ReadUpTo(void* target, std::size_t count);
    // Writes every byte or throws.
    void WriteAll(const void* source, std::size_t count);
    void Seek(std::uint64_t position);
    std::uint64_t Size() const;
    // Waits until everything written is on the disk.
    void Sync();
    // Closes and throws when the last bytes could not be stored.
    void Close();

private:
    std::intptr_t handle_;
};

enum class TFolderMade { Made, Existed, Failed };
// Makes one folder, private to the user when asked. A folder already there
// (not a link to one) is Existed; anything else in its place is Failed with
// EEXIST; other failures are Failed with errno set.
TFolderMade MakeFolder(const std::string& path, bool privateToUser = false);

enum class TEntryKind { Folder, File, Other };
struct TFolderEntry {
    std::string Name;
    TEntryKind Kind;
};
// A folder's entries in the order the file system gives them, without "."
// and "..". Links to folders are Other (never followed, they could lead back
// up the tree); links to files are the files; devices, pipes and sockets are Other.
std::vector<TFolderEntry> ListFolder(const std::string& path);

// The size of a file; throws when it cannot be found.
std::uint64_t SizeOfFile(const std::string& path);

// A new, empty file beside `path` with a name no other file has; returns its path.
std::string CreateFileBeside(const std::string& path);
// Gives `target` the permissions `model` has (or the usual ones when `model`
// is missing), where the system keeps permissions in the mode bits.
void CopyPermissions(const std::string& model, const std::string& target);
// Puts `source` in the place of `target` in one step, replacing an existing
// file (written through to the disk where the system offers that).
void RenameOver(const std::string& source, const std::string& target);

// Copies a file, replacing one at `target`; false (errno set) on failure.
bool CopyFileOver(const std::string& source, const std::string& target);

// Writes bytes to standard output as they are (no line-end translation);
// false when not all of them could be written.
bool WriteStandardOutput(const void* bytes, std::size_t count);

} // namespace brelvane
