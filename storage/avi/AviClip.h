#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace brelvane {

// Frame codings the reader plays: the bitmap compressions of the video stream.
enum TAviCompression : std::uint32_t { acRgb = 0, acRle8 = 1, acRle4 = 2 };

// Where one frame's data lies in the file.
struct TAviFrameRef {
    std::size_t Offset = 0;
    std::size_t Size = 0;
};

// The video stream of an AVI file, as far as a silent clip needs it.
struct TAviClip {
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    // Rows stored from the top (a negative bitmap height); RLE is bottom-up.
    bool TopDown = false;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = acRgb;
    // The stream's own rate, or the main header's when the stream gives none.
    std::uint32_t MicroSecPerFrame = 0;
    // 0xffRRGGBB entries of an 8- or 4-bit clip.
    std::vector<std::uint32_t> Palette;
    // Video frames in file order; a frame of size 0 repeats the previous one.
    std::vector<TAviFrameRef> Frames;
};

// Reads the headers and finds the frames of an AVI file held in `file`. Audio
// and other streams are ignored. Clips of another coding, and damage (sizes
// beyond their list, a frame size the file cannot hold), give nothing and the
// reason in `fault`.
std::optional<TAviClip> ReadAviClip(std::span<const std::uint8_t> file,
                                    std::string* fault = nullptr);

// A clip file read whole.
struct TAviMovie {
    std::vector<std::uint8_t> Bytes;
    TAviClip Clip;
    std::span<const std::uint8_t> FrameData(std::size_t index) const;
};

// Files larger than this are not read: a start-up clip is small.
inline constexpr std::uint64_t kMaxAviFileSize = 256u << 20;

std::optional<TAviMovie> LoadAviMovie(const std::string& path, std::string* fault = nullptr);

} // namespace brelvane
