#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>

namespace brelvane {

// A file operation failed; Code() is the platform's error number.
class EFileError : public std::runtime_error {
public:
    explicit EFileError(int code);
    int Code() const { return code_; }

private:
    int code_;
};

// The platform's text for an error number without trailing blanks, control
// characters and periods, or "File I/O error <code>" when it has none.
std::string FileErrorMessage(int code);

// The platform's own text for an error number (fetched into 1024 bytes on
// Windows); empty when it has none.
std::string PlatformErrorText(int code);

// Error numbers of the two short transfers, with texts of their own on every system.
constexpr int kFileErrorEndOfFile = 38;
constexpr int kFileErrorWriteFault = 29;

enum class TFileCreation { CreateAlways, CreateNew, OpenExisting, OpenAlways };
enum class TFileAccess { Read, Write, ReadWrite };
enum class TFileSharing { None, Read, Write, ReadWrite };

// A thin wrapper around one open file handle.
class TFile {
public:
    TFile() = default;
    // The platform's handle: a file descriptor, or a Windows HANDLE as an integer.
    using THandle = std::intptr_t;
    static constexpr THandle kNoHandle = -1;

    // Wraps a handle opened elsewhere; `owned` decides whether closing releases it.
    TFile(THandle handle, bool owned) : handle_(handle), owned_(owned) {}
    // Opens or throws EFileError.
    TFile(const std::string& name, TFileCreation creation, TFileAccess access,
          TFileSharing sharing);
    ~TFile();
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    void Open(const std::string& name, TFileCreation creation, TFileAccess access,
              TFileSharing sharing);
    void Close();
    bool IsOpen() const { return handle_ != kNoHandle; }
    THandle Handle() const { return handle_; }

    // Returns the bytes read (0 at the end); a broken pipe on a borrowed
    // handle counts as the end of the data.
    std::size_t Read(void* buffer, std::size_t count);
    // Exactly `count` bytes or EFileError(38).
    void ReadBuffer(void* buffer, std::size_t count);
    // Every byte, or EFileError with the platform's error, or 29 on a short write.
    void WriteBuffer(const void* buffer, std::size_t count);

    void Seek(std::uint64_t offset);
    std::uint64_t Position() const;
    std::uint64_t Size() const;
    // The size for 32-bit callers: 7FFFFFFF for files of 2 GiB or more.
    std::uint32_t Size32() const;
    // Cuts or extends the file to `size` bytes.
    void Resize(std::uint64_t size);
    // Appends `length` bytes of `source` from `offset` at this file's position.
    void CopyFrom(TFile& source, std::uint64_t offset, std::uint64_t length);
    // Waits until the written bytes are on the disk.
    void Sync();

private:
    THandle handle_ = kNoHandle;
    bool owned_ = false;
};

// Rewrites a file through a copy beside it: `write` fills the new file from
// the open original, which is then renamed over it with the original's mode.
// When `write` raises, the original stays untouched and the copy is removed.
void ReplaceFileThroughCopy(const std::string& path,
                            const std::function<void(TFile& original, TFile& copy)>& write);

} // namespace brelvane
