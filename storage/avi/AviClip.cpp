#include "storage/avi/AviClip.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>

namespace brelvane {

namespace {
constexpr std::int32_t kMaxSide = 16384;
// An RLE pair draws at most 255 pixels from two bytes: a frame needs at least
// this many bytes of file per pixel to be drawn at all.
constexpr std::uint64_t kPixelsPerFileByte = 128;
constexpr std::size_t kMainHeaderSize = 40;
constexpr std::size_t kStreamHeaderSize = 36;
constexpr std::size_t kBitmapHeaderSize = 40;
// Lists inside lists: hdrl, strl, movi and rec, with room for odd writers.
constexpr int kMaxListDepth = 8;

constexpr std::uint32_t FourCC(const char (&code)[5]) {
    return static_cast<std::uint32_t>(code[0]) | static_cast<std::uint32_t>(code[1]) << 8 |
           static_cast<std::uint32_t>(code[2]) << 16 | static_cast<std::uint32_t>(code[3]) << 24;
}

struct TFault {
    std::string Text;
};

// A bounded view of the file through which every read is checked.
class TReader {
public:
    explicit TReader(std::span<const std::uint8_t> file) : file_(file) {}
    template <class T> T At(std::size_t offset) const {
        if (offset > file_.size() || file_.size() - offset < sizeof(T))
            throw TFault{"the file ends inside a header"};
        T value;
        std::memcpy(&value, file_.data() + offset, sizeof value);
        return value;
    }
    std::size_t Size() const { return file_.size(); }

private:
    std::span<const std::uint8_t> file_;
};

struct TStreamInfo {
    std::uint32_t Type = 0;
    std::uint32_t Scale = 0;
    std::uint32_t Rate = 0;
    bool HasFormat = false;
    std::int32_t Width = 0;
    std::int32_t Height = 0;
    std::uint16_t BitCount = 0;
    std::uint32_t Compression = 0;
    std::vector<std::uint32_t> Palette;
};

class TAviParser {
public:
    explicit TAviParser(std::span<const std::uint8_t> file) : in_(file) {}

    TAviClip Parse() {
        if (in_.At<std::uint32_t>(0) != FourCC("RIFF") ||
            in_.At<std::uint32_t>(8) != FourCC("AVI "))
            throw TFault{"not an AVI file"};
        // A file cut short plays the frames it still holds.
        const std::uint64_t riffEnd = std::uint64_t{in_.At<std::uint32_t>(4)} + 8;
        Walk(12, static_cast<std::size_t>(std::min<std::uint64_t>(riffEnd, in_.Size())), 0, 0);
        return Finish();
    }

private:
    // The end of a chunk whose data begins at `start` + 8, bounded by its parent.
    std::size_t ListEnd(std::size_t start, std::uint32_t size, std::size_t parentEnd) const {
        const std::uint64_t end = static_cast<std::uint64_t>(start) + 8 + size;
        if (end > parentEnd) throw TFault{"a chunk runs past its list"};
        return static_cast<std::size_t>(end);
    }

    void Walk(std::size_t at, std::size_t end, std::uint32_t listType, int depth) {
        if (depth > kMaxListDepth) throw TFault{"lists nested too deep"};
        while (at + 8 <= end) {
            const auto id = in_.At<std::uint32_t>(at);
            const auto size = in_.At<std::uint32_t>(at + 4);
            const std::size_t chunkEnd = ListEnd(at, size, end);
            const std::size_t data = at + 8;
            if (id == FourCC("LIST") || id == FourCC("RIFF")) {
                if (size < 4) throw TFault{"a list without its type"};
                const auto type = in_.At<std::uint32_t>(data);
                if (type == FourCC("strl")) streams_.emplace_back();
                Walk(data + 4, chunkEnd, type, depth + 1);
            } else if (id == FourCC("avih")) {
                MainHeader(data, size);
            } else if (id == FourCC("strh") && listType == FourCC("strl")) {
                StreamHeader(data, size);
            } else if (id == FourCC("strf") && listType == FourCC("strl")) {
                StreamFormat(data, size);
            } else if (IsVideoChunk(id)) {
                frames_.push_back({data, size});
            }
            // Chunks are padded to an even size.
            at = chunkEnd + (chunkEnd & 1);
        }
    }

    // "##db" and "##dc" of the video stream; its number is known once the
    // headers are read, so every stream's chunks are kept with their number.
    bool IsVideoChunk(std::uint32_t id) {
        const char c[4] = {static_cast<char>(id), static_cast<char>(id >> 8),
                           static_cast<char>(id >> 16), static_cast<char>(id >> 24)};
        if (c[2] != 'd' || (c[3] != 'b' && c[3] != 'c')) return false;
        if (c[0] < '0' || c[0] > '9' || c[1] < '0' || c[1] > '9') return false;
        const int stream = (c[0] - '0') * 10 + (c[1] - '0');
        if (video_ < 0) video_ = VideoStream();
        return stream == video_;
    }

    int VideoStream() const {
        for (std::size_t i = 0; i < streams_.size(); ++i)
            if (streams_[i].Type == FourCC("vids")) return static_cast<int>(i);
        throw TFault{"frames before a video stream header"};
    }

    void MainHeader(std::size_t data, std::uint32_t size) {
        if (size < kMainHeaderSize) throw TFault{"main header too short"};
        mainMicroSecPerFrame_ = in_.At<std::uint32_t>(data);
    }

    void StreamHeader(std::size_t data, std::uint32_t size) {
        if (streams_.empty() || size < kStreamHeaderSize) throw TFault{"stream header too short"};
        auto& stream = streams_.back();
        stream.Type = in_.At<std::uint32_t>(data);
        stream.Scale = in_.At<std::uint32_t>(data + 20);
        stream.Rate = in_.At<std::uint32_t>(data + 24);
    }

    void StreamFormat(std::size_t data, std::uint32_t size) {
        if (streams_.empty()) throw TFault{"stream format outside a stream list"};
        auto& stream = streams_.back();
        if (stream.Type != FourCC("vids")) return;
        if (size < kBitmapHeaderSize) throw TFault{"bitmap header too short"};
        const auto headerSize = in_.At<std::uint32_t>(data);
        if (headerSize < kBitmapHeaderSize || headerSize > size)
            throw TFault{"bitmap header size out of its chunk"};
        stream.HasFormat = true;
        stream.Width = in_.At<std::int32_t>(data + 4);
        stream.Height = in_.At<std::int32_t>(data + 8);
        stream.BitCount = in_.At<std::uint16_t>(data + 14);
        stream.Compression = in_.At<std::uint32_t>(data + 16);
        if (stream.BitCount > 8) return;
        std::uint32_t colours = in_.At<std::uint32_t>(data + 32);
        const std::uint32_t most = 1u << stream.BitCount;
        if (colours == 0 || colours > most) colours = most;
        // A palette cut short by its chunk keeps the entries it has.
        const std::size_t room = (size - headerSize) / 4;
        if (colours > room) colours = static_cast<std::uint32_t>(room);
        for (std::uint32_t i = 0; i < colours; ++i)
            stream.Palette.push_back(0xff000000u |
                                     (in_.At<std::uint32_t>(data + headerSize + 4 * i) & 0xffffff));
    }

    TAviClip Finish() const {
        if (video_ < 0 && streams_.empty()) throw TFault{"no stream header"};
        const auto& stream =
            streams_[static_cast<std::size_t>(video_ < 0 ? VideoStream() : video_)];
        if (!stream.HasFormat) throw TFault{"no video format"};
        TAviClip clip;
        clip.Width = stream.Width;
        clip.TopDown = stream.Height < 0;
        const std::int64_t rows = std::abs(static_cast<std::int64_t>(stream.Height));
        clip.Height = rows > kMaxSide ? 0 : static_cast<std::int32_t>(rows);
        clip.BitCount = stream.BitCount;
        clip.Compression = stream.Compression;
        clip.Palette = stream.Palette;
        clip.Frames = frames_;
        CheckCoding(clip);
        if (clip.Width <= 0 || clip.Height <= 0 || clip.Width > kMaxSide || clip.Height > kMaxSide)
            throw TFault{"frame size out of range"};
        if (static_cast<std::uint64_t>(clip.Width) * static_cast<std::uint64_t>(clip.Height) >
            kPixelsPerFileByte * in_.Size())
            throw TFault{"frame size larger than the file can draw"};
        if (stream.Scale != 0 && stream.Rate != 0) {
            const std::uint64_t micro = 1000000ull * stream.Scale / stream.Rate;
            clip.MicroSecPerFrame =
                micro > 0xffffffffull ? 0xffffffffu : static_cast<std::uint32_t>(micro);
        } else {
            clip.MicroSecPerFrame = mainMicroSecPerFrame_;
        }
        return clip;
    }

    static void CheckCoding(const TAviClip& clip) {
        const bool paletted = clip.BitCount == 8 || clip.BitCount == 4;
        bool known = false;
        switch (clip.Compression) {
        case acRgb:
            known = clip.BitCount == 8 || clip.BitCount == 16 || clip.BitCount == 24 ||
                    clip.BitCount == 32;
            break;
        case acRle8:
            known = clip.BitCount == 8 && !clip.TopDown;
            break;
        case acRle4:
            known = clip.BitCount == 4 && !clip.TopDown;
            break;
        default:
            break;
        }
        if (!known) throw TFault{"a frame coding this player does not play"};
        if (paletted && clip.Palette.empty()) throw TFault{"a paletted clip without palette"};
    }

    TReader in_;
    std::vector<TStreamInfo> streams_;
    std::vector<TAviFrameRef> frames_;
    std::uint32_t mainMicroSecPerFrame_ = 0;
    int video_ = -1;
};
} // namespace

std::optional<TAviClip> ReadAviClip(std::span<const std::uint8_t> file, std::string* fault) {
    try {
        return TAviParser(file).Parse();
    } catch (const TFault& failure) {
        if (fault) *fault = failure.Text;
        return std::nullopt;
    }
}

std::span<const std::uint8_t> TAviMovie::FrameData(std::size_t index) const {
    const auto& frame = Clip.Frames.at(index);
    return std::span<const std::uint8_t>(Bytes).subspan(frame.Offset, frame.Size);
}

std::optional<TAviMovie> LoadAviMovie(const std::string& path, std::string* fault) {
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const auto say = [fault](const char* text) {
        if (fault) *fault = text;
        return std::nullopt;
    };
    if (!file) return say("the file cannot be opened");
    const auto size = static_cast<std::uint64_t>(file.tellg());
    if (size > kMaxAviFileSize) return say("the file is too large for a clip");
    file.seekg(0);
    TAviMovie movie;
    movie.Bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    auto clip = ReadAviClip(movie.Bytes, fault);
    if (!clip) return std::nullopt;
    movie.Clip = std::move(*clip);
    return movie;
}

} // namespace brelvane
