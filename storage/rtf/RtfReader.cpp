#include "storage/rtf/RtfReader.h"

#include "storage/AnsiCodePage.h"
#include "storage/rtf/RtfLexer.h"
#include "storage/rtf/RtfWords.h"

#include <algorithm>
#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

namespace brelvane {

namespace {

enum class TDestination : std::uint8_t { Text, FontTable, ColorTable, Numbering, Skipped };

// What a group saves and its closing brace restores.
struct TGroupState {
    TRtfCharFormat Char; // Font holds the font's number until the end
    TRtfParagraphFormat Paragraph;
    std::int32_t UnicodeSkip = 1;
    TDestination Destination = TDestination::Text;
    bool BulletNumbering = false;
};

constexpr char32_t kReplacement = 0xFFFD;

constexpr std::pair<TRtfWord, TDestination> kDestinations[] = {
    {TRtfWord::FontTable, TDestination::FontTable},
    {TRtfWord::ColorTable, TDestination::ColorTable},
    {TRtfWord::Numbering, TDestination::Numbering},
    {TRtfWord::Skipped, TDestination::Skipped},
};

constexpr std::pair<TRtfWord, TRtfAlignment> kAlignments[] = {
    {TRtfWord::Left, TRtfAlignment::Left},
    {TRtfWord::Center, TRtfAlignment::Center},
    {TRtfWord::Right, TRtfAlignment::Right},
    {TRtfWord::Justify, TRtfAlignment::Justify},
};

constexpr std::pair<TRtfWord, TRtfFontFamily> kFamilies[] = {
    {TRtfWord::FamilyNil, TRtfFontFamily::Nil},
    {TRtfWord::FamilyRoman, TRtfFontFamily::Roman},
    {TRtfWord::FamilySwiss, TRtfFontFamily::Swiss},
    {TRtfWord::FamilyModern, TRtfFontFamily::Modern},
    {TRtfWord::FamilyScript, TRtfFontFamily::Script},
    {TRtfWord::FamilyDecor, TRtfFontFamily::Decor},
    {TRtfWord::FamilyTech, TRtfFontFamily::Tech},
    {TRtfWord::FamilyBidi, TRtfFontFamily::Bidi},
};

// What `word` stands for in `table`, or null.
template <class Value, std::size_t N>
const Value* Find(const std::pair<TRtfWord, Value> (&table)[N], TRtfWord word) {
    for (const auto& [key, value] : table)
        if (key == word) return &value;
    return nullptr;
}

bool IsOn(const TRtfToken& token) {
    return !token.HasParameter || token.Parameter != 0;
}

class TRtfParser {
public:
    TRtfParser(std::string_view bytes, TRtfRecovery recovery)
        : bytes_(bytes), lexer_(bytes, recovery), recovery_(recovery) {}

    TRtfReadResult Run();

private:
    TGroupState& State() { return stack_.back(); }
    bool Fail(std::size_t offset, const char* what);
    TRtfReadResult Failed();
    bool Dispatch(const TRtfToken& token);

    bool OpenGroup(const TRtfToken& token);
    void CloseGroup();
    void CloseAllGroups();
    bool CheckAfterEnd();
    // Fallback bytes after \u are dropped, one per token or text byte.
    bool ConsumeFallback();

    void OnWord(const TRtfToken& token);
    void OnTextWord(TRtfWord word, const TRtfToken& token);
    void OnFontWord(TRtfWord word, const TRtfToken& token);
    void OnColorWord(TRtfWord word, const TRtfToken& token);
    void OnSymbol(std::uint8_t symbol);
    void OnText(std::string_view text);
    void OnUnicode(std::int32_t value);

    void AddCharacter(char32_t character);
    void AppendCharacter(char32_t character);
    void FlushSurrogate();
    std::string& RunText();
    void EndParagraph(const TGroupState& state);
    void CommitFont();
    void CommitColor();
    void ResolveFonts();

    std::string_view bytes_;
    TRtfLexer lexer_;
    TRtfRecovery recovery_;
    std::optional<TRtfFault> fault_;

    std::vector<TGroupState> stack_;
    std::size_t flattened_ = 0; // groups past the depth limit, read as part of their parent
    bool ended_ = false;
    bool pendingStar_ = false;
    std::int64_t pendingSkip_ = 0;
    char32_t pendingHigh_ = 0;

    TRtfDocument document_;
    TRtfParagraph paragraph_;
    std::int32_t defaultFont_ = 0;
    std::unordered_map<std::int32_t, std::int32_t> fontIndex_;
    bool fontPending_ = false;
    std::size_t fontDepth_ = 0;
    std::int32_t fontNumber_ = 0;
    TRtfFont font_;
    std::vector<std::optional<TRtfColor>> colors_;
    TRtfColor color_;
    bool colorGiven_ = false;
};

bool TRtfParser::Fail(std::size_t offset, const char* what) {
    if (!fault_) fault_ = TRtfFault{offset, what};
    return recovery_ == TRtfRecovery::ReadPastFaults;
}

TRtfReadResult TRtfParser::Failed() {
    TRtfReadResult result;
    result.Fault = fault_ ? fault_ : lexer_.Fault();
    return result;
}

TRtfReadResult TRtfParser::Run() {
    if (!bytes_.starts_with("{\\rtf")) {
        Fail(0, "not rich text (no \"{\\rtf\" at the start)");
        return Failed();
    }
    TRtfToken token;
    while (!ended_) {
        if (!lexer_.Next(token) || !Dispatch(token)) return Failed();
    }
    if (!CheckAfterEnd()) return Failed();
    ResolveFonts();

    TRtfReadResult result;
    result.Document = std::move(document_);
    const auto& lexerFault = lexer_.Fault();
    result.Fault = fault_;
    if (lexerFault && (!fault_ || lexerFault->Offset < fault_->Offset)) result.Fault = lexerFault;
    return result;
}

// False when a fault stops the reading.
bool TRtfParser::Dispatch(const TRtfToken& token) {
    switch (token.Kind) {
    case TRtfTokenKind::End:
        if (!Fail(token.Offset, "unbalanced braces (missing \"}\")")) return false;
        CloseAllGroups();
        return true;
    case TRtfTokenKind::GroupStart:
        return OpenGroup(token);
    case TRtfTokenKind::GroupEnd:
        CloseGroup();
        return true;
    case TRtfTokenKind::Text:
        OnText(token.Text);
        return true;
    case TRtfTokenKind::Binary:
        ConsumeFallback();
        return true;
    case TRtfTokenKind::Word:
        if (!ConsumeFallback()) OnWord(token);
        return true;
    case TRtfTokenKind::Symbol:
        if (!ConsumeFallback()) OnSymbol(token.Byte);
        return true;
    case TRtfTokenKind::Hex:
        pendingStar_ = false;
        if (!ConsumeFallback()) AddCharacter(AnsiToUnicode(token.Byte));
        return true;
    }
    return true;
}

bool TRtfParser::ConsumeFallback() {
    if (pendingSkip_ == 0) return false;
    --pendingSkip_;
    return true;
}

bool TRtfParser::OpenGroup(const TRtfToken& token) {
    pendingStar_ = false;
    pendingSkip_ = 0;
    if (stack_.empty()) {
        stack_.emplace_back();
        return true;
    }
    if (flattened_ > 0 || stack_.size() >= kRtfMaxDepth) {
        if (!Fail(token.Offset, "groups nested deeper than 256")) return false;
        ++flattened_;
        return true;
    }
    stack_.push_back(stack_.back());
    return true;
}

void TRtfParser::CloseGroup() {
    if (flattened_ > 0) {
        --flattened_;
        return;
    }
    FlushSurrogate();
    pendingStar_ = false;
    pendingSkip_ = 0;
    const TGroupState closing = stack_.back();
    if (closing.Destination == TDestination::FontTable && fontPending_ &&
        fontDepth_ >= stack_.size())
        CommitFont();
    stack_.pop_back();
    if (stack_.empty()) {
        if (!paragraph_.Runs.empty()) EndParagraph(closing);
        ended_ = true;
        return;
    }
    const TGroupState& parent = stack_.back();
    if (closing.Destination == TDestination::Numbering &&
        parent.Destination != TDestination::Numbering && closing.BulletNumbering)
        State().Paragraph.Bullet = true;
    if (closing.Destination == TDestination::ColorTable &&
        parent.Destination != TDestination::ColorTable && colorGiven_)
        CommitColor();
}

void TRtfParser::CloseAllGroups() {
    flattened_ = 0;
    while (!ended_)
        CloseGroup();
}

// After the last brace only line ends, blanks and NUL may follow; a stray
// closing brace means the braces do not balance.
bool TRtfParser::CheckAfterEnd() {
    const std::size_t brace = bytes_.find('}', lexer_.Position());
    if (brace == std::string_view::npos) return true;
    return Fail(brace, "unbalanced braces (extra \"}\")");
}

void TRtfParser::OnWord(const TRtfToken& token) {
    const TRtfWord word = LookUpRtfWord(token.Text);
    TGroupState& state = State();
    const bool starred = std::exchange(pendingStar_, false);
    if (state.Destination == TDestination::Skipped) return;
    if (starred) {
        // "{\*\word": a destination to ignore unless it is one we read.
        state.Destination =
            word == TRtfWord::Numbering ? TDestination::Numbering : TDestination::Skipped;
        return;
    }
    if (const auto* destination = Find(kDestinations, word)) {
        state.Destination = *destination;
        return;
    }
    // Characters count in every destination that holds text.
    if (word == TRtfWord::UnicodeSkip) {
        state.UnicodeSkip = std::max(token.Parameter, 0);
        return;
    }
    if (word == TRtfWord::Unicode) {
        if (token.HasParameter) OnUnicode(token.Parameter);
        return;
    }
    if (const char32_t character = RtfWordCharacter(word)) {
        AddCharacter(character);
        return;
    }
    switch (state.Destination) {
    case TDestination::Text:
        OnTextWord(word, token);
        break;
    case TDestination::FontTable:
        OnFontWord(word, token);
        break;
    case TDestination::ColorTable:
        OnColorWord(word, token);
        break;
    case TDestination::Numbering:
        if (word == TRtfWord::BulletLevel) state.BulletNumbering = true;
        break;
    case TDestination::Skipped:
        break;
    }
}

void TRtfParser::OnTextWord(TRtfWord word, const TRtfToken& token) {
    TGroupState& state = State();
    TRtfCharFormat& format = state.Char;
    TRtfParagraphFormat& paragraph = state.Paragraph;
    const std::int32_t value = token.Parameter;
    switch (word) {
    case TRtfWord::DefaultFont:
        defaultFont_ = value;
        format.Font = value;
        break;
    case TRtfWord::Language:
        if (token.HasParameter) document_.Language = value;
        break;
    case TRtfWord::Font:
        format.Font = value;
        break;
    case TRtfWord::FontSize:
        format.HalfPoints = token.HasParameter ? value : kRtfDefaultHalfPoints;
        if (format.HalfPoints <= 0) format.HalfPoints = kRtfDefaultHalfPoints;
        break;
    case TRtfWord::ColorIndex:
        format.Color = value >= 0 && static_cast<std::size_t>(value) < colors_.size()
                           ? colors_[static_cast<std::size_t>(value)]
                           : std::nullopt;
        break;
    case TRtfWord::Bold:
        format.Bold = IsOn(token);
        break;
    case TRtfWord::Italic:
        format.Italic = IsOn(token);
        break;
    case TRtfWord::Underline:
        format.Underline = IsOn(token);
        break;
    case TRtfWord::UnderlineNone:
        format.Underline = false;
        break;
    case TRtfWord::Strike:
        format.Strike = IsOn(token);
        break;
    case TRtfWord::Plain:
        format = TRtfCharFormat{};
        format.Font = defaultFont_;
        break;
    case TRtfWord::ParagraphDefaults:
        paragraph = TRtfParagraphFormat{};
        break;
    case TRtfWord::Paragraph:
        EndParagraph(state);
        break;
    case TRtfWord::LeftIndent:
        paragraph.LeftIndent = value;
        break;
    case TRtfWord::RightIndent:
        paragraph.RightIndent = value;
        break;
    case TRtfWord::FirstIndent:
        paragraph.FirstIndent = value;
        break;
    default:
        if (const auto* alignment = Find(kAlignments, word)) paragraph.Alignment = *alignment;
        break;
    }
}

void TRtfParser::OnFontWord(TRtfWord word, const TRtfToken& token) {
    if (word == TRtfWord::Font) {
        if (fontPending_) CommitFont();
        fontPending_ = true;
        fontDepth_ = stack_.size();
        fontNumber_ = token.Parameter;
        font_ = TRtfFont{};
        return;
    }
    if (!fontPending_) return;
    if (word == TRtfWord::Charset) font_.Charset = token.Parameter;
    if (word == TRtfWord::Pitch) font_.Pitch = token.Parameter;
    if (const auto* family = Find(kFamilies, word)) font_.Family = *family;
}

void TRtfParser::OnColorWord(TRtfWord word, const TRtfToken& token) {
    const auto level = static_cast<std::uint8_t>(std::clamp(token.Parameter, 0, 255));
    switch (word) {
    case TRtfWord::Red:
        color_.Red = level;
        break;
    case TRtfWord::Green:
        color_.Green = level;
        break;
    case TRtfWord::Blue:
        color_.Blue = level;
        break;
    default:
        return;
    }
    colorGiven_ = true;
}

void TRtfParser::OnSymbol(std::uint8_t symbol) {
    if (symbol == '*') {
        pendingStar_ = true;
        return;
    }
    pendingStar_ = false;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        AddCharacter(symbol);
        break;
    case '~':
        AddCharacter(0x00A0);
        break;
    case '_':
        AddCharacter(0x2011);
        break;
    case '\r':
    case '\n':
        if (State().Destination == TDestination::Text) EndParagraph(State());
        break;
    default:
        break; // optional hyphens, index marks and the like show nothing
    }
}

void TRtfParser::OnText(std::string_view text) {
    pendingStar_ = false;
    if (pendingSkip_ > 0) {
        const auto skipped = std::min<std::int64_t>(pendingSkip_, std::ssize(text));
        text.remove_prefix(static_cast<std::size_t>(skipped));
        pendingSkip_ -= skipped;
    }
    if (text.empty()) return;
    FlushSurrogate();
    switch (State().Destination) {
    case TDestination::Text: {
        std::string& out = RunText();
        std::size_t plain = 0;
        while (plain < text.size() && static_cast<unsigned char>(text[plain]) < 0x80)
            ++plain;
        out.append(text.substr(0, plain));
        for (const char c : text.substr(plain))
            AppendUtf8(out, AnsiToUnicode(static_cast<std::uint8_t>(c)));
        break;
    }
    case TDestination::FontTable:
        for (const char c : text) {
            if (c == ';')
                CommitFont();
            else if (fontPending_)
                AppendUtf8(font_.Name, AnsiToUnicode(static_cast<std::uint8_t>(c)));
        }
        break;
    case TDestination::ColorTable:
        for (const char c : text)
            if (c == ';') CommitColor();
        break;
    case TDestination::Numbering:
    case TDestination::Skipped:
        break;
    }
}

void TRtfParser::OnUnicode(std::int32_t value) {
    // Writers store the 16-bit units as signed numbers.
    char32_t character = value < 0 ? static_cast<char32_t>(value + 65536) : value;
    if (value < -32768 || character > 0x10FFFF) character = kReplacement;
    if (character >= 0xD800 && character <= 0xDBFF) {
        FlushSurrogate();
        pendingHigh_ = character;
    } else if (character >= 0xDC00 && character <= 0xDFFF) {
        if (pendingHigh_ != 0)
            AppendCharacter(0x10000 + ((pendingHigh_ - 0xD800) << 10) + (character - 0xDC00));
        else
            AppendCharacter(kReplacement);
        pendingHigh_ = 0;
    } else {
        AddCharacter(character);
    }
    pendingSkip_ = State().UnicodeSkip;
}

void TRtfParser::AddCharacter(char32_t character) {
    FlushSurrogate();
    AppendCharacter(character);
}

void TRtfParser::AppendCharacter(char32_t character) {
    switch (State().Destination) {
    case TDestination::Text:
        AppendUtf8(RunText(), character);
        break;
    case TDestination::FontTable:
        if (fontPending_) AppendUtf8(font_.Name, character);
        break;
    default:
        break;
    }
}

// A high surrogate not followed by its low half stands for nothing readable.
void TRtfParser::FlushSurrogate() {
    if (pendingHigh_ == 0) return;
    pendingHigh_ = 0;
    AppendCharacter(kReplacement);
}

std::string& TRtfParser::RunText() {
    auto& runs = paragraph_.Runs;
    const TRtfCharFormat& format = State().Char;
    if (runs.empty() || runs.back().Format != format) runs.push_back(TRtfRun{format, {}});
    return runs.back().Text;
}

void TRtfParser::EndParagraph(const TGroupState& state) {
    FlushSurrogate();
    paragraph_.Format = state.Paragraph;
    paragraph_.MarkFormat = state.Char;
    document_.Paragraphs.push_back(std::move(paragraph_));
    paragraph_ = TRtfParagraph{};
}

void TRtfParser::CommitFont() {
    if (!fontPending_) return;
    fontPending_ = false;
    const std::size_t first = font_.Name.find_first_not_of(' ');
    const std::size_t last = font_.Name.find_last_not_of(' ');
    font_.Name = first == std::string::npos ? "" : font_.Name.substr(first, last - first + 1);
    // A number given twice keeps its first entry.
    if (fontIndex_.emplace(fontNumber_, static_cast<std::int32_t>(document_.Fonts.size())).second)
        document_.Fonts.push_back(std::move(font_));
}

void TRtfParser::CommitColor() {
    colors_.push_back(colorGiven_ ? std::optional(color_) : std::nullopt);
    color_ = TRtfColor{};
    colorGiven_ = false;
}

// Formats name fonts by number while reading; the document names them by
// their place in the table. A number without an entry means the default font.
void TRtfParser::ResolveFonts() {
    const auto defaultEntry = fontIndex_.find(defaultFont_);
    const std::int32_t fallback = defaultEntry != fontIndex_.end() ? defaultEntry->second : 0;
    const auto indexOf = [&](std::int32_t number) {
        const auto found = fontIndex_.find(number);
        return found != fontIndex_.end() ? found->second : fallback;
    };
    for (TRtfParagraph& paragraph : document_.Paragraphs) {
        paragraph.MarkFormat.Font = indexOf(paragraph.MarkFormat.Font);
        // Runs whose fonts now agree become one, in place.
        auto& runs = paragraph.Runs;
        std::size_t kept = 0;
        for (std::size_t i = 0; i < runs.size(); ++i) {
            runs[i].Format.Font = indexOf(runs[i].Format.Font);
            if (kept > 0 && runs[kept - 1].Format == runs[i].Format)
                runs[kept - 1].Text += runs[i].Text;
            else if (kept++ != i)
                runs[kept - 1] = std::move(runs[i]);
        }
        runs.resize(kept);
    }
}

} // namespace

TRtfReadResult ReadRtf(std::string_view bytes, TRtfRecovery recovery) {
    return TRtfParser(bytes, recovery).Run();
}

} // namespace brelvane
