#pragma once

#include "storage/ByteStream.h"

#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

enum : int { kWriteStringError = 1053, kReadStringError = 1054 };

// Strings hold ANSI bytes exactly as stored.
bool WriteString(TStream& stream, std::string_view value);
bool ReadString(TStream& stream, std::string& value);

// A list of strings is stored as one String: every line followed by CR LF.
std::string JoinLines(const std::vector<std::string>& lines);
// Splits at CR LF, LF or CR; a final line ending adds no empty line.
std::vector<std::string> SplitLines(std::string_view text);

} // namespace brelvane
