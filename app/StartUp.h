#pragma once

#include "app/ProcessState.h"

#include <string>

namespace brelvane {

// The whole life of the process: mode decision, set-up, the mode's run, clean-up.
int RunProgram(int argc, char** argv);

// The two modes after the common set-up (an application object exists).
// Each returns the process exit code.
int RunDesignerMode(TProcessState& state, bool installationRun);
int RunPlayerMode(TProcessState& state);
// Player set-up before the first window: data source, project, title, icon.
bool StartPlayer(TProcessState& state);

// The designer's last base folder from "Brelvane.ini" beside the program, or
// "Brelvane Projects/CDROM" in the documents folder when that exists.
std::string DesignerStartFolder(const TProcessState& state);

} // namespace brelvane
