#pragma once

#include "objects/records/AutoObject.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace brelvane {

// Copied objects as the clipboard carries them: int32 byte count N, then N
// bytes: int32 object count C and C object records in page order.

// The clipboard bytes of `objects`; none when an object cannot be written
// (its own error has been reported).
std::optional<std::vector<std::uint8_t>>
WriteClipboardObjects(const std::vector<const TAutoObject*>& objects);

// What a paste finds under our type. Anything can lie there (another program,
// an older build), so the header is checked before a record is read.
struct TClipboardObjects {
    // N is not the length of what follows it, or C is negative or more than
    // the bytes can hold: nothing was read.
    bool Damaged = false;
    // The records read, up to the first one that failed (which reported its
    // error), in clipboard order.
    TAutoObjects Objects;
};
TClipboardObjects ReadClipboardObjects(const std::vector<std::uint8_t>& data);

} // namespace brelvane
