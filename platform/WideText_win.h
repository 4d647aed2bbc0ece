#pragma once

#include <string>

namespace brelvane::platform {

// Windows' wide-character calls take UTF-16. Paths from the system are UTF-8;
// texts stored in a project are ANSI (Windows-1252): bytes that are not valid
// UTF-8 are read as Latin-1, its near twin.
std::wstring WideText(const std::string& bytes);
// A file, folder or address for the shell: "/" between names becomes "\",
// except in an address ("http:", "mailto:" and the like).
std::wstring WideShellTarget(const std::string& bytes);
std::string Utf8Text(const std::wstring& text);

} // namespace brelvane::platform
