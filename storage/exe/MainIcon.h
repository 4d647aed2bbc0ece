#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

// The group icon every program of ours carries.
constexpr char kMainIconName[] = "MAINICON";
// Icon files above this size are refused.
constexpr std::uint64_t kLargestIconFile = 1048576;

// Replaces the images of the executable's group icon "MAINICON" by all
// images of the .ico file; they take the identifiers 1, 2, ... in file order.
// Raises EResourceError (or EFileError when the icon file cannot be opened);
// the executable is then byte-identical to before.
void ReplaceMainIcon(const std::string& executablePath, const std::string& iconPath);

// The images of "MAINICON" as an .ico file; empty when the file has none or
// is damaged. Never throws.
std::vector<std::uint8_t> ReadMainIcon(const std::string& executablePath);

} // namespace brelvane
