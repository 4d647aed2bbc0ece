#pragma once

#include <cstdint>
#include <vector>

namespace brelvane {

// A rectangle of one colour, in pixels.
struct TSwfRectangle {
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint32_t Colour = 0; // 0xRRGGBB
};

// A small uncompressed Flash movie: a background colour and one rectangle
// that moves from frame to frame (the demo's movie and the tests' samples).
struct TSwfContent {
    std::int32_t Width = 320;
    std::int32_t Height = 240;
    std::uint8_t FramesPerSecond = 12;
    std::uint32_t Background = 0xffffff;
    // The rectangle's place in each frame; no entry gives one empty frame.
    std::vector<TSwfRectangle> Frames;
};

std::vector<std::uint8_t> WriteSwf(const TSwfContent& content);

} // namespace brelvane
