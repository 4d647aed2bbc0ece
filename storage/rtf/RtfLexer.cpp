#include "storage/rtf/RtfLexer.h"

#include <array>
#include <limits>

namespace brelvane {

namespace {

// Bytes that end a text run.
constexpr std::array<bool, 256> kEndsText = [] {
    std::array<bool, 256> ends{};
    for (const unsigned char c : {'\\', '{', '}', '\r', '\n', '\0'})
        ends[c] = true;
    return ends;
}();

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

constexpr std::int64_t kBeyondInt32 = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 2;

} // namespace

TRtfLexer::TRtfLexer(std::string_view bytes, TRtfRecovery recovery)
    : bytes_(bytes), recovery_(recovery) {}

bool TRtfLexer::Fail(std::size_t offset, const char* what) {
    if (!fault_) fault_ = TRtfFault{offset, what};
    return recovery_ == TRtfRecovery::ReadPastFaults;
}

bool TRtfLexer::Next(TRtfToken& token) {
    const std::size_t size = bytes_.size();
    while (position_ < size) {
        const std::size_t start = position_;
        switch (bytes_[start]) {
        case '{':
        case '}':
            token = {};
            token.Kind = bytes_[start] == '{' ? TRtfTokenKind::GroupStart : TRtfTokenKind::GroupEnd;
            token.Offset = start;
            ++position_;
            return true;
        case '\\':
            if (Escape(token)) return true;
            if (fault_ && recovery_ == TRtfRecovery::StopAtFault) return false;
            continue; // a damaged escape read past
        case '\r':
        case '\n':
        case '\0':
            ++position_;
            continue;
        default:
            while (position_ < size && !kEndsText[static_cast<unsigned char>(bytes_[position_])])
                ++position_;
            token = {};
            token.Kind = TRtfTokenKind::Text;
            token.Offset = start;
            token.Text = bytes_.substr(start, position_ - start);
            return true;
        }
    }
    token = {};
    token.Offset = size;
    return true;
}

// At a backslash: true with a token, false after a fault (read past or not).
bool TRtfLexer::Escape(TRtfToken& token) {
    const std::size_t start = position_;
    if (start + 1 >= bytes_.size()) {
        Fail(start, "cut escape");
        position_ = bytes_.size();
        return false;
    }
    const char next = bytes_[start + 1];
    if (IsLetter(next)) return Word(token);
    if (next == '\'') {
        const int high = start + 2 < bytes_.size() ? HexValue(bytes_[start + 2]) : -1;
        const int low = start + 3 < bytes_.size() ? HexValue(bytes_[start + 3]) : -1;
        if (high < 0 || low < 0) {
            Fail(start, "cut escape");
            position_ = start + 2;
            return false;
        }
        token = {};
        token.Kind = TRtfTokenKind::Hex;
        token.Offset = start;
        token.Byte = static_cast<std::uint8_t>(high * 16 + low);
        position_ = start + 4;
        return true;
    }
    token = {};
    token.Kind = TRtfTokenKind::Symbol;
    token.Offset = start;
    token.Byte = static_cast<std::uint8_t>(next);
    position_ = start + 2;
    return true;
}

bool TRtfLexer::Word(TRtfToken& token) {
    const std::size_t start = position_;
    const std::size_t size = bytes_.size();
    std::size_t p = start + 1;
    while (p < size && IsLetter(bytes_[p]))
        ++p;
    token = {};
    token.Kind = TRtfTokenKind::Word;
    token.Offset = start;
    token.Text = bytes_.substr(start + 1, p - start - 1);

    const bool negative = p + 1 < size && bytes_[p] == '-' && IsDigit(bytes_[p + 1]);
    if (negative) ++p;
    if (p < size && IsDigit(bytes_[p])) {
        std::int64_t value = 0;
        for (; p < size && IsDigit(bytes_[p]); ++p)
            if (value < kBeyondInt32) value = value * 10 + (bytes_[p] - '0');
        if (negative) value = -value;
        if (value > std::numeric_limits<std::int32_t>::max() ||
            value < std::numeric_limits<std::int32_t>::min()) {
            if (!Fail(start, "number beyond 32 bits")) return false;
            value = negative ? std::numeric_limits<std::int32_t>::min()
                             : std::numeric_limits<std::int32_t>::max();
        }
        token.Parameter = static_cast<std::int32_t>(value);
        token.HasParameter = true;
    }
    if (p < size && bytes_[p] == ' ') ++p;
    position_ = p;
    if (token.Text == "bin" && token.HasParameter) return Binary(token);
    return true;
}

// \binN: the next N bytes are data, whatever they hold.
bool TRtfLexer::Binary(TRtfToken& token) {
    const std::size_t remaining = bytes_.size() - position_;
    std::size_t length = token.Parameter < 0 ? 0 : static_cast<std::size_t>(token.Parameter);
    if (token.Parameter < 0 && !Fail(token.Offset, "negative \\bin length")) return false;
    if (length > remaining) {
        if (!Fail(token.Offset, "\\bin data beyond the end")) return false;
        length = remaining;
    }
    token.Kind = TRtfTokenKind::Binary;
    token.Text = bytes_.substr(position_, length);
    position_ += length;
    return true;
}

} // namespace brelvane
