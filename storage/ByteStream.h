#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
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
// so a four-byte field never costs a system call of its own.
class TStream {
public:
    virtual ~TStream() = default;

    // Transfers up to `count` bytes and returns how many moved.
    virtual std::size_t ReadSome(void* target, std::size_t count) = 0;
    // Writes all bytes or throws StreamError.
    virtual void Write(const void* source, std::size_t count) = 0;
    virtual std::uint64_t Position() const = 0;
    virtual std::uint64_t Size() const = 0;
    virtual void Seek(std::uint64_t position) = 0;
    // Pushes buffered bytes to the underlying store; throws on failure.
    virtual void Flush() {}

    std::uint64_t Remaining() const;
    // Reads exactly `count` bytes or throws StreamError (the stream ended).
    void Read(void* target, std::size_t count);
};

// Growable in-memory stream.
class TMemoryStream final : public TStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(std::vector<std::uint8_t> bytes);

    std::size_t ReadSome(void* target, std::size_t count) override;
    void Write(const void* source, std::size_t count) override;
    std::uint64_t Position() const override { return position_; }
    std::uint64_t Size() const override { return bytes_.size(); }
    void Seek(std::uint64_t position) override;

    const std::vector<std::uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
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
    void Write(const void* source, std::size_t count) override;
    std::uint64_t Position() const override;
    std::uint64_t Size() const override;
    void Seek(std::uint64_t position) override;
    void Flush() override;
    // Flushes and waits until the bytes are on the disk.
    void Sync();
    // Flushes and closes; throws when the last bytes cannot be written.
    void Close();

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
