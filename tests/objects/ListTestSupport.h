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

// Reads `bytes` whole and without a box, and writes them back unchanged.
template <class P, class Read, class Write>
P ReadExactly(const Bytes& bytes, Read read, Write write) {
    P back = ReadBack<P>(bytes, read);
    EXPECT_EQ(Stored(write, back), bytes);
    return back;
}

// Every common field of a list payload away from its default.
template <class P> void Place(P& p) {
    p.CursorNumber = -3;
    p.Hint = "choose";
    p.Font.Name = "Arial";
    p.Font.Size = 11;
    p.Color = 0x00FFEEDD;
    p.Left = 12;
    p.Top = 34;
    p.Width = 209;
    p.Height = 150;
}

} // namespace brelvane::test
