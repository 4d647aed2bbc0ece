#pragma once

#include "objects/records/ListItem.h"
#include "objects/records/Payload.h"
#include "storage/FontBlock.h"

namespace brelvane {

// The list view's read and write codes come in this order.
enum : int {
    kReadListViewError = 1092,
    kWriteListViewError = 1093,
    kWriteListColumnError = 1114,
    kReadListColumnError = 1115,
};

enum TViewStyle : std::uint8_t { vsIcon, vsSmallIcon, vsList, vsReport };
// The set of hot-tracking looks, as bits.
enum THotTrackStyle : std::uint8_t {
    htHandPoint = 1,
    htUnderlineCold = 2,
    htUnderlineHot = 4,
};
enum TSortType : std::uint8_t { stNone, stData, stText, stBoth };
enum TColumnAlignment : std::uint8_t { caLeft, caRight, caCenter };

// One report column of a list view.
struct TListColumn {
    static constexpr TRecordCodes Codes{kWriteListColumnError, kReadListColumnError};
    std::uint8_t Alignment = caLeft;
    bool AutoSize = false;
    std::string Caption;
    // An image of the view's image list shown in the header, -1 for none.
    std::int32_t ImageIndex = -1;
    // 0 sets no limit.
    std::int32_t MaxWidth = 0;
    std::int32_t MinWidth = 0;
    std::int32_t Tag = 0;
    std::int32_t Width = 50;

    bool operator==(const TListColumn&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TListColumn& column) {
    return ar("Alignment", column.Alignment) && ar("AutoSize", column.AutoSize) &&
           ar("Caption", column.Caption) && ar("ImageIndex", column.ImageIndex) &&
           ar("MaxWidth", column.MaxWidth) && ar("MinWidth", column.MinWidth) &&
           ar("Tag", column.Tag) && ar("Width", column.Width);
}

// The fewest bytes a stored column takes.
inline constexpr std::uint64_t kMinColumnBytes = 1 + 1 + 4 + 5 * 4;

// Kind 22.
struct TListViewPayload : TPayloadOf<TListViewPayload> {
    static constexpr TRecordCodes Codes{kWriteListViewError, kReadListViewError};
    std::int16_t CursorNumber = 0;
    TFont Font;
    std::uint8_t Border = lbSingle;
    std::int32_t Color = clWindow;
    // The image cell: one image list serves the large and the small icons.
    std::int32_t IconWidth = 32;
    std::int32_t IconHeight = 32;
    bool HotTrack = false;
    std::uint8_t HotTrackStyles = htHandPoint | htUnderlineHot;
    std::vector<TListColumn> Columns;
    std::vector<TListBoxItem> Items;
    // The control's own settings: a read keeps them whatever the stream holds.
    bool ColumnClick = false;
    bool ReportGridLines = false;
    bool HideSelection = false;
    bool ReportRowSelect = false;
    bool ShowColumnHeaders = true;
    std::uint8_t SortType = stNone;
    std::uint8_t ViewStyle = vsIcon;
    // The selected item, -1 for none; run time only, kept up to date by the control.
    std::int32_t SelectedIndex = -1;

    // The selected item, or null.
    const TListBoxItem* SelectedItem() const;
    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TListViewPayload& payload) {
    const auto column = [](auto& archive, TListColumn& entry) {
        return CodedEntry(archive, entry);
    };
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && ar("Border", payload.Border) && ar("Color", payload.Color) &&
           ar("IconWidth", payload.IconWidth) && ar("IconHeight", payload.IconHeight) &&
           ar("HotTrack", payload.HotTrack) && ar("HotTrackStyles", payload.HotTrackStyles) &&
           ar("Columns", BoundedList(payload.Columns, kMinColumnBytes, column)) &&
           ItemList(ar, "Items", payload.Items, kReportItem) &&
           ar("ColumnClick", Applied(payload.ColumnClick, TApply::Keep)) &&
           ar("ReportGridLines", payload.ReportGridLines) &&
           ar("HideSelection", payload.HideSelection) &&
           ar("ReportRowSelect", payload.ReportRowSelect) &&
           ar("ShowColumnHeaders", Applied(payload.ShowColumnHeaders, TApply::Keep)) &&
           ar("SortType", payload.SortType) && ar("ViewStyle", payload.ViewStyle) &&
           Bounds(ar, payload);
}

inline constexpr auto WriteListViewPayload = &WriteRecord<TListViewPayload>;
inline constexpr auto ReadListViewPayload = &ReadRecord<TListViewPayload>;

} // namespace brelvane
