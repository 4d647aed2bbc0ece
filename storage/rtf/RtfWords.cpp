#include "storage/rtf/RtfWords.h"

#include <array>
#include <cstdint>
#include <utility>

namespace brelvane {

namespace {

using W = TRtfWord;

constexpr auto kWords = std::to_array<std::pair<std::string_view, TRtfWord>>({
    {"b", W::Bold},
    {"blue", W::Blue},
    {"bullet", W::Bullet},
    {"cell", W::Tab}, // table cells read as tab-separated text
    {"cf", W::ColorIndex},
    {"colorschememapping", W::Skipped},
    {"colortbl", W::ColorTable},
    {"datastore", W::Skipped},
    {"deff", W::DefaultFont},
    {"deflang", W::Language},
    {"emdash", W::EmDash},
    {"emspace", W::EmSpace},
    {"endash", W::EnDash},
    {"enspace", W::EnSpace},
    {"f", W::Font},
    {"fbidi", W::FamilyBidi},
    {"fcharset", W::Charset},
    {"fdecor", W::FamilyDecor},
    {"fi", W::FirstIndent},
    {"filetbl", W::Skipped},
    {"fldinst", W::Skipped},
    {"fmodern", W::FamilyModern},
    {"fnil", W::FamilyNil},
    {"fonttbl", W::FontTable},
    {"footer", W::Skipped},
    {"footerf", W::Skipped},
    {"footerl", W::Skipped},
    {"footerr", W::Skipped},
    {"footnote", W::Skipped},
    {"fprq", W::Pitch},
    {"froman", W::FamilyRoman},
    {"fs", W::FontSize},
    {"fscript", W::FamilyScript},
    {"fswiss", W::FamilySwiss},
    {"ftech", W::FamilyTech},
    {"green", W::Green},
    {"header", W::Skipped},
    {"headerf", W::Skipped},
    {"headerl", W::Skipped},
    {"headerr", W::Skipped},
    {"i", W::Italic},
    {"info", W::Skipped},
    {"latentstyles", W::Skipped},
    {"ldblquote", W::LeftDoubleQuote},
    {"li", W::LeftIndent},
    {"line", W::Line},
    {"listoverridetable", W::Skipped},
    {"listtable", W::Skipped},
    {"listtext", W::Skipped},
    {"lquote", W::LeftQuote},
    {"ltrmark", W::LeftToRightMark},
    {"nonshppict", W::Skipped},
    {"object", W::Skipped},
    {"par", W::Paragraph},
    {"pard", W::ParagraphDefaults},
    {"pict", W::Skipped},
    {"plain", W::Plain},
    {"pn", W::Numbering},
    {"pnlvlblt", W::BulletLevel},
    {"pntext", W::Skipped},
    {"qc", W::Center},
    {"qj", W::Justify},
    {"ql", W::Left},
    {"qmspace", W::QuarterEmSpace},
    {"qr", W::Right},
    {"rdblquote", W::RightDoubleQuote},
    {"red", W::Red},
    {"revtbl", W::Skipped},
    {"ri", W::RightIndent},
    {"row", W::Paragraph},
    {"rquote", W::RightQuote},
    {"rsidtbl", W::Skipped},
    {"rtlmark", W::RightToLeftMark},
    {"sect", W::Paragraph},
    {"shp", W::Skipped},
    {"shppict", W::Skipped},
    {"strike", W::Strike},
    {"striked", W::Strike},
    {"stylesheet", W::Skipped},
    {"tab", W::Tab},
    {"themedata", W::Skipped},
    {"u", W::Unicode},
    {"uc", W::UnicodeSkip},
    {"ul", W::Underline},
    {"uld", W::Underline},
    {"uldash", W::Underline},
    {"uldashd", W::Underline},
    {"uldashdd", W::Underline},
    {"uldb", W::Underline},
    {"ulhwave", W::Underline},
    {"ulnone", W::UnderlineNone},
    {"ulth", W::Underline},
    {"ulw", W::Underline},
    {"ulwave", W::Underline},
    {"xmlnstbl", W::Skipped},
    {"zwj", W::ZeroWidthJoiner},
    {"zwnj", W::ZeroWidthNonJoiner},
});

// Words are looked up once per word of the text, so by hash: FNV-1a into a
// table with free slots to spare, probing linearly.
constexpr std::uint32_t Hash(std::string_view name) {
    std::uint32_t hash = 2166136261u;
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(c)) * 16777619u;
    return hash;
}

constexpr std::size_t kSlots = 512;
static_assert(kWords.size() * 3 < kSlots);

constexpr auto kTable = [] {
    std::array<std::pair<std::string_view, TRtfWord>, kSlots> table{};
    for (const auto& entry : kWords) {
        std::size_t slot = Hash(entry.first) % kSlots;
        while (!table[slot].first.empty())
            slot = (slot + 1) % kSlots;
        table[slot] = entry;
    }
    return table;
}();

} // namespace

TRtfWord LookUpRtfWord(std::string_view name) {
    if (name.empty()) return TRtfWord::Unknown;
    for (std::size_t slot = Hash(name) % kSlots; !kTable[slot].first.empty();
         slot = (slot + 1) % kSlots)
        if (kTable[slot].first == name) return kTable[slot].second;
    return TRtfWord::Unknown;
}

char32_t RtfWordCharacter(TRtfWord word) {
    switch (word) {
    case W::Tab:
        return U'\t';
    case W::Line:
        return U'\n';
    case W::EmDash:
        return 0x2014;
    case W::EnDash:
        return 0x2013;
    case W::Bullet:
        return 0x2022;
    case W::LeftQuote:
        return 0x2018;
    case W::RightQuote:
        return 0x2019;
    case W::LeftDoubleQuote:
        return 0x201C;
    case W::RightDoubleQuote:
        return 0x201D;
    case W::EmSpace:
        return 0x2003;
    case W::EnSpace:
        return 0x2002;
    case W::QuarterEmSpace:
        return 0x2005;
    case W::ZeroWidthJoiner:
        return 0x200D;
    case W::ZeroWidthNonJoiner:
        return 0x200C;
    case W::LeftToRightMark:
        return 0x200E;
    case W::RightToLeftMark:
        return 0x200F;
    default:
        return 0;
    }
}

} // namespace brelvane
