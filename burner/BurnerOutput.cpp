#include "burner/BurnerOutput.h"

#include "publish/PublishTree.h"

#include <algorithm>
#include <regex>

namespace brelvane {

std::vector<TDrive> WritableDrives(const std::string& devicesOutput) {
    // 0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'
    static const std::regex line(R"(^\s*\d+\s+-dev\s+'([^']+)'\s+(\S+)\s*:\s*(.*?)\s*$)");
    std::vector<TDrive> drives;
    std::size_t start = 0;
    while (start < devicesOutput.size()) {
        auto end = devicesOutput.find('\n', start);
        if (end == std::string::npos) end = devicesOutput.size();
        std::smatch match;
        const std::string text = devicesOutput.substr(start, end - start);
        // The first pair of the access string is ours to the drive itself.
        if (std::regex_match(text, match, line) && match[2].length() >= 2 &&
            match[2].str()[1] == 'w') {
            std::string name = match[3];
            name.erase(std::remove(name.begin(), name.end(), '\''), name.end());
            drives.push_back({match[1], name.empty() ? std::string(match[1]) : name});
        }
        start = end + 1;
    }
    return drives;
}

std::vector<std::string> BurnCommand(const std::string& baseFolder,
                                     const std::string& runtimeFolder, const std::string& drive,
                                     const std::string& label) {
    return {"xorriso",
            "-outdev",
            drive,
            "-blank",
            "as_needed",
            "-volid",
            label,
            "-joliet",
            "on",
            "-not_leaf",
            kProjectSourceFolder,
            "-map",
            baseFolder,
            "/",
            "-map",
            runtimeFolder,
            std::string("/") + kPublishedRuntimeFolder,
            "-commit",
            "-eject",
            "all"};
}

} // namespace brelvane
