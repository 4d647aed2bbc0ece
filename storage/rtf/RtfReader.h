#pragma once

#include "storage/rtf/RtfDocument.h"
#include "storage/rtf/RtfFault.h"

#include <optional>
#include <string_view>

namespace brelvane {

// Groups may nest this deep, the outermost one counting as the first.
inline constexpr std::size_t kRtfMaxDepth = 256;

struct TRtfReadResult {
    TRtfDocument Document;
    // The first fault. With StopAtFault the document is then empty; with
    // ReadPastFaults it holds everything readable.
    std::optional<TRtfFault> Fault;
};

// Reads rich text that begins with "{\rtf". Escaped bytes are of code page
// 1252; unknown words, "{\*...}" destinations, pictures, objects and \bin data
// are read and ignored, as are CR, LF and NUL after the last brace.
TRtfReadResult ReadRtf(std::string_view bytes, TRtfRecovery recovery);

} // namespace brelvane
