#include "storage/swf/SwfWriter.h"

#include <bit>
#include <cstdlib>
#include <cstring>

namespace brelvane {

namespace {
constexpr std::int32_t kTwips = 20;
constexpr std::uint16_t kEnd = 0, kShowFrame = 1, kDefineShape = 2, kSetBackgroundColor = 9,
                        kPlaceObject2 = 26;

// Bit fields are packed from the most significant bit and end on a byte.
class TBits {
public:
    void Put(std::uint32_t value, int bits) {
        for (int i = bits - 1; i >= 0; --i) {
            if (used_ == 0) bytes_.push_back(0);
            if ((value >> i) & 1) bytes_.back() |= static_cast<std::uint8_t>(0x80 >> used_);
            used_ = (used_ + 1) % 8;
        }
    }
    void Signed(std::int32_t value, int bits) { Put(static_cast<std::uint32_t>(value), bits); }
    void Align() { used_ = 0; }
    void Byte(std::uint8_t value) {
        Align();
        bytes_.push_back(value);
    }
    void U16(std::uint16_t value) {
        Byte(static_cast<std::uint8_t>(value));
        Byte(static_cast<std::uint8_t>(value >> 8));
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
    int used_ = 0;
};

// Bits a signed field needs to hold every value.
int SignedBits(std::initializer_list<std::int32_t> values) {
    int bits = 1;
    for (const auto value : values)
        bits = std::max(bits, 1 + static_cast<int>(
                                      std::bit_width(static_cast<std::uint32_t>(std::abs(value)))));
    return bits;
}

void Rect(TBits& out, std::int32_t xMin, std::int32_t xMax, std::int32_t yMin, std::int32_t yMax) {
    const int bits = SignedBits({xMin, xMax, yMin, yMax});
    out.Put(static_cast<std::uint32_t>(bits), 5);
    for (const auto value : {xMin, xMax, yMin, yMax})
        out.Signed(value, bits);
    out.Align();
}

void Rgb(TBits& out, std::uint32_t colour) {
    out.Byte(static_cast<std::uint8_t>(colour >> 16));
    out.Byte(static_cast<std::uint8_t>(colour >> 8));
    out.Byte(static_cast<std::uint8_t>(colour));
}

void Tag(std::vector<std::uint8_t>& file, std::uint16_t code,
         const std::vector<std::uint8_t>& body) {
    const auto put16 = [&](std::uint32_t v) {
        file.push_back(static_cast<std::uint8_t>(v));
        file.push_back(static_cast<std::uint8_t>(v >> 8));
    };
    if (body.size() < 0x3f) {
        put16(static_cast<std::uint32_t>(code) << 6 | static_cast<std::uint32_t>(body.size()));
    } else {
        put16(static_cast<std::uint32_t>(code) << 6 | 0x3f);
        put16(static_cast<std::uint32_t>(body.size()));
        put16(static_cast<std::uint32_t>(body.size() >> 16));
    }
    file.insert(file.end(), body.begin(), body.end());
}

// Shape 1: the rectangle's size at the origin, filled with its colour.
std::vector<std::uint8_t> RectangleShape(const TSwfRectangle& r) {
    const std::int32_t w = r.Width * kTwips, h = r.Height * kTwips;
    TBits out;
    out.U16(1);
    Rect(out, 0, w, 0, h);
    out.Byte(1); // one fill style: solid
    out.Byte(0x00);
    Rgb(out, r.Colour);
    out.Byte(0);   // no line styles
    out.Put(1, 4); // fill and line index bits
    out.Put(0, 4);
    // Style change: fill style 1, move to the origin.
    out.Put(0, 1);
    out.Put(0b00101, 5);
    out.Put(1, 5);
    out.Signed(0, 1);
    out.Signed(0, 1);
    out.Put(1, 1);
    // Four straight edges, each vertical or horizontal.
    const int bits = SignedBits({w, h});
    const struct {
        bool vertical;
        std::int32_t delta;
    } edges[] = {{false, w}, {true, h}, {false, -w}, {true, -h}};
    for (const auto& edge : edges) {
        out.Put(0b11, 2);
        out.Put(static_cast<std::uint32_t>(bits - 2), 4);
        out.Put(0, 1);
        out.Put(edge.vertical ? 1 : 0, 1);
        out.Signed(edge.delta, bits);
    }
    out.Put(0, 6); // end of shape
    out.Align();
    return std::move(out.Bytes());
}

std::vector<std::uint8_t> Place(const TSwfRectangle& r, bool first) {
    TBits out;
    out.Byte(first ? 0x06 : 0x05); // matrix and character, or matrix and move
    out.U16(1);                    // depth
    if (first) out.U16(1);         // character
    const std::int32_t x = r.Left * kTwips, y = r.Top * kTwips;
    const int bits = SignedBits({x, y});
    out.Put(0, 1); // no scale
    out.Put(0, 1); // no rotation
    out.Put(static_cast<std::uint32_t>(bits), 5);
    out.Signed(x, bits);
    out.Signed(y, bits);
    out.Align();
    return std::move(out.Bytes());
}
} // namespace

std::vector<std::uint8_t> WriteSwf(const TSwfContent& content) {
    TBits head;
    Rect(head, 0, content.Width * kTwips, 0, content.Height * kTwips);
    head.Byte(0); // frame rate, 8.8 fixed point
    head.Byte(content.FramesPerSecond);
    const auto frames = static_cast<std::uint16_t>(std::max<std::size_t>(content.Frames.size(), 1));
    head.U16(frames);

    std::vector<std::uint8_t> body = std::move(head.Bytes());
    TBits background;
    Rgb(background, content.Background);
    Tag(body, kSetBackgroundColor, background.Bytes());
    if (!content.Frames.empty()) Tag(body, kDefineShape, RectangleShape(content.Frames.front()));
    for (std::size_t i = 0; i < content.Frames.size(); ++i) {
        Tag(body, kPlaceObject2, Place(content.Frames[i], i == 0));
        Tag(body, kShowFrame, {});
    }
    if (content.Frames.empty()) Tag(body, kShowFrame, {});
    Tag(body, kEnd, {});

    constexpr std::uint8_t kSignature[] = {'F', 'W', 'S', 10};
    const auto length = static_cast<std::uint32_t>(sizeof kSignature + 4 + body.size());
    std::vector<std::uint8_t> file(length);
    std::memcpy(file.data(), kSignature, sizeof kSignature);
    std::memcpy(file.data() + 4, &length, 4);
    std::memcpy(file.data() + 8, body.data(), body.size());
    return file;
}

} // namespace brelvane
