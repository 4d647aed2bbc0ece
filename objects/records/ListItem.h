#pragma once

#include "objects/records/BoundedList.h"
#include "objects/records/Command.h"
#include "objects/records/CommandStream.h"
#include "storage/ByteStream.h"
#include "storage/Fields.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

enum : int { kWriteListItemError = 1112, kReadListItemError = 1113 };

// The border of the list kinds that have one.
enum TListBorder : std::uint8_t { lbNone, lbSingle };

struct TTreeNode;

// One item of a list box, drop-down list, list view or tree view: a caption,
// an icon and an action of its own, so that a list is a compact menu.
struct TListBoxItem {
    std::string Caption;
    TPicture Icon;
    // Only the action fields are used.
    TCommand Command;
    // Report columns: one line per column, each line ended by CR LF.
    std::string SubItems;
    // Tree nodes only: what the associated list view shows while the node is
    // selected. These items have none of their own.
    std::vector<TListBoxItem> AssociatedItems;
    // Run time only, list view items: the tree node this item stands for.
    // Never stored; valid while that tree keeps its nodes.
    const TTreeNode* TreeNode = nullptr;

    bool operator==(const TListBoxItem&) const = default;
};

// Which optional parts an item's stored form carries.
struct TItemForm {
    bool Children = false;
    bool SubItems = false;
};
// List boxes and drop-down lists; list view items; tree nodes.
inline constexpr TItemForm kPlainItem{false, false};
inline constexpr TItemForm kReportItem{false, true};
inline constexpr TItemForm kNodeItem{true, true};

// The fewest bytes a stored command record takes (every string empty, the
// packed strings too), and so the fewest an item of each form takes.
inline constexpr std::uint64_t kMinCommandBytes = 50;
constexpr std::uint64_t MinItemBytes(TItemForm form) {
    return 4 + 4 + kMinCommandBytes + (form.SubItems ? 4 : 0) + (form.Children ? 4 : 0);
}

template <class Archive> bool Fields(Archive& ar, TListBoxItem& item, TItemForm form);

namespace detail {
inline constexpr TRecordCodes kChildItemCodes{kWriteListItemError, kReadListItemError};
}

// An item's children: a count and the items, each without children of its
// own and with the parent's sub-items setting; the count and the children
// report failures with the item codes.
template <class Archive>
bool ChildItems(Archive& ar, std::vector<TListBoxItem>& items, bool subItems) {
    const TItemForm form{false, subItems};
    return ar("AssociatedItems",
              BoundedList(
                  items, MinItemBytes(form),
                  [form](auto& archive, TListBoxItem& item) { return Fields(archive, item, form); },
                  &detail::kChildItemCodes));
}

template <class Archive> bool Fields(Archive& ar, TListBoxItem& item, TItemForm form) {
    return ar("Caption", item.Caption) && ar("Icon", item.Icon) && ar("Command", item.Command) &&
           (!form.SubItems || ar("SubItems", item.SubItems)) &&
           (!form.Children || ChildItems(ar, item.AssociatedItems, form.SubItems));
}

// A counted list of items of one form, inside its parent's report boundary.
template <class Archive>
bool ItemList(Archive& ar, const char* name, std::vector<TListBoxItem>& items, TItemForm form) {
    return ar(name,
              BoundedList(items, MinItemBytes(form), [form](auto& archive, TListBoxItem& item) {
                  return Fields(archive, item, form);
              }));
}

// One item on its own (the item editors copy items this way).
bool WriteListItem(TStream& stream, const TListBoxItem& item, bool withChildren, bool withSubItems);
bool ReadListItem(TStream& stream, TListBoxItem& item, bool withChildren, bool withSubItems);

// The item at `index`, or null for an index outside the items (-1: none selected).
const TListBoxItem* ItemAt(const std::vector<TListBoxItem>& items, std::int32_t index);

// The item's sub-items, one per line of SubItems (a last line without CR LF counts too).
std::vector<std::string> SubItemLines(const std::string& subItems);

} // namespace brelvane
