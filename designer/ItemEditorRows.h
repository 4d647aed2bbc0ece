#pragma once

#include "designer/RowFactory.h"
#include "dialogs/ActionContext.h"

#include <functional>

namespace brelvane {

// The action dialogs' view of the page the rows were built for, with the
// project pickers.
TActionContext PageActionContext(const TRowContext& context);

// Gives a dialog row its ellipsis: `edit` works on a copy of `field`, which
// takes the copy only when the editor reports a change.
template <class T, class Edit>
TPropertyRow EditorRow(TPropertyRow row, TRowContext& context, T& field, Edit edit) {
    row.Open = [&context, &field, edit](const std::function<void()>& beforeChange) {
        const TActionContext actions = PageActionContext(context);
        T copy = field;
        if (!edit(context.DialogOwner, actions, copy)) return false;
        beforeChange();
        field = std::move(copy);
        return true;
    };
    return row;
}

} // namespace brelvane
