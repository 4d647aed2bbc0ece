#pragma once

#include <string>

namespace brelvane {

// The message for a failed shell start (code 32 or less), or for a system
// error number of the same values.
std::string ShellErrorMessage(int code);

// "The specified file \"<path>\" was not found."
std::string FileNotFoundText(const std::string& path);

} // namespace brelvane
