#pragma once

#include <cstdint>
#include <vector>

namespace brelvane {

// A video clip in the simplest form players open everywhere: an AVI file of
// one Motion-JPEG stream, every frame a key frame, with an index. The demo
// project's clip and the tests' clips are written this way.
struct TMjpegClip {
    int Width = 0;
    int Height = 0;
    int FramesPerSecond = 25;
    // Each frame as a complete JPEG file.
    std::vector<std::vector<std::uint8_t>> Frames;
};

std::vector<std::uint8_t> MjpegAviBytes(const TMjpegClip& clip);

} // namespace brelvane
