#pragma once

#include <string>

namespace brelvane {

// The designer runs under its own name ("Brelvane", with or without ".exe",
// in any case); under any other name the program is the menu player.
bool IsDesignerName(const std::string& fileName);

// The installation run: "-I" as the first argument, exactly.
bool IsInstallationRun(int argc, char** argv);

} // namespace brelvane
