#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace brelvane {

// Rich text as paragraphs of formatted runs: what the RTF reader builds, the
// writer stores and the text-document adapter shows. Lengths are in twips
// (1/1440 inch), font sizes in half-points, as in the stored text.

enum class TRtfFontFamily : std::uint8_t { Nil, Roman, Swiss, Modern, Script, Decor, Tech, Bidi };

struct TRtfFont {
    std::string Name; // UTF-8
    TRtfFontFamily Family = TRtfFontFamily::Nil;
    std::int32_t Charset = 0;
    std::int32_t Pitch = 0; // 0 default, 1 fixed, 2 variable
    bool operator==(const TRtfFont&) const = default;
};

// The character set of the font that draws bullets.
inline constexpr std::int32_t kSymbolCharset = 2;

struct TRtfColor {
    std::uint8_t Red = 0;
    std::uint8_t Green = 0;
    std::uint8_t Blue = 0;
    bool operator==(const TRtfColor&) const = default;
};

// The size a reader assumes before the text names one (12 points).
inline constexpr std::int32_t kRtfDefaultHalfPoints = 24;

struct TRtfCharFormat {
    // Index into the document's fonts; an index outside the table names no
    // font, and the viewer's default face is used.
    std::int32_t Font = 0;
    std::int32_t HalfPoints = kRtfDefaultHalfPoints;
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool Strike = false;
    std::optional<TRtfColor> Color; // none: the automatic (window text) colour
    bool operator==(const TRtfCharFormat&) const = default;
};

enum class TRtfAlignment : std::uint8_t { Left, Center, Right, Justify };

struct TRtfParagraphFormat {
    TRtfAlignment Alignment = TRtfAlignment::Left;
    std::int32_t LeftIndent = 0;
    std::int32_t RightIndent = 0;
    std::int32_t FirstIndent = 0; // of the first line, against LeftIndent
    bool Bullet = false;
    bool operator==(const TRtfParagraphFormat&) const = default;
};

// Text is UTF-8; '\t' is a tab and '\n' a line break inside the paragraph.
struct TRtfRun {
    TRtfCharFormat Format;
    std::string Text;
    bool operator==(const TRtfRun&) const = default;
};

struct TRtfParagraph {
    TRtfParagraphFormat Format;
    std::vector<TRtfRun> Runs;
    // The format in effect at the paragraph's end mark: what an empty
    // paragraph shows and what typing at its end continues with.
    TRtfCharFormat MarkFormat;
    bool operator==(const TRtfParagraph&) const = default;
};

inline constexpr std::int32_t kRtfDefaultLanguage = 1033;

struct TRtfDocument {
    std::vector<TRtfFont> Fonts;
    std::int32_t Language = kRtfDefaultLanguage;
    std::vector<TRtfParagraph> Paragraphs;
    bool operator==(const TRtfDocument&) const = default;
};

} // namespace brelvane
