#pragma once

#include <cstddef>
#include <string>

namespace brelvane {

// An open file descriptor for whole-file block copies, closed with its owner.
class TPosixFile {
public:
    // Throws StreamError (errno set) when the file cannot be opened.
    TPosixFile(const std::string& path, int flags);
    ~TPosixFile();
    TPosixFile(const TPosixFile&) = delete;
    TPosixFile& operator=(const TPosixFile&) = delete;

    // Reads until `count` bytes or the end of the file; returns how many came.
    std::size_t ReadUpTo(void* target, std::size_t count);
    // Writes every byte or throws StreamError.
    void WriteAll(const void* source, std::size_t count);
    // Closes and throws when the last bytes could not be stored.
    void Close();

private:
    int fd_ = -1;
};

} // namespace brelvane
