#include "project/PosixFile.h"

#include "storage/ByteStream.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace brelvane {

TPosixFile::TPosixFile(const std::string& path, int flags) {
    fd_ = ::open(path.c_str(), flags | O_CLOEXEC, 0644);
    if (fd_ < 0) throw StreamError("cannot open " + path);
}

TPosixFile::~TPosixFile() {
    if (fd_ >= 0) ::close(fd_);
}

std::size_t TPosixFile::ReadUpTo(void* target, std::size_t count) {
    auto* out = static_cast<char*>(target);
    std::size_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StreamError("read failed");
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void TPosixFile::WriteAll(const void* source, std::size_t count) {
    const auto* in = static_cast<const char*>(source);
    while (count > 0) {
        const ssize_t n = ::write(fd_, in, count);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw StreamError("write failed");
        in += n;
        count -= static_cast<std::size_t>(n);
    }
}

void TPosixFile::Close() {
    if (fd_ < 0) return;
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw StreamError("close failed");
}

} // namespace brelvane
