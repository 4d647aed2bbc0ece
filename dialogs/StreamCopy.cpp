#include "dialogs/StreamCopy.h"

namespace brelvane {

bool CopyListItem(const TListBoxItem& from, TListBoxItem& to, TItemForm form) {
    TMemoryStream stream;
    if (!WriteListItem(stream, from, form.Children, form.SubItems)) return false;
    stream.Seek(0);
    if (!ReadListItem(stream, to, form.Children, form.SubItems)) return false;
    to.TreeNode = from.TreeNode;
    return true;
}

bool CopyListItems(const std::vector<TListBoxItem>& from, std::vector<TListBoxItem>& to,
                   TItemForm form) {
    to.clear();
    to.reserve(from.size());
    for (const auto& item : from)
        if (!CopyListItem(item, to.emplace_back(), form)) return false;
    return true;
}

} // namespace brelvane
