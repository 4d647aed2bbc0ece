#pragma once

#include <string>

namespace brelvane {

// The message for a failed shell start (code 32 or less), or for a system
// error number of the same values.
std::string ShellErrorMessage(int code);

} // namespace brelvane
