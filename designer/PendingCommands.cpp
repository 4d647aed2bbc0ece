#include "designer/PendingCommands.h"

#include <array>

namespace brelvane {

namespace {
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

} // namespace brelvane
