#include "dialogs/StreamCopy.h"

namespace brelvane {

bool CopyListItem(const TListBoxItem& from, TListBoxItem& to, TItemForm form,
                  TMemoryStream& through) {
    const auto start = through.Position();
    if (!WriteListItem(through, from, form.Children, form.SubItems)) return false;
    through.Seek(start);
    if (!ReadListItem(through, to, form.Children, form.SubItems)) return false;
    to.TreeNode = from.TreeNode;
    return true;
}

bool CopyListItem(const TListBoxItem& from, TListBoxItem& to, TItemForm form) {
    TMemoryStream stream;
    return CopyListItem(from, to, form, stream);
}

bool CopyListItems(const std::vector<TListBoxItem>& from, std::vector<TListBoxItem>& to,
                   TItemForm form) {
    to.clear();
    to.reserve(from.size());
    TMemoryStream stream;
    for (const auto& item : from)
        if (!CopyListItem(item, to.emplace_back(), form, stream)) return false;
    return true;
}

} // namespace brelvane
