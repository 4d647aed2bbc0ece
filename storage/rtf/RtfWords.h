#pragma once

#include <string_view>

namespace brelvane {

// The control words the reader acts on; every other word is read and ignored.
enum class TRtfWord : unsigned char {
    Unknown,
    // document
    DefaultFont,
    Language,
    // destinations
    FontTable,
    ColorTable,
    Numbering,
    Skipped,
    // font table entries
    Font,
    FamilyNil,
    FamilyRoman,
    FamilySwiss,
    FamilyModern,
    FamilyScript,
    FamilyDecor,
    FamilyTech,
    FamilyBidi,
    Charset,
    Pitch,
    // colour table entries
    Red,
    Green,
    Blue,
    // numbering
    BulletLevel,
    // paragraphs
    ParagraphDefaults,
    Paragraph,
    Left,
    Center,
    Right,
    Justify,
    LeftIndent,
    RightIndent,
    FirstIndent,
    // characters
    Plain,
    FontSize,
    ColorIndex,
    Bold,
    Italic,
    Underline,
    UnderlineNone,
    Strike,
    UnicodeSkip,
    Unicode,
    // characters written as words
    Tab,
    Line,
    EmDash,
    EnDash,
    Bullet,
    LeftQuote,
    RightQuote,
    LeftDoubleQuote,
    RightDoubleQuote,
    EmSpace,
    EnSpace,
    QuarterEmSpace,
    ZeroWidthJoiner,
    ZeroWidthNonJoiner,
    LeftToRightMark,
    RightToLeftMark,
};

TRtfWord LookUpRtfWord(std::string_view name);

// The character one of the words from Tab on stands for; 0 for the others.
char32_t RtfWordCharacter(TRtfWord word);

} // namespace brelvane
