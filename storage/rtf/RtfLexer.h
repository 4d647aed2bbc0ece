#pragma once

#include "storage/rtf/RtfFault.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace brelvane {

enum class TRtfTokenKind : std::uint8_t {
    GroupStart, // {
    GroupEnd,   // }
    Word,       // \name or \nameN, with the delimiting blank consumed
    Symbol,     // \ and one character that is not a letter
    Hex,        // \'hh
    Text,       // a run of other bytes
    Binary,     // the data of \binN
    End,
};

struct TRtfToken {
    TRtfTokenKind Kind = TRtfTokenKind::End;
    std::size_t Offset = 0;
    std::string_view Text; // a word's name, a text run or binary data
    std::int32_t Parameter = 0;
    bool HasParameter = false;
    std::uint8_t Byte = 0; // a symbol's character or a hex escape's value
};

// Splits stored rich text into tokens. CR, LF and NUL outside escapes carry no
// meaning and are dropped. A fault stops the lexer, or with ReadPastFaults is
// kept (the first one) and read past.
class TRtfLexer {
public:
    TRtfLexer(std::string_view bytes, TRtfRecovery recovery);

    // False when a fault stopped the lexer; at the end of the bytes the token
    // is End, as often as asked.
    bool Next(TRtfToken& token);
    const std::optional<TRtfFault>& Fault() const { return fault_; }
    std::size_t Position() const { return position_; }

private:
    bool Escape(TRtfToken& token);
    bool Word(TRtfToken& token);
    bool Binary(TRtfToken& token);
    // Notes the fault; whether to read on.
    bool Fail(std::size_t offset, const char* what);

    std::string_view bytes_;
    std::size_t position_ = 0;
    TRtfRecovery recovery_;
    std::optional<TRtfFault> fault_;
};

} // namespace brelvane
