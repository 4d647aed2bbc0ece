#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"

#include <cstdint>
#include <string>

namespace brelvane {

enum : int { kWriteFontError = 1051, kReadFontError = 1052 };

enum TFontStyle : std::uint8_t {
    fsBold = 1 << 0,
    fsItalic = 1 << 1,
    fsUnderline = 1 << 2,
    fsStrikeOut = 1 << 3,
};

// Colour values of the system palette (high byte 0x80).
inline constexpr std::int32_t clWindow = static_cast<std::int32_t>(0x80000005u);
inline constexpr std::int32_t clWindowText = static_cast<std::int32_t>(0x80000008u);
inline constexpr std::int32_t clBtnFace = static_cast<std::int32_t>(0x8000000Fu);

// A font as stored; the defaults are those of a newly created font.
struct TFont {
    static constexpr TRecordCodes Codes{kWriteFontError, kReadFontError};
    std::string Name = "Tahoma";
    std::int32_t Color = clWindowText;
    std::int32_t Size = 8;
    std::uint8_t Style = 0;

    bool operator==(const TFont&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TFont& font) {
    return ar("Name", font.Name) && ar("Color", font.Color) && ar("Size", font.Size) &&
           ar("Style", font.Style);
}

inline constexpr auto WriteFont = &WriteRecord<TFont>;
inline constexpr auto ReadFont = &ReadRecord<TFont>;

} // namespace brelvane
