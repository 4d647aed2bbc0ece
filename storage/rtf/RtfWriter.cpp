#include "storage/rtf/RtfWriter.h"

#include "storage/AnsiCodePage.h"

#include <array>
#include <charconv>
#include <cstdint>
#include <string_view>
#include <unordered_map>

namespace brelvane {

namespace {

constexpr std::array<std::string_view, 8> kFamilyWords{"fnil",    "froman", "fswiss", "fmodern",
                                                       "fscript", "fdecor", "ftech",  "fbidi"};
constexpr std::string_view kSymbolFont = "Symbol";
constexpr std::uint8_t kBulletInSymbol = 0xB7;

std::uint32_t ColorKey(const TRtfColor& color) {
    return std::uint32_t{color.Red} << 16 | std::uint32_t{color.Green} << 8 | color.Blue;
}

// Appends words and text; a word is followed by a blank only where literal
// text comes next, so that the text is not read as part of the word.
class TRtfOutput {
public:
    explicit TRtfOutput(std::size_t expected) { out_.reserve(expected); }

    void Raw(std::string_view bytes) {
        blankDue_ = false;
        out_ += bytes;
    }
    void Word(std::string_view name) {
        out_ += '\\';
        out_ += name;
        blankDue_ = true;
    }
    void Word(std::string_view name, std::int32_t value) {
        Word(name);
        char digits[12];
        const auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
        out_.append(digits, end);
    }
    void Hex(std::uint8_t byte) {
        static constexpr char kDigits[] = "0123456789abcdef";
        const char escape[] = {'\\', '\'', kDigits[byte >> 4], kDigits[byte & 15]};
        Raw(std::string_view(escape, 4));
    }
    void Literal(std::string_view text) {
        if (blankDue_) out_ += ' ';
        blankDue_ = false;
        out_ += text;
    }
    // UTF-8 text of a run or a font name.
    void Text(std::string_view text, bool inFontTable);
    std::string Take() { return std::move(out_); }

private:
    void Character(char32_t character, bool inFontTable);

    std::string out_;
    bool blankDue_ = false;
};

void TRtfOutput::Text(std::string_view text, bool inFontTable) {
    std::size_t i = 0;
    while (i < text.size()) {
        // Printable ASCII goes out as it is, in one piece.
        std::size_t end = i;
        while (end < text.size()) {
            const auto c = static_cast<unsigned char>(text[end]);
            if (c < 0x20 || c >= 0x7F || c == '\\' || c == '{' || c == '}' ||
                (inFontTable && c == ';'))
                break;
            ++end;
        }
        if (end > i) {
            Literal(text.substr(i, end - i));
            i = end;
            continue;
        }
        const auto character = NextUtf8(text, i);
        const bool valid =
            character && *character <= 0x10FFFF && (*character < 0xD800 || *character > 0xDFFF);
        Character(valid ? *character : 0xFFFD, inFontTable);
    }
}

void TRtfOutput::Character(char32_t character, bool inFontTable) {
    switch (character) {
    case '\\':
        Raw("\\\\");
        return;
    case '{':
        Raw("\\{");
        return;
    case '}':
        Raw("\\}");
        return;
    case '\t':
        if (!inFontTable) return Word("tab");
        break;
    case '\n':
        if (!inFontTable) return Word("line");
        break;
    default:
        break;
    }
    if (const auto byte = UnicodeToAnsi(character)) return Hex(*byte);
    // Outside the code page: 16-bit units as signed numbers, '?' for readers
    // that skip the one fallback character \uc1 announces.
    const auto unit = [this](char32_t value) {
        Word("u", static_cast<std::int16_t>(static_cast<std::uint16_t>(value)));
        Raw("?");
    };
    if (character > 0xFFFF) {
        unit(0xD800 + ((character - 0x10000) >> 10));
        unit(0xDC00 + ((character - 0x10000) & 0x3FF));
    } else {
        unit(character);
    }
}

// Nothing is known before the first run, so that it names font and size.
TRtfCharFormat UnknownFormat() {
    TRtfCharFormat format;
    format.Font = -1;
    format.HalfPoints = -1;
    return format;
}

class TRtfComposer {
public:
    explicit TRtfComposer(const TRtfDocument& document);
    std::string Compose();

private:
    void FontTable();
    void ColorTable();
    void ParagraphWords(const TRtfParagraphFormat& format);
    void CharacterWords(const TRtfCharFormat& wanted);
    std::int32_t ColorIndex(const std::optional<TRtfColor>& color) const;

    const TRtfDocument& document_;
    TRtfOutput out_;
    std::vector<TRtfFont> fonts_;
    std::int32_t namedFonts_; // the document's own fonts, before the bullets' one
    std::int32_t bulletFont_ = -1;
    std::vector<TRtfColor> colors_;
    std::unordered_map<std::uint32_t, std::int32_t> colorIndex_;
    TRtfCharFormat current_ = UnknownFormat();
};

std::size_t ExpectedSize(const TRtfDocument& document) {
    std::size_t size = 256;
    for (const auto& paragraph : document.Paragraphs) {
        size += 16;
        for (const auto& run : paragraph.Runs)
            size += run.Text.size() + 16;
    }
    return size;
}

TRtfComposer::TRtfComposer(const TRtfDocument& document)
    : document_(document), out_(ExpectedSize(document)), fonts_(document.Fonts),
      namedFonts_(static_cast<std::int32_t>(document.Fonts.size())) {
    bool bullets = false;
    const auto use = [this](const std::optional<TRtfColor>& color) {
        if (!color || colorIndex_.contains(ColorKey(*color))) return;
        colorIndex_.emplace(ColorKey(*color), std::ssize(colors_) + 1);
        colors_.push_back(*color);
    };
    for (const auto& paragraph : document.Paragraphs) {
        bullets = bullets || paragraph.Format.Bullet;
        for (const auto& run : paragraph.Runs)
            use(run.Format.Color);
        use(paragraph.MarkFormat.Color);
    }
    if (!bullets) return;
    for (std::size_t i = 0; i < fonts_.size() && bulletFont_ < 0; ++i)
        if (fonts_[i].Name == kSymbolFont && fonts_[i].Charset == kSymbolCharset)
            bulletFont_ = static_cast<std::int32_t>(i);
    if (bulletFont_ < 0) {
        // \deff0 must not make Symbol the default face of a table without fonts.
        if (fonts_.empty()) fonts_.emplace_back();
        bulletFont_ = static_cast<std::int32_t>(fonts_.size());
        TRtfFont symbol;
        symbol.Name = kSymbolFont;
        symbol.Charset = kSymbolCharset;
        fonts_.push_back(std::move(symbol));
    }
}

std::string TRtfComposer::Compose() {
    out_.Raw("{");
    out_.Word("rtf", 1);
    out_.Word("ansi");
    out_.Word("ansicpg", 1252);
    out_.Word("deff", 0);
    out_.Word("deflang", document_.Language);
    FontTable();
    ColorTable();
    out_.Word("viewkind", 4);
    out_.Word("uc", 1);
    const TRtfParagraphFormat* previous = nullptr;
    for (const TRtfParagraph& paragraph : document_.Paragraphs) {
        if (!previous || paragraph.Format != *previous) ParagraphWords(paragraph.Format);
        previous = &paragraph.Format;
        if (paragraph.Format.Bullet) {
            out_.Raw("{");
            out_.Word("pntext");
            out_.Word("f", bulletFont_);
            out_.Hex(kBulletInSymbol);
            out_.Word("tab");
            out_.Raw("}");
        }
        for (const TRtfRun& run : paragraph.Runs) {
            CharacterWords(run.Format);
            out_.Text(run.Text, false);
        }
        CharacterWords(paragraph.MarkFormat);
        out_.Word("par");
        out_.Raw("\r\n");
    }
    if (!previous) out_.Word("pard");
    out_.Raw("}");
    return out_.Take();
}

void TRtfComposer::FontTable() {
    out_.Raw("{");
    out_.Word("fonttbl");
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        const TRtfFont& font = fonts_[i];
        out_.Raw("{");
        out_.Word("f", static_cast<std::int32_t>(i));
        const auto family = static_cast<std::size_t>(font.Family);
        out_.Word(kFamilyWords[family < kFamilyWords.size() ? family : 0]);
        if (font.Pitch != 0) out_.Word("fprq", font.Pitch);
        out_.Word("fcharset", font.Charset);
        out_.Text(font.Name, true);
        out_.Raw(";}");
    }
    out_.Raw("}\r\n");
}

void TRtfComposer::ColorTable() {
    if (colors_.empty()) return;
    out_.Raw("{\\colortbl ;");
    for (const TRtfColor& color : colors_) {
        out_.Word("red", color.Red);
        out_.Word("green", color.Green);
        out_.Word("blue", color.Blue);
        out_.Raw(";");
    }
    out_.Raw("}\r\n");
}

void TRtfComposer::ParagraphWords(const TRtfParagraphFormat& format) {
    out_.Word("pard");
    if (format.Bullet) {
        out_.Raw("{\\*");
        out_.Word("pn");
        out_.Word("pnlvlblt");
        out_.Word("pnf", bulletFont_);
        out_.Word("pnindent", 0);
        out_.Raw("{");
        out_.Word("pntxtb");
        out_.Hex(kBulletInSymbol);
        out_.Raw("}}");
    }
    if (format.FirstIndent != 0) out_.Word("fi", format.FirstIndent);
    if (format.LeftIndent != 0) out_.Word("li", format.LeftIndent);
    if (format.RightIndent != 0) out_.Word("ri", format.RightIndent);
    switch (format.Alignment) {
    case TRtfAlignment::Left:
        break;
    case TRtfAlignment::Center:
        out_.Word("qc");
        break;
    case TRtfAlignment::Right:
        out_.Word("qr");
        break;
    case TRtfAlignment::Justify:
        out_.Word("qj");
        break;
    }
}

void TRtfComposer::CharacterWords(const TRtfCharFormat& wanted) {
    // A format naming no font is written in the default one, \f0, which the
    // bullets' font never takes.
    TRtfCharFormat format = wanted;
    if (format.Font < 0 || format.Font >= namedFonts_) format.Font = 0;
    TRtfCharFormat& now = current_;
    if (format.Font != now.Font) out_.Word("f", format.Font);
    if (format.HalfPoints != now.HalfPoints) out_.Word("fs", format.HalfPoints);
    if (format.Color != now.Color) out_.Word("cf", ColorIndex(format.Color));
    const auto toggle = [this](bool on, bool was, std::string_view word, std::string_view off) {
        if (on == was) return;
        if (on)
            out_.Word(word);
        else
            out_.Word(off);
    };
    toggle(format.Bold, now.Bold, "b", "b0");
    toggle(format.Italic, now.Italic, "i", "i0");
    toggle(format.Underline, now.Underline, "ul", "ulnone");
    toggle(format.Strike, now.Strike, "strike", "strike0");
    now = format;
}

std::int32_t TRtfComposer::ColorIndex(const std::optional<TRtfColor>& color) const {
    return color ? colorIndex_.at(ColorKey(*color)) : 0;
}

} // namespace

std::string WriteRtf(const TRtfDocument& document) {
    return TRtfComposer(document).Compose();
}

} // namespace brelvane
