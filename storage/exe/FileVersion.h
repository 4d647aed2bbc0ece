#pragma once

#include <string>

namespace brelvane {

// "StringFileInfo\040904E4\FileVersion" of an executable: a PE file or our
// Linux executable with its resource section. Empty when the file is
// missing, has no version information or is damaged; never throws.
std::string ReadFileVersion(const std::string& path);

} // namespace brelvane
