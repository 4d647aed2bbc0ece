#pragma once

#include "storage/avi/AviClip.h"

#include <cstdint>
#include <vector>

namespace brelvane {

// What a written AVI file holds: one video stream of already coded frames.
struct TAviContent {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    bool TopDown = false;
    std::uint16_t BitCount = 8;
    std::uint32_t Compression = acRle8;
    std::uint32_t MicroSecPerFrame = 100000;
    // 0xRRGGBB entries.
    std::vector<std::uint32_t> Palette;
    std::vector<std::vector<std::uint8_t>> Frames;
    // A silent audio stream whose chunks lie between the frames.
    bool AudioStream = false;
    // Each frame inside a "rec " list of its own.
    bool RecordLists = false;
};

// RIFF "AVI " with its main header, the stream lists and "movi" (no index).
std::vector<std::uint8_t> WriteAvi(const TAviContent& content);

// One RLE8 frame of Width × Height palette indices (top row first). With a
// previous frame, unchanged pixels are skipped by moves, so that the decoder
// keeps them; without, every pixel is coded.
std::vector<std::uint8_t> EncodeRle8(const std::vector<std::uint8_t>& frame,
                                     const std::vector<std::uint8_t>* previous, std::int32_t width,
                                     std::int32_t height);

} // namespace brelvane
