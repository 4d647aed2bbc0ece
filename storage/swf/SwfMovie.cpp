#include "storage/swf/SwfMovie.h"

#include <algorithm>
#include <cstring>
#include <zlib.h>

namespace brelvane {

namespace {
constexpr std::uint16_t kShowFrame = 1;
constexpr std::uint16_t kDoAction = 12;
constexpr std::uint16_t kFileAttributes = 69;
constexpr std::uint8_t kActionScript3Flag = 0x08;
constexpr std::size_t kHeaderSize = 8;

std::uint32_t U32At(const std::uint8_t* bytes) {
    std::uint32_t value;
    std::memcpy(&value, bytes, 4);
    return value;
}

// The whole movie as an uncompressed file.
std::optional<std::vector<std::uint8_t>> Unpacked(std::span<const std::uint8_t> movie) {
    if (movie.size() < kHeaderSize) return std::nullopt;
    const bool plain = movie[0] == 'F', packed = movie[0] == 'C';
    if ((!plain && !packed) || movie[1] != 'W' || movie[2] != 'S') return std::nullopt;
    const std::uint32_t length = U32At(movie.data() + 4);
    if (length < kHeaderSize || length > kMaxSwfLength) return std::nullopt;
    std::vector<std::uint8_t> file(movie.begin(), movie.begin() + kHeaderSize);
    if (plain) {
        // A file shorter than its length word plays what it holds.
        file.assign(movie.begin(), movie.begin() + std::min<std::size_t>(movie.size(), length));
        return file;
    }
    file.resize(length);
    uLongf out = length - kHeaderSize;
    uLong in = movie.size() - kHeaderSize;
    // A stream cut short or damaged keeps what it unpacked before.
    const int result =
        uncompress2(file.data() + kHeaderSize, &out, movie.data() + kHeaderSize, &in);
    if (result != Z_OK && result != Z_BUF_ERROR && result != Z_DATA_ERROR) return std::nullopt;
    file.resize(kHeaderSize + out);
    file[0] = 'F';
    return file;
}

// The byte after the frame size, rate and count.
std::optional<std::size_t> TagsStart(const std::vector<std::uint8_t>& file, TSwfHeader& header) {
    if (file.size() <= kHeaderSize) return std::nullopt;
    const int bits = file[kHeaderSize] >> 3;
    const std::size_t rectBytes = (5 + 4 * static_cast<std::size_t>(bits) + 7) / 8;
    const std::size_t start = kHeaderSize + rectBytes + 4;
    if (start > file.size()) return std::nullopt;
    std::int32_t values[4] = {};
    std::size_t bit = kHeaderSize * 8 + 5;
    for (auto& value : values) {
        std::uint32_t raw = 0;
        for (int i = 0; i < bits; ++i, ++bit)
            raw = (raw << 1) | ((file[bit / 8] >> (7 - bit % 8)) & 1);
        // Sign-extend `bits` bits.
        value = bits == 0 ? 0 : static_cast<std::int32_t>(raw << (32 - bits)) >> (32 - bits);
    }
    header.Width = (values[1] - values[0]) / 20;
    header.Height = (values[3] - values[2]) / 20;
    header.FrameRate = static_cast<std::uint16_t>(file[start - 4] | file[start - 3] << 8);
    header.FrameCount = static_cast<std::uint16_t>(file[start - 2] | file[start - 1] << 8);
    return start;
}

struct TTag {
    std::uint16_t Code;
    std::size_t Start; // of the tag header
    std::size_t Body;
    std::size_t End;
};

std::optional<TTag> TagAt(const std::vector<std::uint8_t>& file, std::size_t at) {
    if (file.size() - at < 2) return std::nullopt;
    const std::uint16_t word = static_cast<std::uint16_t>(file[at] | file[at + 1] << 8);
    std::size_t length = word & 0x3f;
    std::size_t body = at + 2;
    if (length == 0x3f) {
        if (file.size() - body < 4) return std::nullopt;
        length = U32At(file.data() + body);
        body += 4;
    }
    if (length > file.size() - body) return std::nullopt;
    return TTag{static_cast<std::uint16_t>(word >> 6), at, body, body + length};
}
} // namespace

std::optional<TSwfHeader> ReadSwfHeader(std::span<const std::uint8_t> movie) {
    const auto file = Unpacked(movie);
    if (!file) return std::nullopt;
    TSwfHeader header;
    header.Version = (*file)[3];
    header.Compressed = movie[0] == 'C';
    if (!TagsStart(*file, header)) return std::nullopt;
    return header;
}

std::optional<std::vector<std::uint8_t>> StopAtLastFrame(std::span<const std::uint8_t> movie) {
    auto file = Unpacked(movie);
    if (!file) return std::nullopt;
    TSwfHeader header;
    const auto start = TagsStart(*file, header);
    if (!start) return std::nullopt;
    std::optional<std::size_t> lastShowFrame;
    for (std::size_t at = *start; at < file->size();) {
        const auto tag = TagAt(*file, at);
        if (!tag) break; // damage after the last whole tag: the frames before it count
        if (tag->Code == kFileAttributes && tag->Body < tag->End &&
            ((*file)[tag->Body] & kActionScript3Flag))
            return std::nullopt;
        if (tag->Code == kShowFrame) lastShowFrame = tag->Start;
        if (tag->Code == 0) break;
        at = tag->End;
    }
    if (!lastShowFrame) return std::nullopt;
    // DoAction { ActionStop, ActionEndFlag } before the last frame is shown.
    constexpr std::uint8_t kStop[] = {(kDoAction << 6 | 2) & 0xff, kDoAction >> 2, 0x07, 0x00};
    file->insert(file->begin() + static_cast<std::ptrdiff_t>(*lastShowFrame), std::begin(kStop),
                 std::end(kStop));
    const auto length = static_cast<std::uint32_t>(file->size());
    std::memcpy(file->data() + 4, &length, 4);
    return file;
}

} // namespace brelvane
