#pragma once

#include "storage/ByteStream.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

enum : int { kWriteStringError = 1053, kReadStringError = 1054 };

// Strings hold ANSI bytes exactly as stored.
bool WriteString(TStream& stream, std::string_view value);
// Reads a String through the stream's calls; ReadString's way when the
// bytes are not at hand.
bool ReadStringBlock(TStream& stream, std::string& value);
// A String whose length and bytes lie in the read window is taken with one
// copy, without a call.
inline bool ReadString(TStream& stream, std::string& value) {
    const auto window = stream.ReadWindow();
    std::int32_t length = -1;
    if (window.size() >= sizeof length) std::memcpy(&length, window.data(), sizeof length);
    if (length < 0 || static_cast<std::size_t>(length) > window.size() - sizeof length)
        return ReadStringBlock(stream, value);
    value.assign(reinterpret_cast<const char*>(window.data()) + sizeof length,
                 static_cast<std::size_t>(length));
    stream.Skip(sizeof length + static_cast<std::size_t>(length));
    return true;
}

// A list of strings is stored as one String: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
// Splits at CR LF, LF or CR; a final line ending adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace brelvane
