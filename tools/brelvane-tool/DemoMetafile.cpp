#include "DemoMetafile.h"

#include <cstdint>
#include <initializer_list>
#include <vector>

namespace brelvane {

namespace {

constexpr std::uint32_t kHeader = 1, kPolygon16 = 86, kEof = 14, kSelectObject = 37,
                        kCreatePen = 38, kCreateBrush = 39, kEllipse = 42, kRoundRect = 44;
constexpr std::uint32_t kWidth = 160, kHeight = 100;

class TRecords {
public:
    void Put32(std::uint32_t value) {
        for (int shift = 0; shift < 32; shift += 8)
            bytes_.push_back(static_cast<std::uint8_t>(value >> shift));
    }
    void Put16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    // A record of 32-bit fields.
    void Record(std::uint32_t type, std::initializer_list<std::uint32_t> fields) {
        Put32(type);
        Put32(static_cast<std::uint32_t>(8 + 4 * fields.size()));
        for (const auto field : fields)
            Put32(field);
        ++count_;
    }
    // A polygon of 16-bit points.
    void Polygon(std::initializer_list<std::pair<std::uint16_t, std::uint16_t>> points) {
        Put32(kPolygon16);
        Put32(static_cast<std::uint32_t>(28 + 4 * points.size()));
        for (const std::uint32_t bound : {0u, 0u, kWidth, kHeight})
            Put32(bound);
        Put32(static_cast<std::uint32_t>(points.size()));
        for (const auto& [x, y] : points) {
            Put16(x);
            Put16(y);
        }
        ++count_;
    }
    std::vector<std::uint8_t>& Bytes() { return bytes_; }
    std::uint32_t Count() const { return count_; }

private:
    std::vector<std::uint8_t> bytes_;
    std::uint32_t count_ = 0;
};

// Colour values: red in the low byte.
constexpr std::uint32_t Rgb(std::uint32_t r, std::uint32_t g, std::uint32_t b) {
    return r | g << 8 | b << 16;
}

} // namespace

TPicture DemoMetafile() {
    TRecords body;
    body.Record(kCreatePen, {1, 0, 3, 0, Rgb(250, 200, 60)}); // solid, 3 wide
    body.Record(kCreateBrush, {2, 0, Rgb(30, 50, 110), 0});
    body.Record(kSelectObject, {1});
    body.Record(kSelectObject, {2});
    body.Record(kRoundRect, {2, 2, kWidth - 2, kHeight - 2, 24, 24});
    body.Record(kCreateBrush, {3, 0, Rgb(255, 255, 255), 0});
    body.Record(kSelectObject, {3});
    body.Record(kEllipse, {18, 18, 82, 82});
    body.Record(kCreateBrush, {4, 0, Rgb(250, 130, 40), 0});
    body.Record(kSelectObject, {4});
    body.Polygon({{96, 80}, {128, 20}, {148, 80}});
    body.Record(kEof, {0, 16, 20});

    TRecords file;
    constexpr std::uint32_t kHeaderSize = 88;
    file.Put32(kHeader);
    file.Put32(kHeaderSize);
    for (const std::uint32_t bound : {0u, 0u, kWidth - 1, kHeight - 1})
        file.Put32(bound);
    // The frame in 0.01 mm: the picture's size at 96 dots per inch.
    for (const std::uint32_t frame : {0u, 0u, kWidth * 2540 / 96, kHeight * 2540 / 96})
        file.Put32(frame);
    file.Put32(0x464D4520); // " EMF"
    file.Put32(0x10000);
    file.Put32(static_cast<std::uint32_t>(kHeaderSize + body.Bytes().size()));
    file.Put32(body.Count() + 1);
    file.Put16(5); // handles, the reserved one included
    file.Put16(0);
    for (const std::uint32_t none : {0u, 0u, 0u}) // no description, no palette
        file.Put32(none);
    for (const std::uint32_t device : {960u, 600u, 254u, 159u}) // a 96 dpi reference
        file.Put32(device);
    auto& bytes = file.Bytes();
    bytes.insert(bytes.end(), body.Bytes().begin(), body.Bytes().end());
    return {TPictureKind::Metafile, bytes};
}

} // namespace brelvane
