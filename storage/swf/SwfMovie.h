#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace brelvane {

// What the header of a Flash movie says.
struct TSwfHeader {
    std::uint8_t Version = 0;
    bool Compressed = false;
    // The frame size in pixels (twips / 20).
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Frames per second, 8.8 fixed point as stored.
    std::uint16_t FrameRate = 0;
    std::uint16_t FrameCount = 0;
};

// Uncompressed ("FWS") and zlib-compressed ("CWS") movies are read; LZMA
// ("ZWS"), damage and movies that unpack to more than kMaxSwfLength give nothing.
std::optional<TSwfHeader> ReadSwfHeader(std::span<const std::uint8_t> movie);

inline constexpr std::uint32_t kMaxSwfLength = 64u << 20;

// The movie, unpacked, with a stop action put into its last frame, so that
// it plays once: how a player without a loop setting is told not to loop.
// Nothing for movies that cannot be changed so (ActionScript 3, LZMA, damage).
std::optional<std::vector<std::uint8_t>> StopAtLastFrame(std::span<const std::uint8_t> movie);

} // namespace brelvane
