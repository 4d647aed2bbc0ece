#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace brelvane {

class TNativeFile;

// Raised by the stream when a transfer cannot be completed; block operations
// catch it and report it with their own error code.
class StreamError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A seekable byte stream. Reads and writes go through the subclass's buffer,
// so a four-byte field never costs a system call of its own. A subclass may
// open a window on its buffer, in which Read and Write move bytes inline,
// without a virtual call: the fields of a record cost a copy each.
class TStream {
public:
    virtual ~TStream() = default;

    // Transfers up to `count` bytes and returns how many moved.
    virtual std::size_t ReadSome(void* target, std::size_t count) = 0;
    virtual std::uint64_t Position() const = 0;
    virtual std::uint64_t Size() const = 0;
    virtual void Seek(std::uint64_t position) = 0;
    // Pushes buffered bytes to the underlying store; throws on failure.
    virtual void Flush() {}

    std::uint64_t Remaining() const;
    // Reads exactly `count` bytes or throws StreamError (the stream ended).
    void Read(void* target, std::size_t count) {
        if (count <= static_cast<std::size_t>(readEnd_ - readAt_)) {
            if (count > 0) std::memcpy(target, readAt_, count);
            readAt_ += count;
            return;
        }
        ReadBlock(target, count);
    }
    // The next bytes where they lie, as far as the read window reaches
    // (possibly none); Skip reads past some of them.
    std::span<const std::uint8_t> ReadWindow() const {
        return {readAt_, static_cast<std::size_t>(readEnd_ - readAt_)};
    }
    void Skip(std::size_t count) { readAt_ += std::min(count, ReadWindow().size()); }
    // Writes all bytes or throws StreamError.
    void Write(const void* source, std::size_t count) {
        if (count <= static_cast<std::size_t>(writeEnd_ - writeAt_)) {
            if (count > 0) std::memcpy(writeAt_, source, count);
            writeAt_ += count;
            return;
        }
        WriteBlock(source, count);
    }

protected:
    // Writes what does not fit the write window; all bytes or throws.
    virtual void WriteBlock(const void* source, std::size_t count) = 0;

    // The windows: the stream's next bytes lie at readAt_ up to readEnd_, and
    // its next writes may go to writeAt_ up to writeEnd_. At most one is open
    // (empty: both pointers equal); the subclass counts what moved through
    // them before it does anything else.
    const std::uint8_t* readAt_ = nullptr;
    const std::uint8_t* readEnd_ = nullptr;
    std::uint8_t* writeAt_ = nullptr;
    std::uint8_t* writeEnd_ = nullptr;

private:
    void ReadBlock(void* target, std::size_t count);
};

// Growable in-memory stream. Its bytes grow by reallocation, which moves
// large blocks without copying them where the system can.
class TMemoryStream final : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(const std::vector<std::uint8_t>& bytes);
    TMemoryStream(const TMemoryStream&) = delete;
    TMemoryStream& operator=(const TMemoryStream&) = delete;

    std::size_t ReadSome(void* target, std::size_t count) override;
    std::uint64_t Position() const override;
    std::uint64_t Size() const override;
    void Seek(std::uint64_t position) override;

    // The bytes as they lie, valid until the next write.
    std::span<const std::uint8_t> View() const {
        return {data_.get(), static_cast<std::size_t>(Size())};
    }
    // A copy of the bytes.
    std::vector<std::uint8_t> Bytes() const { return {View().begin(), View().end()}; }

protected:
    void WriteBlock(const void* source, std::size_t count) override;

private:
    // Counts what moved through the windows and closes them.
    void Settle();
    void Reserve(std::size_t needed);

    struct TFree {
        void operator()(std::uint8_t* bytes) const { std::free(bytes); }
    };
    std::unique_ptr<std::uint8_t, TFree> data_;
    std::size_t size_ = 0;
    std::size_t capacity_ = 0;
    std::size_t position_ = 0;
};

// Buffered stream over an open file.
class TFileStream final : public TStream {
public:
    enum class Mode { Read, Create, ReadWrite };

    // Throws StreamError (errno set) when the file cannot be opened.
    TFileStream(const std::string& path, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    std::size_t ReadSome(void* target, std::size_t count) override;
    std::uint64_t Position() const override;
    std::uint64_t Size() const override;
    void Seek(std::uint64_t position) override;
    void Flush() override;
    // Flushes and waits until the bytes are on the disk.
    void Sync();
    // Flushes and closes; throws when the last bytes cannot be written.
    void Close();

protected:
    void WriteBlock(const void* source, std::size_t count) override;

private:
    void DropReadBuffer();
    std::size_t RawRead(void* target, std::size_t count);
    void RawWrite(const void* source, std::size_t count);

    static constexpr std::size_t kBufferSize = 64 * 1024;
    std::unique_ptr<TNativeFile> file_; // null once closed
    std::uint64_t filePosition_ = 0;    // position of the open file
    std::uint64_t fileSize_ = 0;
    std::vector<std::uint8_t> buffer_;
    std::size_t readStart_ = 0; // unread bytes: buffer_[readStart_, readEnd_)
    std::size_t readEnd_ = 0;
    std::size_t pendingWrite_ = 0; // bytes in buffer_ not yet written
};

} // namespace brelvane
