#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// A drive the disc program lists, by the address it is given back under.
struct TDrive {
    std::string Address;
    std::string Name;
};

// The drives of `xorriso -devices` output that this user may write to.
std::vector<TDrive> WritableDrives(const std::string& devicesOutput);

// The share done, 0 to 100, that a progress line of xorriso reports
// ("xorriso : UPDATE :  45.12% done", "... Writing: 1024s 12.5% fifo ...").
std::optional<double> ProgressPercent(const std::string& line);

// The xorriso command that burns the base folder, without the project
// source and with `runtimeFolder` as "AutoRunRuntime", onto the disc in
// `drive`, blanking a rewritable one first, and ejects it.
std::vector<std::string> BurnCommand(const std::string& baseFolder,
                                     const std::string& runtimeFolder, const std::string& drive,
                                     const std::string& label);

} // namespace brelvane
