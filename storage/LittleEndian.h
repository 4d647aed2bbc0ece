#pragma once

#include "storage/ByteStream.h"

#include <bit>
#include <concepts>
#include <cstdint>
#include <cstring>

namespace brelvane {

static_assert(std::endian::native == std::endian::little,
              "stored formats are little-endian and copied as they lie in memory");

// Fixed-width fields. Read throws StreamError when the stream ends inside the field.
template <std::integral T> void WriteField(TStream& stream, T value) {
    stream.Write(&value, sizeof value);
}

template <std::integral T> T ReadField(TStream& stream) {
    T value{};
    stream.Read(&value, sizeof value);
    return value;
}

template <std::integral T> void ReadField(TStream& stream, T& target) {
    target = ReadField<T>(stream);
}

inline void WriteField(TStream& stream, bool value) {
    WriteField<std::uint8_t>(stream, value ? 1 : 0);
}
inline void ReadField(TStream& stream, bool& target) {
    target = ReadField<std::uint8_t>(stream) != 0;
}

inline void WriteField(TStream& stream, double value) {
    stream.Write(&value, sizeof value);
}
inline void ReadField(TStream& stream, double& target) {
    stream.Read(&target, sizeof target);
}

// A field that may be missing at the very end of a file: when the stream has
// ended, the target keeps its previous value.
template <std::integral T> void ReadOptionalField(TStream& stream, T& target) {
    T value{};
    if (stream.ReadSome(&value, sizeof value) == sizeof value) target = value;
}

// Values stored as int32 but held in narrower signed or unsigned fields.
template <std::integral T> void WriteWidened(TStream& stream, T value) {
    WriteField<std::int32_t>(stream, static_cast<std::int32_t>(value));
}
template <std::integral T> void ReadNarrowed(TStream& stream, T& target) {
    target = static_cast<T>(ReadField<std::int32_t>(stream));
}

} // namespace brelvane
