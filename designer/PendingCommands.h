#pragma once

#include <span>

class QObject;

namespace brelvane {

// A command of the main window whose dialog or work comes with a later part
// of the designer; it stays disabled until then.
struct TPendingCommand {
    const char* ObjectName;
    const char* BroughtBy;
};

// Every such command, one row each; a row goes when its feature lands.
std::span<const TPendingCommand> PendingCommands();

// Disables every action and widget under `root` named in the table; returns
// how many it found.
int DisablePendingCommands(QObject& root);

} // namespace brelvane
