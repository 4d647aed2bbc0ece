#pragma once

#include "storage/ByteStream.h"
#include "storage/ErrorReport.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace brelvane::fuzz {

// Error boxes are expected for almost every input; keep them off stderr.
inline void SilenceErrors() {
    static const bool installed = [] {
        SetErrorSink([](const std::string&) {});
        return true;
    }();
    (void)installed;
}

inline TMemoryStream StreamOf(const std::uint8_t* data, std::size_t size) {
    return TMemoryStream(std::vector<std::uint8_t>(data, data + size));
}

// What a reader accepted is written again and must read back as the same value.
template <class Value, class Write, class Read, class Same>
void ExpectRoundTrip(const Value& value, Write write, Read read, Same same) {
    TMemoryStream stream;
    if (!write(stream, value)) std::abort();
    stream.Seek(0);
    Value back{};
    if (!read(stream, back) || !same(back, value) || stream.Remaining() != 0) std::abort();
}

template <class Value, class Write, class Read>
void ExpectRoundTrip(const Value& value, Write write, Read read) {
    ExpectRoundTrip(value, write, read, [](const Value& a, const Value& b) { return a == b; });
}

// Reads one block from the input; whatever is accepted must survive a round trip.
template <class Value, class Read, class Write>
int FuzzBlock(const std::uint8_t* data, std::size_t size, Read read, Write write) {
    SilenceErrors();
    auto stream = StreamOf(data, size);
    Value value{};
    if (read(stream, value)) ExpectRoundTrip(value, write, read);
    return 0;
}

} // namespace brelvane::fuzz
