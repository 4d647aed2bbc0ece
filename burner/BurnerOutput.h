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

// The xorriso command that burns the base folder, without the project
// source and with `runtimeFolder` as "AutoRunRuntime", onto the disc in
// `drive`, blanking a rewritable one first, and ejects it.
std::vector<std::string> BurnCommand(const std::string& baseFolder,
                                     const std::string& runtimeFolder, const std::string& drive,
                                     const std::string& label);

} // namespace brelvane
