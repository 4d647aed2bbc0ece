#include "storage/IcoCodec.h"

#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::ByteWriter;
using test::IcoFile;
using test::IconEntrySpec;
using test::InfoHeader;
using test::PaddedRows;
using test::PictureBytes;
using test::QuadPalette;

constexpr std::uint32_t kRed = Rgb(255, 0, 0), kGreen = Rgb(0, 255, 0), kBlue = Rgb(0, 0, 255);

// An icon DIB: header with doubled height, colour table, XOR rows, AND rows (both bottom-up).
PictureBytes IconDib(int width, int height, int bitCount, const PictureBytes& palette,
                     const std::vector<PictureBytes>& xorRows,
                     const std::vector<PictureBytes>& maskRows) {
    ByteWriter dib;
    dib.Append(InfoHeader(width, 2 * height, bitCount)).Append(palette);
    dib.Append(PaddedRows(xorRows)).Append(PaddedRows(maskRows));
    return dib.Bytes();
}

PictureBytes Palette8(std::initializer_list<std::uint32_t> colors) {
    ByteWriter w;
    w.Append(QuadPalette(colors));
    for (std::size_t i = colors.size(); i < 256; ++i)
        w.U32(0);
    return w.Bytes();
}

// 4x4, 8 bits: red on the top half, green below; the AND mask clears the left column.
IconEntrySpec EightBitEntry() {
    const std::vector<PictureBytes> xorRows{{1, 1, 1, 1}, {1, 1, 1, 1}, {0, 0, 0, 0}, {0, 0, 0, 0}};
    const std::vector<PictureBytes> mask(4, PictureBytes{0x80});
    return {4, 4, 8, IconDib(4, 4, 8, Palette8({0xff0000, 0x00ff00}), xorRows, mask)};
}

TRasterImage PngImage(int size) {
    auto image = TRasterImage::Filled(size, size, kBlue);
    image.SetPixel(0, 0, Argb(0x40, 0x11, 0x22, 0x33));
    return image;
}

TEST(IcoCodec, EightBitEntryWithAndMask) {
    const auto image = DecodeIcon(IcoFile({EightBitEntry()}));
    ASSERT_EQ(image.Width, 4);
    ASSERT_EQ(image.Height, 4);
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(image.Pixel(0, y), 0u) << y;
        for (int x = 1; x < 4; ++x)
            EXPECT_EQ(image.Pixel(x, y), y < 2 ? kRed : kGreen);
    }
}

TEST(IcoCodec, ChoosesTheLargestEntryAndDecodesPngEntries) {
    const std::vector<std::uint8_t> bgr{0, 0, 255, 0, 255, 0};
    const IconEntrySpec small24{2, 2, 24, IconDib(2, 2, 24, {}, {bgr, bgr}, {{0x00}, {0x40}})};
    const IconEntrySpec png{8, 8, 32, test::EncodePngRgba(PngImage(8))};
    const auto file = IcoFile({EightBitEntry(), png, small24});

    const auto best = DecodePicture({TPictureKind::Icon, file});
    EXPECT_EQ(best.Width, 8);
    EXPECT_EQ(best.Frames.at(0).Image, PngImage(8));
    EXPECT_TRUE(best.Frames.at(0).Transparent);

    const auto entries = DecodeIconEntries(file);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].BitCount, 8);
    EXPECT_FALSE(entries[0].Png);
    EXPECT_EQ(entries[0].Image, DecodeIcon(IcoFile({EightBitEntry()})));
    EXPECT_TRUE(entries[1].Png);
    EXPECT_EQ(entries[1].BitCount, 32);
    EXPECT_EQ(entries[2].BitCount, 24);
    EXPECT_EQ(entries[2].Image.Pixel(0, 0), kRed);
    EXPECT_EQ(entries[2].Image.Pixel(1, 0), 0u); // mask bit of the top row, second pixel
    EXPECT_EQ(entries[2].Image.Pixel(1, 1), kGreen);
}

TEST(IcoCodec, AmongEqualSizesTheDeepestWins) {
    ByteWriter row;
    row.U32(0xff00ff00).U32(0xff00ff00).U32(0xff00ff00).U32(0xff00ff00);
    const std::vector<PictureBytes> rows(4, row.Bytes());
    const IconEntrySpec deep{4, 4, 32,
                             IconDib(4, 4, 32, {}, rows, std::vector<PictureBytes>(4, {0}))};
    const auto image = DecodeIcon(IcoFile({EightBitEntry(), deep}));
    EXPECT_EQ(image.Pixel(0, 0), kGreen);
}

TEST(IcoCodec, ThirtyTwoBitAlphaIgnoresTheMask) {
    ByteWriter row;
    row.U32(0x80ff0000).U32(0x00000000);
    const auto dib = IconDib(2, 1, 32, {}, {row.Bytes()}, {{0xc0}});
    const auto image = DecodeIcon(IcoFile({{2, 1, 32, dib}}));
    EXPECT_EQ(image.Pixel(0, 0), Argb(0x80, 255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), 0u);
}

TEST(IcoCodec, ThirtyTwoBitWithAlphaMayLackTheMask) {
    ByteWriter row;
    row.U32(0xff0000ff);
    const auto dib = IconDib(1, 1, 32, {}, {row.Bytes()}, {});
    EXPECT_EQ(DecodeIcon(IcoFile({{1, 1, 32, dib}})).Pixel(0, 0), kBlue);
}

TEST(IcoCodec, ThirtyTwoBitWithoutAlphaUsesTheMask) {
    ByteWriter row;
    row.U32(0x00ff0000).U32(0x0000ff00);
    const auto dib = IconDib(2, 1, 32, {}, {row.Bytes()}, {{0x40}});
    const auto image = DecodeIcon(IcoFile({{2, 1, 32, dib}}));
    EXPECT_EQ(image.Pixel(0, 0), kRed);
    EXPECT_EQ(image.Pixel(1, 0), 0u);
}

TEST(IcoCodec, OneAndFourBitEntries) {
    // 1 bit: 8x2, alternate white and black; the mask clears the last pixel of each row.
    const auto one =
        IconDib(8, 2, 1, QuadPalette({0x000000, 0xffffff}), {{0xaa}, {0x55}}, {{0x01}, {0x01}});
    const auto image1 = DecodeIcon(IcoFile({{8, 2, 1, one}}));
    EXPECT_EQ(image1.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(image1.Pixel(1, 0), Rgb(255, 255, 255));
    EXPECT_EQ(image1.Pixel(0, 1), Rgb(255, 255, 255));
    EXPECT_EQ(image1.Pixel(7, 0), 0u);
    // 4 bits: 3x1.
    ByteWriter palette;
    palette.Append(QuadPalette({0, 0xff0000, 0x00ff00, 0x0000ff}));
    for (int i = 4; i < 16; ++i)
        palette.U32(0);
    const auto four = IconDib(3, 1, 4, palette.Bytes(), {{0x12, 0x30}}, {{0x00}});
    const auto image4 = DecodeIcon(IcoFile({{3, 1, 4, four}}));
    EXPECT_EQ(image4.Pixel(0, 0), kRed);
    EXPECT_EQ(image4.Pixel(1, 0), kGreen);
    EXPECT_EQ(image4.Pixel(2, 0), kBlue);
}

TEST(IcoCodec, MissingMaskFails) {
    const auto dib = IconDib(4, 1, 8, Palette8({0xff0000}), {{0, 0, 0, 0}}, {});
    EXPECT_THROW(DecodeIcon(IcoFile({{4, 1, 8, dib}})), PictureDecodeError);
}

TEST(IcoCodec, RejectsDamagedDirectories) {
    const auto fails = [](const PictureBytes& file, const char* message) {
        try {
            DecodeIconEntries(file);
            ADD_FAILURE() << "decoded";
        } catch (const PictureDecodeError& error) {
            EXPECT_STREQ(error.what(), message);
        }
    };
    fails({0, 0, 1, 0, 0, 0}, "ICO: icon without images");
    fails({0, 0, 3, 0, 1, 0}, "ICO: not an ICO file");
    fails({0, 0, 1, 0, 2, 0, 0, 0}, "ICO: data cut off");
    auto file = IcoFile({EightBitEntry()});
    file[6 + 12 + 3] = 0x10; // offset far beyond the end
    fails(file, "ICO: image data outside the file");
    file = IcoFile({EightBitEntry()});
    file[6 + 8 + 3] = 0x10; // size far beyond the end
    fails(file, "ICO: image data outside the file");
}

TEST(IcoCodec, EntriesShareThePixelLimit) {
    // Three entries pointing at the same 8x8 PNG.
    auto file = IcoFile({{8, 8, 32, test::EncodePngRgba(PngImage(8))}});
    ByteWriter many;
    many.U16(0).U16(1).U16(3);
    const PictureBytes entry(file.begin() + 6, file.begin() + 22);
    for (int i = 0; i < 3; ++i)
        many.Append(entry);
    many.Append(PictureBytes(file.begin() + 22, file.end()));
    auto shared = many.Bytes();
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(6 + 16 * i + 12);
        shared[at] = static_cast<std::uint8_t>(6 + 16 * 3);
    }
    EXPECT_EQ(DecodeIconEntries(shared, 192).size(), 3u);
    EXPECT_THROW(DecodeIconEntries(shared, 191), PictureDecodeError);
    EXPECT_NO_THROW(DecodeIcon(shared, 64));
}

} // namespace
} // namespace brelvane
