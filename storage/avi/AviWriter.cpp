#include "storage/avi/AviWriter.h"

#include <cstring>
#include <string_view>

namespace brelvane {

namespace {
class TRiffOut {
public:
    void Id(std::string_view id) { bytes_.insert(bytes_.end(), id.begin(), id.end()); }
    void U32(std::uint32_t value) {
        for (int i = 0; i < 4; ++i)
            bytes_.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
    void U16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void Bytes(const std::vector<std::uint8_t>& data) {
        bytes_.insert(bytes_.end(), data.begin(), data.end());
    }
    // Opens a chunk (or a list with its type) whose size is filled in by Close.
    std::size_t Open(std::string_view id, std::string_view listType = {}) {
        Id(id);
        const std::size_t at = bytes_.size();
        U32(0);
        if (!listType.empty()) Id(listType);
        return at;
    }
    void Close(std::size_t at) {
        const auto size = static_cast<std::uint32_t>(bytes_.size() - at - 4);
        std::memcpy(bytes_.data() + at, &size, 4);
        if (bytes_.size() & 1) bytes_.push_back(0);
    }
    std::vector<std::uint8_t> Take() { return std::move(bytes_); }

private:
    std::vector<std::uint8_t> bytes_;
};

void VideoStreamList(TRiffOut& out, const TAviContent& content) {
    const auto strl = out.Open("LIST", "strl");
    const auto strh = out.Open("strh");
    out.Id("vids");
    out.Id(content.Compression == acRgb ? "DIB " : "mrle");
    for (int i = 0; i < 3; ++i)
        out.U32(0);                    // flags, priority and language, initial frames
    out.U32(content.MicroSecPerFrame); // scale over rate: microseconds per frame
    out.U32(1000000);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(content.Frames.size()));
    out.U32(0);
    out.U32(0xffffffffu);
    out.U32(0);
    for (int i = 0; i < 2; ++i)
        out.U16(0);
    out.U16(static_cast<std::uint16_t>(content.Width));
    out.U16(static_cast<std::uint16_t>(content.Height));
    out.Close(strh);
    const auto strf = out.Open("strf");
    out.U32(40);
    out.U32(static_cast<std::uint32_t>(content.Width));
    out.U32(static_cast<std::uint32_t>(content.TopDown ? -content.Height : content.Height));
    out.U16(1);
    out.U16(content.BitCount);
    out.U32(content.Compression);
    for (int i = 0; i < 3; ++i)
        out.U32(0);
    out.U32(static_cast<std::uint32_t>(content.Palette.size()));
    out.U32(0);
    for (const auto colour : content.Palette)
        out.U32(colour & 0xffffff);
    out.Close(strf);
    out.Close(strl);
}

void AudioStreamList(TRiffOut& out) {
    const auto strl = out.Open("LIST", "strl");
    const auto strh = out.Open("strh");
    out.Id("auds");
    for (int i = 0; i < 12; ++i)
        out.U32(i == 4 || i == 5 ? 1 : 0);
    out.Close(strh);
    const auto strf = out.Open("strf");
    out.U16(1); // PCM, mono, 8 kHz, 8 bits
    out.U16(1);
    out.U32(8000);
    out.U32(8000);
    out.U16(1);
    out.U16(8);
    out.Close(strf);
    out.Close(strl);
}
} // namespace

std::vector<std::uint8_t> WriteAvi(const TAviContent& content) {
    TRiffOut out;
    const auto riff = out.Open("RIFF", "AVI ");
    const auto hdrl = out.Open("LIST", "hdrl");
    const auto avih = out.Open("avih");
    out.U32(content.MicroSecPerFrame);
    for (int i = 0; i < 3; ++i)
        out.U32(0);
    out.U32(static_cast<std::uint32_t>(content.Frames.size()));
    out.U32(0);
    out.U32(content.AudioStream ? 2 : 1);
    out.U32(0);
    out.U32(static_cast<std::uint32_t>(content.Width));
    out.U32(static_cast<std::uint32_t>(content.Height));
    for (int i = 0; i < 4; ++i)
        out.U32(0);
    out.Close(avih);
    VideoStreamList(out, content);
    if (content.AudioStream) AudioStreamList(out);
    out.Close(hdrl);

    const auto movi = out.Open("LIST", "movi");
    for (const auto& frame : content.Frames) {
        const auto rec = content.RecordLists ? out.Open("LIST", "rec ") : 0;
        const auto chunk = out.Open(content.Compression == acRgb ? "00db" : "00dc");
        out.Bytes(frame);
        out.Close(chunk);
        if (content.AudioStream) {
            const auto audio = out.Open("01wb");
            out.Bytes(std::vector<std::uint8_t>(800, 0x80));
            out.Close(audio);
        }
        if (content.RecordLists) out.Close(rec);
    }
    out.Close(movi);
    out.Close(riff);
    return out.Take();
}

std::vector<std::uint8_t> EncodeRle8(const std::vector<std::uint8_t>& frame,
                                     const std::vector<std::uint8_t>* previous, std::int32_t width,
                                     std::int32_t height) {
    std::vector<std::uint8_t> out;
    const auto at = [width](std::int32_t row) {
        return static_cast<std::size_t>(row) * static_cast<std::size_t>(width);
    };
    // Bitmap rows go from the bottom up.
    for (std::int32_t y = 0; y < height; ++y) {
        const std::size_t row = at(height - 1 - y);
        const auto same = [&](std::int32_t x) {
            return previous && (*previous)[row + static_cast<std::size_t>(x)] ==
                                   frame[row + static_cast<std::size_t>(x)];
        };
        std::int32_t x = 0;
        while (x < width) {
            std::int32_t skip = 0;
            while (x + skip < width && same(x + skip))
                ++skip;
            if (x + skip == width) break; // the rest of the line is kept
            for (; skip > 0;) {
                const std::int32_t step = std::min(skip, 255);
                out.insert(out.end(), {0, 2, static_cast<std::uint8_t>(step), 0});
                x += step;
                skip -= step;
            }
            const std::uint8_t colour = frame[row + static_cast<std::size_t>(x)];
            std::int32_t run = 1;
            while (x + run < width && run < 255 && !same(x + run) &&
                   frame[row + static_cast<std::size_t>(x + run)] == colour)
                ++run;
            out.insert(out.end(), {static_cast<std::uint8_t>(run), colour});
            x += run;
        }
        out.insert(out.end(), {0, 0});
    }
    // The last end of line becomes the end of the picture.
    if (out.empty())
        out = {0, 1};
    else
        out.back() = 1;
    return out;
}

} // namespace brelvane
