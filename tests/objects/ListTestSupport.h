#pragma once

#include "objects/ObjectTestSupport.h"
#include "objects/records/ListItem.h"
#include "objects/records/TreeViewPayload.h"

#include <string>

namespace brelvane::test {

// An item whose every stored part differs from the defaults.
inline TListBoxItem SampleItem(const std::string& caption, std::uint8_t actionType = 16) {
    TListBoxItem item;
    item.Caption = caption;
    item.Icon = SamplePicture(TPictureKind::Png);
    item.Command.ActionType = actionType;
    item.Command.ActionFile = caption + " chosen";
    item.Command.CloseAfterAction = 1;
    item.SubItems = caption + " size\r\n" + caption + " kind\r\n";
    return item;
}

// An item's stored form, built field by field.
inline Bytes ItemBytes(const TListBoxItem& item, TItemForm form) {
    Bytes bytes =
        Concat({StringBytes(item.Caption), PictureBytes(item.Icon), CommandBytes(item.Command)});
    const auto append = [&bytes](const Bytes& more) {
        bytes.insert(bytes.end(), more.begin(), more.end());
    };
    if (form.SubItems) append(StringBytes(item.SubItems));
    if (form.Children) {
        append(Int32Bytes(static_cast<std::int32_t>(item.AssociatedItems.size())));
        for (const auto& child : item.AssociatedItems)
            append(ItemBytes(child, {false, form.SubItems}));
    }
    return bytes;
}

// A node with `associated` associated items and the given child nodes.
inline TTreeNode SampleNode(const std::string& caption, int associated,
                            std::vector<TTreeNode> children = {}) {
    TTreeNode node;
    node.Item = SampleItem(caption);
    for (int i = 0; i < associated; ++i)
        node.Item.AssociatedItems.push_back(SampleItem(caption + "." + std::to_string(i), 1));
    node.Nodes = std::move(children);
    return node;
}

} // namespace brelvane::test
