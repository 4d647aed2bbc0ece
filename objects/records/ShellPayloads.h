#pragma once

#include "objects/records/ListItem.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

enum : int {
    kWriteShellComboBoxError = 1096,
    kReadShellComboBoxError = 1097,
    kWriteShellListViewError = 1098,
    kReadShellListViewError = 1099,
    kWriteShellTreeViewError = 1110,
    kReadShellTreeViewError = 1111,
};

// What every shell view shows: a folder of the disc, relative to the base
// folder and beginning with a backslash ("\" is the base folder itself).
struct TShellView {
    std::string Root;
};

// Kind 24: a drop-down of the root folder and its folders.
struct TShellComboBoxPayload : TPayloadOf<TShellComboBoxPayload>, TShellView {
    static constexpr TRecordCodes Codes{kWriteShellComboBoxError, kReadShellComboBoxError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::int32_t Color = clWindow;
    std::int32_t DropDownCount = 8;
    // The Name of a ShellTreeView object; stored and shown, not followed.
    std::string ShellTreeView;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TShellComboBoxPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Color", payload.Color) &&
           ar("DropDownCount", payload.DropDownCount) && ar("Root", payload.Root) &&
           ar("ShellTreeView", payload.ShellTreeView) && Bounds(ar, payload);
}

// Kind 25: the folders below the root as a tree.
struct TShellTreeViewPayload : TPayloadOf<TShellTreeViewPayload>, TShellView {
    static constexpr TRecordCodes Codes{kWriteShellTreeViewError, kReadShellTreeViewError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::uint8_t Border = lbSingle;
    std::int32_t Color = clWindow;
    bool HotTrack = true;
    // The Name of the ShellListView object that shows the chosen folder.
    std::string ShellListView;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TShellTreeViewPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Border", payload.Border) && ar("Color", payload.Color) &&
           ar("HotTrack", payload.HotTrack) && ar("Root", payload.Root) &&
           ar("ShellListView", payload.ShellListView) && Bounds(ar, payload);
}

// Kind 26: the files and folders of one folder.
struct TShellListViewPayload : TPayloadOf<TShellListViewPayload>, TShellView {
    static constexpr TRecordCodes Codes{kWriteShellListViewError, kReadShellListViewError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::uint8_t Border = lbSingle;
    std::int32_t Color = clWindow;
    bool HotTrack = false;
    std::uint8_t HotTrackStyles = htHandPoint | htUnderlineHot;
    std::uint8_t ViewStyle = vsIcon;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TShellListViewPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Border", payload.Border) && ar("Color", payload.Color) &&
           ar("HotTrack", payload.HotTrack) && ar("HotTrackStyles", payload.HotTrackStyles) &&
           ar("ViewStyle", payload.ViewStyle) && ar("Root", payload.Root) && Bounds(ar, payload);
}

inline constexpr auto WriteShellComboBoxPayload = &WriteRecord<TShellComboBoxPayload>;
inline constexpr auto ReadShellComboBoxPayload = &ReadRecord<TShellComboBoxPayload>;
inline constexpr auto WriteShellTreeViewPayload = &WriteRecord<TShellTreeViewPayload>;
inline constexpr auto ReadShellTreeViewPayload = &ReadRecord<TShellTreeViewPayload>;
inline constexpr auto WriteShellListViewPayload = &WriteRecord<TShellListViewPayload>;
inline constexpr auto ReadShellListViewPayload = &ReadRecord<TShellListViewPayload>;

} // namespace brelvane
