#pragma once

#include <string>
#include <vector>

namespace brelvane::launcher {

// Runs `program` with `arguments` (the first is the name it is started
// under) in `folder`, passing on the interrupt and termination signals the
// launcher gets, and returns its exit status (128 + signal when a signal
// ended it, 127 when it could not start).
int RunChild(const std::string& program, const std::vector<std::string>& arguments,
             const std::string& folder);

// The file of the running launcher, "" when it cannot be told.
std::string RunningExecutable();

// The system's temporary folder.
std::string TemporaryFolder();

// Makes a file executable by everyone who may read it.
bool MakeExecutable(const std::string& path);

} // namespace brelvane::launcher
