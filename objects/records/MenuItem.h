#pragma once

#include "storage/ByteStream.h"
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

// Menus deeper than the reader accepts are refused, so that every saved page loads again.
bool WriteMenuItem(TStream& stream, const TMenuItem& item, int depth = 0);
bool ReadMenuItem(TStream& stream, TMenuItem& item, int depth = 0);

// The items of a menu one after another; callers store the count where their
// format puts it. A negative count is damage.
bool WriteMenuItems(TStream& stream, const std::vector<TMenuItem>& items, int depth = 0);
bool ReadMenuItems(TStream& stream, std::int32_t count, std::vector<TMenuItem>& items,
                   int depth = 0);

} // namespace brelvane
