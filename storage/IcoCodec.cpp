#include "storage/IcoCodec.h"

#include "storage/BmpCodec.h"
#include "storage/PngCodec.h"

#include <algorithm>
#include <cstdlib>

namespace brelvane {

namespace {

constexpr std::string_view kFormat = "ICO";

struct Entry {
    std::span<const std::uint8_t> Data;
    std::uint64_t Width = 0, Height = 0;
    int BitCount = 0;
    bool Png = false;
};

std::uint32_t BigEndian32(const TPictureBytes& bytes, std::uint64_t offset) {
    const auto p = bytes.Sub(offset, 4);
    return static_cast<std::uint32_t>(p[0]) << 24 | static_cast<std::uint32_t>(p[1]) << 16 |
           static_cast<std::uint32_t>(p[2]) << 8 | static_cast<std::uint32_t>(p[3]);
}

// The entry's size and depth from its own header.
void ProbeEntry(Entry& entry) {
    const TPictureBytes bytes(entry.Data, kFormat);
    entry.Png = IsPngSignature(entry.Data);
    if (entry.Png) {
        // IHDR is the first chunk: width, height, bit depth, colour type.
        entry.Width = BigEndian32(bytes, 16);
        entry.Height = BigEndian32(bytes, 20);
        const int depth = bytes.U8(24);
        int channels = 0;
        switch (bytes.U8(25)) {
        case 0:
        case 3:
            channels = 1;
            break;
        case 2:
            channels = 3;
            break;
        case 4:
            channels = 2;
            break;
        case 6:
            channels = 4;
            break;
        default:
            FailDecode(kFormat, "unsupported PNG colour type");
        }
        entry.BitCount = depth * channels;
        return;
    }
    const std::uint32_t headerSize = bytes.U32(0);
    if (headerSize == 12) {
        entry.Width = bytes.U16(4);
        entry.Height = bytes.U16(6) / 2u;
        entry.BitCount = bytes.U16(10);
    } else if (headerSize >= 40) {
        const std::int32_t width = bytes.I32(4);
        const std::int32_t height = bytes.I32(8);
        entry.Width = width > 0 ? static_cast<std::uint64_t>(width) : 0;
        entry.Height = height == INT32_MIN ? 0 : static_cast<std::uint64_t>(std::abs(height)) / 2;
        entry.BitCount = bytes.U16(14);
    } else {
        FailDecode(kFormat, "unsupported icon image");
    }
}

std::vector<Entry> ReadDirectory(std::span<const std::uint8_t> file) {
    const TPictureBytes bytes(file, kFormat);
    const std::uint16_t type = bytes.U16(2);
    if (bytes.U16(0) != 0 || (type != 1 && type != 2)) FailDecode(kFormat, "not an ICO file");
    const std::uint16_t count = bytes.U16(4);
    if (count == 0) FailDecode(kFormat, "icon without images");
    if (!bytes.Has(6, 16ull * count)) FailDecode(kFormat, "data cut off");
    std::vector<Entry> entries(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint64_t at = 6 + 16 * i;
        const std::uint32_t size = bytes.U32(at + 8);
        const std::uint32_t offset = bytes.U32(at + 12);
        if (!bytes.Has(offset, size)) FailDecode(kFormat, "image data outside the file");
        entries[i].Data = bytes.Sub(offset, size);
        ProbeEntry(entries[i]);
    }
    return entries;
}

TRasterImage DecodeEntry(const Entry& entry, std::uint64_t pixelLimit) {
    return entry.Png ? DecodePng(entry.Data, pixelLimit) : DecodeIconDib(entry.Data, pixelLimit);
}

} // namespace

TRasterImage DecodeIcon(std::span<const std::uint8_t> file, std::uint64_t pixelLimit) {
    const auto entries = ReadDirectory(file);
    const auto better = [](const Entry& a, const Entry& b) {
        const auto areaA = a.Width * a.Height, areaB = b.Width * b.Height;
        return areaA != areaB ? areaA < areaB : a.BitCount < b.BitCount;
    };
    // max_element keeps the first of equal elements.
    return DecodeEntry(*std::max_element(entries.begin(), entries.end(), better), pixelLimit);
}

std::vector<TIconImage> DecodeIconEntries(std::span<const std::uint8_t> file,
                                          std::uint64_t pixelLimit) {
    std::vector<TIconImage> images;
    // Entries may share their data, so the limit counts what is decoded.
    std::uint64_t remaining = std::min(pixelLimit, kMaxPicturePixels);
    for (const auto& entry : ReadDirectory(file)) {
        TRasterImage image = DecodeEntry(entry, remaining);
        remaining -= image.Pixels.size();
        images.push_back({std::move(image), entry.BitCount, entry.Png});
    }
    return images;
}

} // namespace brelvane
