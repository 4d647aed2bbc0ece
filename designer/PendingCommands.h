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

// The dialogs that rows of the property editor open. A row whose dialog is
// pending shows its value as a fixed row, without an ellipsis button.
enum class TRowDialog {
    Colour,
    Picture,
    Text,
    RichText,
    MenuItems,
    ToolButtons,
    StatusPanels,
    ListItems,
    ViewItems,
    Columns,
    ActionFiles,
    SlideShowAction,
    CopyFilesAction,
    LoadFileAction,
    ShowHideAction,
    ActionGroup,
    FileEntry,
};

struct TPendingRowDialog {
    TRowDialog Dialog;
    const char* Name;
    const char* BroughtBy;
};

// Every dialog of property rows that comes later, one row each.
std::span<const TPendingRowDialog> PendingRowDialogs();
bool IsPendingRowDialog(TRowDialog dialog);

} // namespace brelvane
