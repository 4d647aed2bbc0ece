#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brelvane::platform {

// The user's documents folder (XDG), without a trailing separator.
std::string DocumentsFolder();
// The system's temporary folder, without a trailing separator.
std::string TempFolder();

// One special folder that actions may name.
struct TSpecialFolderInfo {
    std::uint8_t Index;
    std::string Name;
};

inline constexpr int kSpecialFolderCount = 57;

// The special folders in index order.
const std::array<TSpecialFolderInfo, kSpecialFolderCount>& SpecialFolders();
// The Windows identifier (CSIDL) of the folder with that index.
int SpecialFolderCsidl(int index);
// The folder's path on this machine, without a trailing separator; empty
// when the desktop has no equivalent or the index is out of range.
std::string SpecialFolderPath(int index);
// Whether the text has the form of a token: "[", at least one character, "]".
bool IsSpecialFolderToken(const std::string& token);
// "[" name "]" with a name of the table (exact case) gives that folder's
// path; any other token gives an empty string.
std::string ResolveSpecialFolder(const std::string& token);

} // namespace brelvane::platform
