#pragma once

#include <functional>
#include <string>
#include <vector>

namespace brelvane::launcher {

// Starts a program and waits for its end: (program, arguments, folder) to
// exit status, as RunChild.
using TChildRunner =
    std::function<int(const std::string&, const std::vector<std::string>&, const std::string&)>;

// The exit status of a launcher whose package cannot be unpacked.
inline constexpr int kUnpackFailed = 1;

// Unpacks the package appended to `executable` into a new folder "Brelvane"
// + N of `tempFolder`, runs its "autorun.exe" there with `arguments` after
// the program name, and removes the folder again, also when unpacking failed
// half-way. Returns the player's exit status, kUnpackFailed (reported on
// standard error) when it never started.
int RunPackagedPlayer(const std::string& executable, const std::string& tempFolder,
                      const std::vector<std::string>& arguments, const TChildRunner& run);

} // namespace brelvane::launcher
