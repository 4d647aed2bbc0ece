#include "storage/exe/File.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace brelvane {

namespace {
int Fd(TFile::THandle handle) {
    return static_cast<int>(handle);
}

int OpenFlags(TFileCreation creation, TFileAccess access) {
    int flags = O_CLOEXEC;
    switch (access) {
    case TFileAccess::Read:
        flags |= O_RDONLY;
        break;
    case TFileAccess::Write:
        flags |= O_WRONLY;
        break;
    case TFileAccess::ReadWrite:
        flags |= O_RDWR;
        break;
    }
    switch (creation) {
    case TFileCreation::CreateAlways:
        flags |= O_CREAT | O_TRUNC;
        break;
    case TFileCreation::CreateNew:
        flags |= O_CREAT | O_EXCL;
        break;
    case TFileCreation::OpenExisting:
        break;
    case TFileCreation::OpenAlways:
        flags |= O_CREAT;
        break;
    }
    return flags;
}

// Sharing is advisory here: a holder that lets nobody write keeps a shared
// lock, one that lets nobody in at all an exclusive one, so two such holders
// of one file refuse each other as they would on Windows.
int LockFor(TFileSharing sharing) {
    switch (sharing) {
    case TFileSharing::None:
        return LOCK_EX;
    case TFileSharing::Read:
        return LOCK_SH;
    case TFileSharing::Write:
    case TFileSharing::ReadWrite:
        break;
    }
    return 0;
}
} // namespace

std::string PlatformErrorText(int code) {
    std::string text = std::strerror(code);
    if (text.starts_with("Unknown error")) return {};
    return text;
}

TFile::~TFile() {
    const int saved = errno;
    Close();
    errno = saved;
}

void TFile::Open(const std::string& name, TFileCreation creation, TFileAccess access,
                 TFileSharing sharing) {
    Close();
    const int handle = ::open(name.c_str(), OpenFlags(creation, access), 0666);
    if (handle < 0) throw EFileError(errno);
    if (const int lock = LockFor(sharing); lock != 0 && ::flock(handle, lock | LOCK_NB) != 0) {
        const int error = errno;
        ::close(handle);
        throw EFileError(error);
    }
    handle_ = handle;
    owned_ = true;
}

void TFile::Close() {
    if (handle_ != kNoHandle && owned_) ::close(Fd(handle_));
    handle_ = kNoHandle;
    owned_ = false;
}

std::size_t TFile::Read(void* buffer, std::size_t count) {
    auto* target = static_cast<std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t got = ::read(Fd(handle_), target + done, count - done);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            if (errno == EPIPE && !owned_) break;
            throw EFileError(errno);
        }
        done += static_cast<std::size_t>(got);
    }
    return done;
}

void TFile::WriteBuffer(const void* buffer, std::size_t count) {
    const auto* source = static_cast<const std::uint8_t*>(buffer);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t put = ::write(Fd(handle_), source + done, count - done);
        if (put < 0) {
            if (errno == EINTR) continue;
            throw EFileError(errno);
        }
        if (put == 0) throw EFileError(kFileErrorWriteFault);
        done += static_cast<std::size_t>(put);
    }
}

void TFile::Seek(std::uint64_t offset) {
    if (offset > static_cast<std::uint64_t>(INT64_MAX) ||
        ::lseek(Fd(handle_), static_cast<off_t>(offset), SEEK_SET) < 0)
        throw EFileError(offset > static_cast<std::uint64_t>(INT64_MAX) ? EINVAL : errno);
}

std::uint64_t TFile::Position() const {
    const off_t position = ::lseek(Fd(handle_), 0, SEEK_CUR);
    if (position < 0) throw EFileError(errno);
    return static_cast<std::uint64_t>(position);
}

std::uint64_t TFile::Size() const {
    struct stat info {};
    if (::fstat(Fd(handle_), &info) != 0) throw EFileError(errno);
    return static_cast<std::uint64_t>(info.st_size);
}

void TFile::Resize(std::uint64_t size) {
    if (::ftruncate(Fd(handle_), static_cast<off_t>(size)) != 0) throw EFileError(errno);
}

void TFile::CopyFrom(TFile& source, std::uint64_t offset, std::uint64_t length) {
    // The kernel copies without the bytes passing through here where it can.
    auto from = static_cast<loff_t>(offset);
    while (length > 0) {
        const ssize_t moved = ::copy_file_range(Fd(source.handle_), &from, Fd(handle_), nullptr,
                                                static_cast<std::size_t>(length), 0);
        if (moved > 0) {
            length -= static_cast<std::uint64_t>(moved);
            continue;
        }
        if (moved == 0) throw EFileError(kFileErrorEndOfFile);
        if (errno == EINTR) continue;
        if (errno != EXDEV && errno != ENOSYS && errno != EOPNOTSUPP && errno != EINVAL)
            throw EFileError(errno);
        break;
    }
    std::vector<std::uint8_t> buffer(std::min<std::uint64_t>(length, 1u << 20));
    while (length > 0) {
        const auto step = static_cast<std::size_t>(std::min<std::uint64_t>(length, buffer.size()));
        const ssize_t got = ::pread(Fd(source.handle_), buffer.data(), step, from);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) throw EFileError(errno);
        if (got == 0) throw EFileError(kFileErrorEndOfFile);
        WriteBuffer(buffer.data(), static_cast<std::size_t>(got));
        from += got;
        length -= static_cast<std::uint64_t>(got);
    }
}

void TFile::Sync() {
    if (::fsync(Fd(handle_)) != 0) throw EFileError(errno);
}

void ReplaceFileThroughCopy(const std::string& path,
                            const std::function<void(TFile& original, TFile& copy)>& write) {
    TFile original(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    struct stat info {};
    if (::fstat(Fd(original.Handle()), &info) != 0) throw EFileError(errno);
    std::string temporary = path + ".XXXXXX";
    const int handle = ::mkstemp(temporary.data());
    if (handle < 0) throw EFileError(errno);
    TFile copy(handle, true);
    try {
        write(original, copy);
        if (::fchmod(Fd(copy.Handle()), info.st_mode & 07777) != 0) throw EFileError(errno);
        copy.Sync();
        copy.Close();
        if (std::rename(temporary.c_str(), path.c_str()) != 0) throw EFileError(errno);
    } catch (...) {
        const int saved = errno;
        std::remove(temporary.c_str());
        errno = saved;
        throw;
    }
}

} // namespace brelvane
