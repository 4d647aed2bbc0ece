#pragma once

#include <span>

namespace brelvane {

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
