#pragma once

#include <string>

namespace brelvane::platform {

// The user's documents folder (XDG), without a trailing separator.
std::string DocumentsFolder();
// The system's temporary folder, without a trailing separator.
std::string TempFolder();

} // namespace brelvane::platform
