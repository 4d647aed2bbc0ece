#pragma once

#include <QIcon>
#include <string>

namespace brelvane {

// The icon "MAINICON" of the program file at `programPath`, every image of it
// at its own size; a null icon when the file carries none.
QIcon ProgramIcon(const std::string& programPath);

} // namespace brelvane
