#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

enum : int { kWriteMenuItemError = 1003, kReadMenuItemError = 1004 };

// Menus nest no deeper than this when read; a deeper stream is damage (it
// would otherwise recurse without bound).
inline constexpr int kMaxMenuDepth = 32;

// One item of a menu bar or pop-up menu; its Hint holds its action as a short command.
struct TMenuItem {
    static constexpr TRecordCodes Codes{kWriteMenuItemError, kReadMenuItemError};
    // Menus deeper than the reader accepts are refused by the writer too, so
    // that every saved page loads again.
    static constexpr int MaxDepth = kMaxMenuDepth;

    std::string Caption;
    std::string Hint;
    std::uint16_t ShortCut = 0;
    bool RadioItem = false;
    std::uint8_t GroupIndex = 0;
    bool Enabled = true;
    bool Default = false;
    bool Checked = false;
    bool AutoCheck = false;
    TPicture Bitmap;
    std::vector<TMenuItem> Items;

    bool IsSeparator() const { return Caption == "-"; }
    bool operator==(const TMenuItem&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TMenuItem& item) {
    return ar("Caption", item.Caption) && ar("Hint", item.Hint) && ar("ShortCut", item.ShortCut) &&
           ar("RadioItem", item.RadioItem) && ar("GroupIndex", item.GroupIndex) &&
           ar("Enabled", item.Enabled) && ar("Default", item.Default) &&
           ar("Checked", item.Checked) && ar("AutoCheck", item.AutoCheck) &&
           ar("Bitmap", item.Bitmap) && ar("Items", item.Items);
}

inline constexpr auto WriteMenuItem = &WriteRecord<TMenuItem>;
inline constexpr auto ReadMenuItem = &ReadRecord<TMenuItem>;

} // namespace brelvane
