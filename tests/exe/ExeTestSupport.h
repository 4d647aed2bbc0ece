#pragma once

#include "storage/StorageTestSupport.h"
#include "storage/exe/ExeErrors.h"

#include <cstdio>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace brelvane::test {

// A copy of a fixture built by MakeFixtures.py, in `folder`.
inline std::string FixtureCopy(const TempFolder& folder, const std::string& name) {
    const auto target = folder.File(name);
    std::filesystem::copy_file(std::string(BRELVANE_EXE_FIXTURES) + "/" + name, target,
                               std::filesystem::copy_options::overwrite_existing);
    return target;
}

inline std::string FixturePath(const std::string& name) {
    return std::string(BRELVANE_EXE_FIXTURES) + "/" + name;
}

// What a command printed on stdout and stderr, and its exit status.
struct CommandResult {
    std::string Output;
    int Status = -1;
};

inline CommandResult RunCommand(const std::string& command) {
    CommandResult result;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (!pipe) return result;
    char buffer[4096];
    while (const auto got = std::fread(buffer, 1, sizeof buffer, pipe))
        result.Output.append(buffer, got);
    result.Status = ::pclose(pipe);
    return result;
}

// The message of the EResourceError `action` raises; fails the test when
// it raises nothing or something else.
inline std::string ResourceErrorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const EResourceError& error) {
        return error.what();
    } catch (const std::exception& error) {
        ADD_FAILURE() << "unexpected error: " << error.what();
        return {};
    }
    ADD_FAILURE() << "no error";
    return {};
}

// Byte positions where two files of equal size differ.
inline std::vector<std::size_t> DifferingBytes(const Bytes& a, const Bytes& b) {
    std::vector<std::size_t> positions;
    EXPECT_EQ(a.size(), b.size());
    for (std::size_t i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i]) positions.push_back(i);
    return positions;
}

} // namespace brelvane::test
