#pragma once

#include "objects/records/ListItem.h"
#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int {
    kWriteListBoxError = 1086,
    kReadListBoxError = 1087,
    kWriteDropDownListError = 1088,
    kReadDropDownListError = 1089,
};

// What the list box and the drop-down list share: owner-drawn items of one
// height, each with an icon and a caption, and the selected item.
struct TItemList {
    std::int32_t ItemHeight = 19;
    std::int32_t IconWidth = 16;
    std::int32_t IconHeight = 16;
    std::vector<TListBoxItem> Items;
    // The selected item, -1 for none; kept up to date by the running control.
    std::int32_t SelectedIndex = -1;

    // The selected item, or null when none is selected or the index is outside the items.
    const TListBoxItem* SelectedItem() const;
};

template <class Archive> bool ItemListFields(Archive& ar, TItemList& list) {
    return ar("ItemHeight", list.ItemHeight) && ar("IconWidth", list.IconWidth) &&
           ar("IconHeight", list.IconHeight) && ItemList(ar, "Items", list.Items, kPlainItem) &&
           ar("SelectedIndex", list.SelectedIndex);
}

// Kind 20.
struct TListBoxPayload : TPayloadOf<TListBoxPayload>, TItemList {
    static constexpr TRecordCodes Codes{kWriteListBoxError, kReadListBoxError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::uint8_t Border = lbSingle;
    std::int32_t Color = clWindow;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TListBoxPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Border", payload.Border) && ar("Color", payload.Color) &&
           ItemListFields(ar, payload) && Bounds(ar, payload);
}

// Kind 21: a drop-down list without typing.
struct TDropDownListPayload : TPayloadOf<TDropDownListPayload>, TItemList {
    static constexpr TRecordCodes Codes{kWriteDropDownListError, kReadDropDownListError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::int32_t Color = clWindow;
    // Rows shown when dropped down.
    std::int32_t DropDownCount = 8;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TDropDownListPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Color", payload.Color) && ItemListFields(ar, payload) &&
           ar("DropDownCount", payload.DropDownCount) && Bounds(ar, payload);
}

inline constexpr auto WriteListBoxPayload = &WriteRecord<TListBoxPayload>;
inline constexpr auto ReadListBoxPayload = &ReadRecord<TListBoxPayload>;
inline constexpr auto WriteDropDownListPayload = &WriteRecord<TDropDownListPayload>;
inline constexpr auto ReadDropDownListPayload = &ReadRecord<TDropDownListPayload>;

} // namespace brelvane
