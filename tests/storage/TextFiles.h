#pragma once

#include "storage/StorageTestSupport.h"

#include <cstdio>
#include <string>

namespace brelvane::test {

// A file's bytes as a string.
inline std::string ReadFileText(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// The standard output of a shell command.
inline std::string OutputOf(const std::string& command) {
    std::string output;
    if (FILE* pipe = ::popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            output.append(buffer, n);
        ::pclose(pipe);
    }
    return output;
}

} // namespace brelvane::test
