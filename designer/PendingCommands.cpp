#include "designer/PendingCommands.h"

#include <QAction>
#include <QWidget>
#include <array>

namespace brelvane {

namespace {
constexpr std::array kPending{
    TPendingCommand{"GetPage1", "template library"},
    TPendingCommand{"ToolButton_LoadFromTemplate", "template library"},
    TPendingCommand{"PageTemplate1", "template library"},
    TPendingCommand{"ObjectTemplate1", "template library"},
    TPendingCommand{"SetVisibleTrueInGroup1", "groups"},
    TPendingCommand{"SetVisibleFalseInGroup1", "groups"},
    TPendingCommand{"GroupList1", "groups"},
};

constexpr std::array kPendingRowDialogs{
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
