#include "storage/ByteStream.h"

#include "storage/FileSystem.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstring>

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
TNativeFile::Mode NativeMode(TFileStream::Mode mode) {
    switch (mode) {
    case TFileStream::Mode::Read:
        return TNativeFile::Mode::Read;
    case TFileStream::Mode::Create:
        return TNativeFile::Mode::Create;
    case TFileStream::Mode::ReadWrite:
        return TNativeFile::Mode::ReadWrite;
    }
    return TNativeFile::Mode::Read;
}
} // namespace

TFileStream::TFileStream(const std::string& path, Mode mode)
    : file_(std::make_unique<TNativeFile>(path, NativeMode(mode))), buffer_(kBufferSize) {
    fileSize_ = file_->Size();
}

TFileStream::~TFileStream() {
    if (!file_) return;
    try {
        Flush();
    } catch (const StreamError&) {
        // Callers that care about the last bytes call Close() and see the error.
    }
}

void TFileStream::Close() {
    if (!file_) return;
    Flush();
    const auto file = std::move(file_);
    file->Close();
}

std::size_t TFileStream::RawRead(void* target, std::size_t count) {
    const std::size_t done = file_->ReadUpTo(target, count);
    filePosition_ += done;
    return done;
}

void TFileStream::RawWrite(const void* source, std::size_t count) {
    file_->WriteAll(source, count);
    filePosition_ += count;
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
    file_->Seek(logical);
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
    file_->Sync();
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
    file_->Seek(position);
    filePosition_ = position;
}

} // namespace brelvane
