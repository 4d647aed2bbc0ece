#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brelvane {

// Runs a program given as its arguments (the first names the program) and
// returns its exit status, or one of the two codes below.
using TProgramRunner = std::function<int(const std::vector<std::string>& args)>;
inline constexpr int kProgramNotStarted = -1;
inline constexpr int kProgramCancelled = -2;
// The status of a program ended by a signal.
inline constexpr int kProgramSignalled = 255;

// Runs args[0], found on the search path, with its output where ours goes,
// and waits for its end, for callers without windows to keep painting.
int RunProgram(const std::vector<std::string>& args);

} // namespace brelvane
