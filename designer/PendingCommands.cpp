#include "designer/PendingCommands.h"

#include <QAction>
#include <QWidget>
#include <array>

namespace brelvane {

namespace {
constexpr std::array kPending{
    TPendingCommand{"ProjectOptions1", "project options dialog"},
    TPendingCommand{"ToolButton_ProjectOptions", "project options dialog"},
    TPendingCommand{"CDIcon1", "picture dialog"},
    TPendingCommand{"BackGroundColor1", "colour dialog"},
    TPendingCommand{"SetVisibleTrueInGroup1", "group chooser"},
    TPendingCommand{"SetVisibleFalseInGroup1", "group chooser"},
};

constexpr std::array kPendingRowDialogs{
    TPendingRowDialog{TRowDialog::Colour, "TSelectColorForm", "colour dialog"},
    TPendingRowDialog{TRowDialog::Picture, "TImageEditorForm", "picture dialog"},
    TPendingRowDialog{TRowDialog::Text, "TTextEditorForm", "text editor"},
    TPendingRowDialog{TRowDialog::RichText, "TRichEditorForm", "rich text editor"},
    TPendingRowDialog{TRowDialog::MenuItems, "TMenuEditorForm", "item editors"},
    TPendingRowDialog{TRowDialog::ToolButtons, "TToolButtonsForm", "item editors"},
    TPendingRowDialog{TRowDialog::StatusPanels, "TStatusBarForm", "item editors"},
    TPendingRowDialog{TRowDialog::ListItems, "TListItemsForm", "item editors"},
    TPendingRowDialog{TRowDialog::ViewItems, "TViewItemsForm", "item editors"},
    TPendingRowDialog{TRowDialog::Columns, "TListColumnForm", "item editors"},
    TPendingRowDialog{TRowDialog::FileEntry, "TActionFileEditForm", "action dialogs"},
};
} // namespace

std::span<const TPendingRowDialog> PendingRowDialogs() {
    return kPendingRowDialogs;
}

bool IsPendingRowDialog(TRowDialog dialog) {
    for (const auto& pending : kPendingRowDialogs)
        if (pending.Dialog == dialog) return true;
    return false;
}

std::span<const TPendingCommand> PendingCommands() {
    return kPending;
}

int DisablePendingCommands(QObject& root) {
    int found = 0;
    for (const auto& command : kPending) {
        for (auto* object : root.findChildren<QObject*>(command.ObjectName)) {
            if (auto* action = qobject_cast<QAction*>(object)) {
                action->setEnabled(false);
                ++found;
            } else if (auto* widget = qobject_cast<QWidget*>(object)) {
                widget->setEnabled(false);
                ++found;
            }
        }
    }
    return found;
}

} // namespace brelvane
