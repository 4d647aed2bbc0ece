#include "storage/ByteStream.h"
#include "storage/FileSystem.h"

#include <cerrno>
#include <cstdio>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace brelvane {

std::filesystem::path NativePath(const std::string& path) {
    return std::filesystem::path(path);
}

std::string Utf8Path(const std::filesystem::path& path) {
    return path.string();
}

namespace {
int OpenFlags(TNativeFile::Mode mode) {
    switch (mode) {
    case TNativeFile::Mode::Read:
        return O_RDONLY;
    case TNativeFile::Mode::Create:
        return O_RDWR | O_CREAT | O_TRUNC;
    case TNativeFile::Mode::ReadWrite:
        return O_RDWR;
    case TNativeFile::Mode::CreateNoFollow:
        return O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW;
    }
    return O_RDONLY;
}

int Descriptor(std::intptr_t handle) {
    return static_cast<int>(handle);
}
} // namespace

TNativeFile::TNativeFile(const std::string& path, Mode mode) {
    const int fd = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0644);
    if (fd < 0) throw StreamError("cannot open " + path);
    handle_ = fd;
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        const int saved = S_ISDIR(info.st_mode) ? EISDIR : errno;
        ::close(fd);
        handle_ = -1;
        errno = saved;
        throw StreamError(saved == EISDIR ? "is a folder: " + path : "cannot stat " + path);
    }
}

TNativeFile::~TNativeFile() {
    if (handle_ >= 0) ::close(Descriptor(handle_));
}

std::size_t TNativeFile::ReadUpTo(void* target, std::size_t count) {
    auto* out = static_cast<char*>(target);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(Descriptor(handle_), out + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StreamError("read failed");
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void TNativeFile::WriteAll(const void* source, std::size_t count) {
    const auto* in = static_cast<const char*>(source);
    while (count > 0) {
        const ssize_t n = ::write(Descriptor(handle_), in, count);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StreamError("write failed");
        in += n;
        count -= static_cast<std::size_t>(n);
    }
}

void TNativeFile::Seek(std::uint64_t position) {
    if (::lseek(Descriptor(handle_), static_cast<off_t>(position), SEEK_SET) < 0)
        throw StreamError("seek failed");
}

std::uint64_t TNativeFile::Size() const {
    struct stat info {};
    if (::fstat(Descriptor(handle_), &info) != 0) throw StreamError("cannot stat");
    return static_cast<std::uint64_t>(info.st_size);
}

void TNativeFile::Sync() {
    if (::fsync(Descriptor(handle_)) != 0) throw StreamError("sync failed");
}

void TNativeFile::Close() {
    if (handle_ < 0) return;
    const int fd = Descriptor(handle_);
    handle_ = -1;
    if (::close(fd) != 0) throw StreamError("close failed");
}

TFolderMade MakeFolder(const std::string& path, bool privateToUser) {
    if (::mkdir(path.c_str(), privateToUser ? 0700 : 0755) == 0) return TFolderMade::Made;
    if (errno != EEXIST) return TFolderMade::Failed;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) return TFolderMade::Existed;
    errno = EEXIST;
    return TFolderMade::Failed;
}

namespace {
TEntryKind KindOf(const std::string& path, const dirent& entry) {
    if (entry.d_type == DT_DIR) return TEntryKind::Folder;
    if (entry.d_type == DT_REG) return TEntryKind::File;
    if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return TEntryKind::Other;
    struct stat info {};
    if (entry.d_type == DT_UNKNOWN && ::lstat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode))
        return TEntryKind::Folder;
    if (::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return TEntryKind::File;
    return TEntryKind::Other;
}
} // namespace

std::vector<TFolderEntry> ListFolder(const std::string& path) {
    std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(path.c_str()), ::closedir);
    if (!dir) throw StreamError("cannot list " + path);
    std::vector<TFolderEntry> entries;
    errno = 0;
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string name = entry->d_name;
        if (name != "." && name != "..")
            entries.push_back({name, KindOf(path + "/" + name, *entry)});
        errno = 0;
    }
    if (errno != 0) throw StreamError("cannot list " + path);
    return entries;
}

std::uint64_t SizeOfFile(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) throw StreamError("cannot find " + path);
    return static_cast<std::uint64_t>(info.st_size);
}

std::string CreateFileBeside(const std::string& path) {
    std::string pattern = path + ".XXXXXX";
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0) throw StreamError("cannot create a temporary file beside " + path);
    ::close(fd);
    return pattern;
}

void CopyPermissions(const std::string& model, const std::string& target) {
    struct stat info {};
    const mode_t mode = ::stat(model.c_str(), &info) == 0 ? info.st_mode & 07777 : 0644;
    if (::chmod(target.c_str(), mode) != 0) throw StreamError("cannot set the mode of " + target);
}

void RenameOver(const std::string& source, const std::string& target) {
    if (std::rename(source.c_str(), target.c_str()) != 0)
        throw StreamError("cannot replace " + target);
}

bool CopyFileOver(const std::string& source, const std::string& target) {
    std::error_code error;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing,
                               error);
    errno = error.value();
    return !error;
}

bool WriteStandardOutput(const void* bytes, std::size_t count) {
    const auto* in = static_cast<const char*>(bytes);
    while (count > 0) {
        const ssize_t n = ::write(STDOUT_FILENO, in, count);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        in += n;
        count -= static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace brelvane
