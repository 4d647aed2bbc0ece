#include "storage/ByteStream.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace brelvane {

std::uint64_t TStream::Remaining() const {
    const auto size = Size();
    const auto position = Position();
    return position < size ? size - position : 0;
}

void TStream::ReadBlock(void* target, std::size_t count) {
    if (ReadSome(target, count) != count) {
        // The data ended; no operating-system call failed.
        errno = 0;
        throw StreamError("stream read error");
    }
}

TMemoryStream::TMemoryStream(const std::vector<std::uint8_t>& bytes) {
    Reserve(bytes.size());
    if (!bytes.empty()) std::memcpy(data_.get(), bytes.data(), bytes.size());
    size_ = bytes.size();
}

std::uint64_t TMemoryStream::Position() const {
    if (readAt_) return static_cast<std::uint64_t>(readAt_ - data_.get());
    if (writeAt_) return static_cast<std::uint64_t>(writeAt_ - data_.get());
    return position_;
}

std::uint64_t TMemoryStream::Size() const {
    if (writeAt_) return std::max<std::uint64_t>(size_, Position());
    return size_;
}

void TMemoryStream::Settle() {
    size_ = static_cast<std::size_t>(Size());
    position_ = static_cast<std::size_t>(Position());
    readAt_ = readEnd_ = nullptr;
    writeAt_ = writeEnd_ = nullptr;
}

void TMemoryStream::Reserve(std::size_t needed) {
    if (needed <= capacity_) return;
    // Doubling keeps appends amortised; realloc moves large blocks by remapping.
    const std::size_t capacity = std::max({needed, capacity_ * 2, std::size_t{256}});
    auto* grown = static_cast<std::uint8_t*>(std::realloc(data_.get(), capacity));
    if (!grown) {
        errno = ENOMEM;
        throw std::bad_alloc();
    }
    (void)data_.release();
    data_.reset(grown);
    capacity_ = capacity;
}

std::size_t TMemoryStream::ReadSome(void* target, std::size_t count) {
    Settle();
    const std::size_t available = position_ < size_ ? size_ - position_ : 0;
    const std::size_t n = std::min(count, available);
    if (n > 0) std::memcpy(target, data_.get() + position_, n);
    position_ += n;
    // The rest of the bytes can be read without asking again.
    if (position_ <= size_ && data_) {
        readAt_ = data_.get() + position_;
        readEnd_ = data_.get() + size_;
    }
    return n;
}

void TMemoryStream::WriteBlock(const void* source, std::size_t count) {
    Settle();
    if (count > SIZE_MAX - position_) throw StreamError("memory stream too large");
    Reserve(position_ + count);
    // A seek past the end leaves a gap of zeros.
    if (position_ > size_) std::memset(data_.get() + size_, 0, position_ - size_);
    if (count > 0) std::memcpy(data_.get() + position_, source, count);
    position_ += count;
    size_ = std::max(size_, position_);
    // Further writes fill the room already there without asking again.
    writeAt_ = data_.get() + position_;
    writeEnd_ = data_.get() + capacity_;
}

void TMemoryStream::Seek(std::uint64_t position) {
    Settle();
    position_ = static_cast<std::size_t>(position);
}

namespace {
int OpenFlags(TFileStream::Mode mode) {
    switch (mode) {
    case TFileStream::Mode::Read:
        return O_RDONLY;
    case TFileStream::Mode::Create:
        return O_RDWR | O_CREAT | O_TRUNC;
    case TFileStream::Mode::ReadWrite:
        return O_RDWR;
    }
    return O_RDONLY;
}
} // namespace

TFileStream::TFileStream(const std::string& path, Mode mode) : buffer_(kBufferSize) {
    fd_ = ::open(path.c_str(), OpenFlags(mode) | O_CLOEXEC, 0644);
    if (fd_ < 0) throw StreamError("cannot open " + path);
    struct stat info {};
    if (::fstat(fd_, &info) != 0) {
        const int saved = errno;
        ::close(fd_);
        errno = saved;
        throw StreamError("cannot stat " + path);
    }
    if (S_ISDIR(info.st_mode)) {
        ::close(fd_);
        errno = EISDIR;
        throw StreamError("is a folder: " + path);
    }
    fileSize_ = static_cast<std::uint64_t>(info.st_size);
}

TFileStream::~TFileStream() {
    if (fd_ < 0) return;
    try {
        Flush();
    } catch (const StreamError&) {
        // Callers that care about the last bytes call Close() and see the error.
    }
    ::close(fd_);
}

void TFileStream::Close() {
    if (fd_ < 0) return;
    Flush();
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) throw StreamError("close failed");
}

std::size_t TFileStream::RawRead(void* target, std::size_t count) {
    std::size_t done = 0;
    auto* out = static_cast<std::uint8_t*>(target);
    while (done < count) {
        const ssize_t n = ::read(fd_, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw StreamError("read failed");
        }
        if (n == 0) break;
        done += static_cast<std::size_t>(n);
    }
    filePosition_ += done;
    return done;
}

void TFileStream::RawWrite(const void* source, std::size_t count) {
    std::size_t done = 0;
    const auto* in = static_cast<const std::uint8_t*>(source);
    while (done < count) {
        const ssize_t n = ::write(fd_, in + done, count - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw StreamError("write failed");
        }
        done += static_cast<std::size_t>(n);
    }
    filePosition_ += done;
    fileSize_ = std::max(fileSize_, filePosition_);
}

void TFileStream::DropReadBuffer() {
    if (readEnd_ == readStart_) {
        readStart_ = readEnd_ = 0;
        return;
    }
    // Step the descriptor back over bytes that were buffered but not consumed.
    const std::uint64_t logical = Position();
    readStart_ = readEnd_ = 0;
    if (::lseek(fd_, static_cast<off_t>(logical), SEEK_SET) < 0) throw StreamError("seek failed");
    filePosition_ = logical;
}

std::size_t TFileStream::ReadSome(void* target, std::size_t count) {
    if (pendingWrite_ > 0) Flush();
    auto* out = static_cast<std::uint8_t*>(target);
    std::size_t done = 0;
    while (done < count) {
        if (readStart_ == readEnd_) {
            const std::size_t wanted = count - done;
            if (wanted >= kBufferSize) {
                // Large transfers bypass the buffer: one copy, straight into the target.
                const std::size_t n = RawRead(out + done, wanted);
                done += n;
                break;
            }
            readStart_ = 0;
            readEnd_ = RawRead(buffer_.data(), kBufferSize);
            if (readEnd_ == 0) break;
        }
        const std::size_t n = std::min(count - done, readEnd_ - readStart_);
        std::memcpy(out + done, buffer_.data() + readStart_, n);
        readStart_ += n;
        done += n;
    }
    return done;
}

void TFileStream::WriteBlock(const void* source, std::size_t count) {
    if (count == 0) return;
    // Fields land in the write buffer without any further bookkeeping.
    if (readStart_ == readEnd_ && pendingWrite_ + count <= kBufferSize) {
        std::memcpy(buffer_.data() + pendingWrite_, source, count);
        pendingWrite_ += count;
        return;
    }
    DropReadBuffer();
    if (pendingWrite_ + count > kBufferSize) {
        Flush();
        if (count >= kBufferSize) {
            RawWrite(source, count);
            return;
        }
    }
    std::memcpy(buffer_.data() + pendingWrite_, source, count);
    pendingWrite_ += count;
}

void TFileStream::Flush() {
    if (pendingWrite_ == 0) return;
    const std::size_t n = pendingWrite_;
    pendingWrite_ = 0;
    RawWrite(buffer_.data(), n);
}

void TFileStream::Sync() {
    Flush();
    if (::fsync(fd_) != 0) throw StreamError("sync failed");
}

std::uint64_t TFileStream::Position() const {
    return filePosition_ - (readEnd_ - readStart_) + pendingWrite_;
}

std::uint64_t TFileStream::Size() const {
    return std::max(fileSize_, filePosition_ + pendingWrite_);
}

void TFileStream::Seek(std::uint64_t position) {
    Flush();
    readStart_ = readEnd_ = 0;
    if (::lseek(fd_, static_cast<off_t>(position), SEEK_SET) < 0) throw StreamError("seek failed");
    filePosition_ = position;
}

} // namespace brelvane
