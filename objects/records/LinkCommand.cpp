#include "objects/records/LinkCommand.h"

#include <algorithm>
#include <string_view>

namespace brelvane {

namespace {
struct TLinkMarker {
    std::string_view Marker;
    std::uint8_t ActionType;
    bool Relative; // a file relative to the base folder: leading backslash added
    // A file or folder: the browser writes its backslashes as slashes.
    bool Path;
};

// Order matters: a link naming both "CMD_PRINT=" and "CMD_OPEN=" opens.
constexpr TLinkMarker kMarkers[] = {
    {"CMD_OPEN=", 1, true, true},       {"CMD_EMAIL=", 3, false, false},
    {"CMD_SOUND=", 4, true, true},      {"CMD_PRINT=", 5, true, true},
    {"CMD_BROWSE", 7, false, true},     {"CMD_EXIT", 8, false, false},
    {"CMD_GOTOPAGE=", 6, false, false},
};
} // namespace

std::optional<TCommand> ParseLinkCommand(const std::string& address) {
    for (const auto& marker : kMarkers) {
        const auto at = address.find(marker.Marker);
        if (at == std::string::npos) continue;
        TCommand command;
        command.ActionType = marker.ActionType;
        if (marker.ActionType != 8) {
            command.ActionFile = address.substr(at + marker.Marker.size(), kLinkArgumentLimit);
            if (marker.Path)
                std::replace(command.ActionFile.begin(), command.ActionFile.end(), '/', '\\');
            if (marker.Relative && (command.ActionFile.empty() || command.ActionFile[0] != '\\'))
                command.ActionFile.insert(command.ActionFile.begin(), '\\');
        }
        return command;
    }
    return std::nullopt;
}

} // namespace brelvane
