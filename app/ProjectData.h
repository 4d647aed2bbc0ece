#pragma once

#include "app/ProcessState.h"

#include <string>

namespace brelvane {

// Player mode: the project source beside the program if it is there, else the
// target file, else the package appended to the program itself.
TDataSource ChooseDataSource(const std::string& baseFolder, const TProcessState& state);

// Loads the project index and settings from the chosen source; errors are
// reported through the error report. Returns success.
bool LoadProjectData(TProcessState& state);

// Data source 2: unpacks the package appended to the running program into a
// new "Brelvane" + N folder of the system's temporary folder, records every
// folder and file it made in the clean-up list, then reads the unpacked target
// file with that folder as the base folder. Returns success.
bool OpenAppendedPackage(TProcessState& state);

// The paths of the two file sources.
std::string ProjectIndexPath(const TProcessState& state);
std::string TargetFilePath(const TProcessState& state);

} // namespace brelvane
