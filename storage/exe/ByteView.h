#pragma once

#include "storage/exe/ExeErrors.h"

#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <vector>

namespace brelvane {

// Little-endian reads inside a byte range; any read that leaves the range
// raises EExeFormat naming what was being read.
class TByteView {
public:
    TByteView(std::span<const std::uint8_t> bytes, std::string what)
        : bytes_(bytes), what_(std::move(what)) {}

    std::size_t Size() const { return bytes_.size(); }
    bool Has(std::uint64_t offset, std::uint64_t length) const {
        return offset <= bytes_.size() && length <= bytes_.size() - offset;
    }
    std::span<const std::uint8_t> Sub(std::uint64_t offset, std::uint64_t length) const {
        if (!Has(offset, length)) Fail();
        return bytes_.subspan(static_cast<std::size_t>(offset), static_cast<std::size_t>(length));
    }
    std::uint8_t U8(std::uint64_t offset) const { return Sub(offset, 1)[0]; }
    std::uint16_t U16(std::uint64_t offset) const { return Load<std::uint16_t>(offset); }
    std::uint32_t U32(std::uint64_t offset) const { return Load<std::uint32_t>(offset); }
    std::uint64_t U64(std::uint64_t offset) const { return Load<std::uint64_t>(offset); }

    [[noreturn]] void Fail() const { throw EExeFormat(what_); }

private:
    template <class T> T Load(std::uint64_t offset) const {
        T value{};
        std::memcpy(&value, Sub(offset, sizeof value).data(), sizeof value);
        return value;
    }

    std::span<const std::uint8_t> bytes_;
    std::string what_;
};

// Stores a little-endian value at `offset` of a buffer the caller sized.
template <class T> void Store(std::vector<std::uint8_t>& bytes, std::size_t offset, T value) {
    std::memcpy(bytes.data() + offset, &value, sizeof value);
}

template <class T> void Append(std::vector<std::uint8_t>& bytes, T value) {
    const auto at = bytes.size();
    bytes.resize(at + sizeof value);
    Store(bytes, at, value);
}

inline void PadTo(std::vector<std::uint8_t>& bytes, std::size_t alignment) {
    bytes.resize((bytes.size() + alignment - 1) / alignment * alignment, 0);
}

} // namespace brelvane
