#include "storage/MjpegAvi.h"

#include <algorithm>
#include <cstring>
#include <string_view>

namespace brelvane {

namespace {
constexpr std::uint32_t kHasIndex = 0x10;
constexpr std::uint32_t kKeyFrame = 0x10;

class TRiffWriter {
public:
    void Tag(std::string_view fourcc) { bytes_.insert(bytes_.end(), fourcc.begin(), fourcc.end()); }
    void U32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    void U16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void Data(const std::vector<std::uint8_t>& data) {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
        if (data.size() % 2) bytes_.push_back(0);
    }
    // Opens a chunk (or list, with `type`); returns where its size goes.
    std::size_t Open(std::string_view fourcc, std::string_view type = {}) {
        Tag(fourcc);
        const std::size_t at = bytes_.size();
        U32(0);
        if (!type.empty()) Tag(type);
        return at;
    }
    void Close(std::size_t at) {
        const auto size = static_cast<std::uint32_t>(bytes_.size() - at - 4);
        std::memcpy(bytes_.data() + at, &size, 4);
    }
    std::size_t Size() const { return bytes_.size(); }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};
} // namespace

std::vector<std::uint8_t> MjpegAviBytes(const TMjpegClip& clip) {
    const auto width = static_cast<std::uint32_t>(std::max(clip.Width, 1));
    const auto height = static_cast<std::uint32_t>(std::max(clip.Height, 1));
    const auto rate = static_cast<std::uint32_t>(std::max(clip.FramesPerSecond, 1));
    const auto count = static_cast<std::uint32_t>(clip.Frames.size());
    std::uint32_t largest = 0;
    for (const auto& frame : clip.Frames)
        largest = std::max(largest, static_cast<std::uint32_t>(frame.size()));

    TRiffWriter out;
    const auto riff = out.Open("RIFF", "AVI ");
    const auto hdrl = out.Open("LIST", "hdrl");
    const auto avih = out.Open("avih");
    out.U32(1000000 / rate);
    out.U32(largest * rate);
    out.U32(0);
    out.U32(kHasIndex);
    out.U32(count);
    out.U32(0);
    out.U32(1);
    out.U32(largest);
    out.U32(width);
    out.U32(height);
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    out.Close(avih);
    const auto strl = out.Open("LIST", "strl");
    const auto strh = out.Open("strh");
    out.Tag("vids");
    out.Tag("MJPG");
    out.U32(0);    // flags
    out.U32(0);    // priority and language
    out.U32(0);    // initial frames
    out.U32(1);    // scale
    out.U32(rate); // rate: frames per second
    out.U32(0);    // start
    out.U32(count);
    out.U32(largest);
    out.U32(0xFFFFFFFF); // default quality
    out.U32(0);          // sample size: varies
    out.U16(0);
    out.U16(0);
    out.U16(static_cast<std::uint16_t>(width));
    out.U16(static_cast<std::uint16_t>(height));
    out.Close(strh);
    const auto strf = out.Open("strf");
    out.U32(40);
    out.U32(width);
    out.U32(height);
    out.U16(1);
    out.U16(24);
    out.Tag("MJPG");
    out.U32(width * height * 3);
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    out.Close(strf);
    out.Close(strl);
    out.Close(hdrl);

    const auto movi = out.Open("LIST", "movi");
    const std::size_t moviType = movi + 4;
    std::vector<std::pair<std::uint32_t, std::uint32_t>> index;
    for (const auto& frame : clip.Frames) {
        index.emplace_back(static_cast<std::uint32_t>(out.Size() - moviType),
                           static_cast<std::uint32_t>(frame.size()));
        // The chunk's size leaves out the pad byte that keeps chunks on even offsets.
        out.Tag("00dc");
        out.U32(static_cast<std::uint32_t>(frame.size()));
        out.Data(frame);
    }
    out.Close(movi);
    const auto idx1 = out.Open("idx1");
    for (const auto& [offset, length] : index) {
        out.Tag("00dc");
        out.U32(kKeyFrame);
        out.U32(offset);
        out.U32(length);
    }
    out.Close(idx1);
    out.Close(riff);
    return out.Take();
}

} // namespace brelvane
