#include "storage/BmpCodec.h"

#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::BmpFile;
using test::ByteWriter;
using test::CoreHeader;
using test::InfoHeader;
using test::PaddedRows;
using test::PictureBytes;
using test::QuadPalette;
using test::TriplePalette;

constexpr std::uint32_t kClear = 0;

TRasterImage Decode(const PictureBytes& file) {
    const auto picture = DecodePicture({TPictureKind::Bitmap, file});
    EXPECT_EQ(picture.Frames.size(), 1u);
    EXPECT_EQ(picture.LoopCount, 1);
    return picture.Frames.at(0).Image;
}

// Indices packed most significant bits first, as 1-, 4- and 8-bit rows store them.
PictureBytes PackRow(const std::vector<int>& indices, int bitCount) {
    PictureBytes row((indices.size() * static_cast<std::size_t>(bitCount) + 7) / 8, 0);
    for (std::size_t x = 0; x < indices.size(); ++x) {
        const std::size_t bit = x * static_cast<std::size_t>(bitCount);
        row[bit / 8] |= static_cast<std::uint8_t>(indices[x] << (8 - bitCount - bit % 8));
    }
    return row;
}

struct IndexedCase {
    int BitCount;
    int Colors;
};

class BmpIndexed : public ::testing::TestWithParam<IndexedCase> {};

TEST_P(BmpIndexed, DecodesEveryPixelThroughTheColourTable) {
    const int bitCount = GetParam().BitCount;
    const int colors = GetParam().Colors;
    constexpr int width = 11, height = 3;
    ByteWriter palette;
    std::vector<std::uint32_t> table;
    for (int i = 0; i < colors; ++i) {
        const std::uint32_t rgb = static_cast<std::uint32_t>(i * 0x0b1d37 + 0x102030) & 0xffffff;
        table.push_back(rgb);
        palette.U8(rgb).U8(rgb >> 8).U8(rgb >> 16).U8(0);
    }
    const auto indexAt = [&](int x, int y) { return (x * 3 + y * 5) % colors; };
    std::vector<PictureBytes> rows; // bottom-up
    for (int y = height - 1; y >= 0; --y) {
        std::vector<int> indices;
        for (int x = 0; x < width; ++x)
            indices.push_back(indexAt(x, y));
        rows.push_back(PackRow(indices, bitCount));
    }
    ByteWriter dib;
    dib.Append(InfoHeader(width, height, bitCount, 0, static_cast<std::uint32_t>(colors)));
    dib.Append(palette.Bytes());
    const auto image = Decode(BmpFile(dib.Bytes(), PaddedRows(rows)));
    ASSERT_EQ(image.Width, width);
    ASSERT_EQ(image.Height, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            EXPECT_EQ(image.Pixel(x, y),
                      table[static_cast<std::size_t>(indexAt(x, y))] | 0xff000000)
                << x << "," << y;
}

INSTANTIATE_TEST_SUITE_P(Depths, BmpIndexed,
                         ::testing::Values(IndexedCase{1, 2}, IndexedCase{4, 16}, IndexedCase{4, 5},
                                           IndexedCase{8, 256}, IndexedCase{8, 7}));

TEST(BmpCodec, IndexPastTheColourTableIsBlack) {
    ByteWriter dib;
    dib.Append(InfoHeader(2, 1, 8, 0, 2)).Append(QuadPalette({0xff0000, 0x00ff00}));
    const auto image = Decode(BmpFile(dib.Bytes(), PaddedRows({{1, 5}})));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(0, 255, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0, 0, 0));
}

TEST(BmpCodec, SixteenBitsDefaultTo555) {
    ByteWriter row;
    row.U16(31 << 10).U16(31 << 5).U16(31).U16(16 << 10 | 8 << 5 | 4 | 0x8000);
    const auto image = Decode(BmpFile(InfoHeader(4, 1, 16), PaddedRows({row.Bytes()})));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0, 255, 0));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 0, 255));
    // 5-bit values scaled to 8 bits, rounded; the top bit is not alpha.
    EXPECT_EQ(image.Pixel(3, 0), Rgb(132, 66, 33));
}

TEST(BmpCodec, SixteenBitBitfields565) {
    ByteWriter dib;
    dib.Append(InfoHeader(3, 1, 16, 3)).U32(0xf800).U32(0x07e0).U32(0x001f);
    ByteWriter row;
    row.U16(0xffe0).U16(32 << 5).U16(0x001f);
    const auto image = Decode(BmpFile(dib.Bytes(), PaddedRows({row.Bytes()})));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 255, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0, 130, 0));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 0, 255));
}

PictureBytes Bgr(std::initializer_list<std::uint32_t> colors) {
    ByteWriter w;
    for (const auto c : colors)
        w.U8(c).U8(c >> 8).U8(c >> 16);
    return w.Bytes();
}

TEST(BmpCodec, TwentyFourBitsBottomUpAndTopDownGiveTheSameImage) {
    const auto top = Bgr({0xff0000, 0x00ff00, 0x0000ff});
    const auto bottom = Bgr({0x123456, 0xffffff, 0x000000});
    const auto bottomUp = Decode(BmpFile(InfoHeader(3, 2, 24), PaddedRows({bottom, top})));
    const auto topDown = Decode(BmpFile(InfoHeader(3, -2, 24), PaddedRows({top, bottom})));
    EXPECT_EQ(bottomUp, topDown);
    EXPECT_EQ(bottomUp.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(bottomUp.Pixel(2, 0), Rgb(0, 0, 255));
    EXPECT_EQ(bottomUp.Pixel(0, 1), Rgb(0x12, 0x34, 0x56));
    EXPECT_EQ(bottomUp.Pixel(1, 1), Rgb(255, 255, 255));
}

TEST(BmpCodec, ThirtyTwoBitsWithZeroAlphaThroughoutAreOpaque) {
    ByteWriter row;
    row.U32(0x00ff0000).U32(0x000000ff);
    const auto image = Decode(BmpFile(InfoHeader(2, 1, 32), row.Bytes()));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0, 0, 255));
    EXPECT_FALSE(image.HasTransparency());
}

TEST(BmpCodec, ThirtyTwoBitsKeepAlphaWhenSomePixelHasIt) {
    ByteWriter row;
    row.U32(0x80ff0000).U32(0x000000ff).U32(0xff00ff00);
    const auto picture =
        DecodePicture({TPictureKind::Bitmap, BmpFile(InfoHeader(3, 1, 32), row.Bytes())});
    const auto& image = picture.Frames.at(0).Image;
    EXPECT_EQ(image.Pixel(0, 0), Argb(0x80, 255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Argb(0, 0, 0, 255));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 255, 0));
    EXPECT_TRUE(picture.Frames.at(0).Transparent);
}

// A BITMAPV5HEADER (124 bytes) with the given masks.
PictureBytes V5Header(std::int32_t width, std::int32_t height, std::uint32_t red,
                      std::uint32_t green, std::uint32_t blue, std::uint32_t alpha) {
    ByteWriter w;
    w.U32(124).I32(width).I32(height).U16(1).U16(32).U32(3).U32(0).I32(0).I32(0).U32(0).U32(0);
    w.U32(red).U32(green).U32(blue).U32(alpha).U32(0x73524742);
    while (w.Size() < 124)
        w.U8(0);
    return w.Bytes();
}

TEST(BmpCodec, V5BitfieldsWithAlphaMask) {
    // Bytes R, G, B, A in memory.
    const auto header = V5Header(2, -1, 0x000000ff, 0x0000ff00, 0x00ff0000, 0xff000000);
    const auto image = Decode(BmpFile(header, {0x10, 0x20, 0x30, 0x40, 0xff, 0, 0, 0xff}));
    EXPECT_EQ(image.Pixel(0, 0), Argb(0x40, 0x10, 0x20, 0x30));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(255, 0, 0));
}

TEST(BmpCodec, V5AlphaMaskLeftZeroMeansOpaque) {
    const auto header = V5Header(1, 1, 0x00ff0000, 0x0000ff00, 0x000000ff, 0xff000000);
    const auto image = Decode(BmpFile(header, {0x30, 0x20, 0x10, 0x00}));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(0x10, 0x20, 0x30));
}

TEST(BmpCodec, AlphaBitfieldsAfterAnInfoHeader) {
    ByteWriter dib;
    dib.Append(InfoHeader(1, 1, 32, 6)).U32(0xff0000).U32(0xff00).U32(0xff).U32(0xff000000);
    const auto image = Decode(BmpFile(dib.Bytes(), {0x30, 0x20, 0x10, 0x7f}));
    EXPECT_EQ(image.Pixel(0, 0), Argb(0x7f, 0x10, 0x20, 0x30));
}

TEST(BmpCodec, CoreHeaderWithTripleColourTable) {
    ByteWriter dib;
    dib.Append(CoreHeader(3, 2, 8)).Append(TriplePalette({0x0000ff, 0x00ff00, 0xff0000}));
    for (int i = 3; i < 256; ++i)
        dib.U8(0).U8(0).U8(0);
    const auto image = Decode(BmpFile(dib.Bytes(), PaddedRows({{0, 1, 2}, {2, 2, 1}})));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 255, 0));
    EXPECT_EQ(image.Pixel(0, 1), Rgb(0, 0, 255));
    EXPECT_EQ(image.Pixel(1, 1), Rgb(0, 255, 0));
}

TEST(BmpCodec, CoreHeaderTwentyFourBits) {
    const auto image =
        Decode(BmpFile(CoreHeader(2, 1, 24), PaddedRows({Bgr({0x102030, 0x405060})})));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(0x10, 0x20, 0x30));
    EXPECT_EQ(image.Pixel(1, 0), Rgb(0x40, 0x50, 0x60));
}

TEST(BmpCodec, PixelOffsetZeroMeansAfterTheColourTable) {
    ByteWriter dib;
    dib.Append(InfoHeader(1, 1, 8, 0, 2)).Append(QuadPalette({0x000000, 0xabcdef}));
    auto file = BmpFile(dib.Bytes(), PaddedRows({{1}}));
    file[10] = file[11] = file[12] = file[13] = 0;
    EXPECT_EQ(Decode(file).Pixel(0, 0), Rgb(0xab, 0xcd, 0xef));
}

PictureBytes RlePalette() {
    return QuadPalette({0x000000, 0xff0000, 0x00ff00, 0x0000ff});
}

TEST(BmpCodec, Rle8RunsAbsoluteDeltaEndOfLineAndEndOfBitmap) {
    ByteWriter dib;
    dib.Append(InfoHeader(6, 4, 8, 1, 4)).Append(RlePalette());
    const PictureBytes data{
        3, 1,          // bottom line: three of 1
        0, 3, 2, 3, 2, // absolute: 2 3 2
        0,             // padding to 16 bits
        0, 0,          // end of line
        0, 2, 2, 1,    // delta: two right, one line up (the second line stays empty)
        2, 3,          // two of 3 at x = 2, 3
        0, 0,          // end of line
        8, 1,          // top line: a run longer than the row, clipped
        0, 1,          // end of bitmap
    };
    const auto image = Decode(BmpFile(dib.Bytes(), data));
    const std::uint32_t R = Rgb(255, 0, 0), G = Rgb(0, 255, 0), B = Rgb(0, 0, 255);
    const std::vector<std::vector<std::uint32_t>> expected{
        {R, R, R, R, R, R},
        {kClear, kClear, B, B, kClear, kClear},
        {kClear, kClear, kClear, kClear, kClear, kClear},
        {R, R, R, G, B, G},
    };
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            EXPECT_EQ(image.Pixel(x, y),
                      expected[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)])
                << x << "," << y;
}

TEST(BmpCodec, Rle4RunsAlternateNibbles) {
    ByteWriter dib;
    dib.Append(InfoHeader(5, 2, 4, 2, 4)).Append(RlePalette());
    const PictureBytes data{
        5, 0x12,             // bottom line: 1 2 1 2 1
        0, 0,                // end of line
        0, 3,    0x31, 0x20, // absolute, three nibbles: 3 1 2 (two bytes, already even)
        0, 2,    1,    0,    // delta: one right
        1, 0x30,             // one of 3 at x = 4
        0, 1,                // end of bitmap
    };
    const auto image = Decode(BmpFile(dib.Bytes(), data));
    const std::uint32_t R = Rgb(255, 0, 0), G = Rgb(0, 255, 0), B = Rgb(0, 0, 255);
    EXPECT_EQ(image.Row(1)[0], R);
    EXPECT_EQ(image.Row(1)[1], G);
    EXPECT_EQ(image.Row(1)[4], R);
    EXPECT_EQ(image.Row(0)[0], B);
    EXPECT_EQ(image.Row(0)[1], R);
    EXPECT_EQ(image.Row(0)[2], G);
    EXPECT_EQ(image.Row(0)[3], kClear);
    EXPECT_EQ(image.Row(0)[4], B);
}

TEST(BmpCodec, Rle4AbsoluteRunOfOddByteCountIsPadded) {
    ByteWriter dib;
    dib.Append(InfoHeader(6, 1, 4, 2, 4)).Append(RlePalette());
    // Five nibbles take three bytes, padded to four.
    const PictureBytes data{0, 5, 0x12, 0x31, 0x20, 0x00, 1, 0x30, 0, 1};
    const auto image = Decode(BmpFile(dib.Bytes(), data));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(3, 0), Rgb(255, 0, 0));
    EXPECT_EQ(image.Pixel(4, 0), Rgb(0, 255, 0));
    EXPECT_EQ(image.Pixel(5, 0), Rgb(0, 0, 255));
}

TEST(BmpCodec, RleWithoutEndOfBitmapFails) {
    ByteWriter dib;
    dib.Append(InfoHeader(2, 1, 8, 1, 4)).Append(RlePalette());
    EXPECT_THROW(Decode(BmpFile(dib.Bytes(), {2, 1, 0, 0})), PictureDecodeError);
}

TEST(BmpCodec, RejectsWhatItCannotRead) {
    const auto fails = [](const PictureBytes& file, const char* message) {
        try {
            DecodeBmp(file);
            ADD_FAILURE() << "decoded";
        } catch (const PictureDecodeError& error) {
            EXPECT_STREQ(error.what(), message);
        }
    };
    const auto pixels = PaddedRows({Bgr({0})});
    fails(BmpFile(InfoHeader(1, 1, 7), pixels), "BMP: unsupported bits per pixel");
    fails(BmpFile(InfoHeader(1, 1, 24, 4), pixels), "BMP: unsupported compression");
    fails(BmpFile(InfoHeader(1, 1, 24, 1), pixels), "BMP: unsupported bits per pixel");
    fails(BmpFile(InfoHeader(0, 1, 24), pixels), "BMP: image without pixels");
    fails(BmpFile(InfoHeader(-1, 1, 24), pixels), "BMP: image without pixels");
    fails(BmpFile(InfoHeader(1, 0, 24), pixels), "BMP: image without pixels");
    fails(BmpFile(InfoHeader(1, INT32_MIN, 24), pixels), "BMP: image without pixels");
    fails(BmpFile(InfoHeader(100000, 100000, 24), pixels),
          "BMP: image larger than the picture size limit");
    fails(BmpFile(InfoHeader(16384, -16385, 24), pixels),
          "BMP: image larger than the picture size limit");
    fails(BmpFile(InfoHeader(1000, 1000, 24), pixels), "BMP: pixel data cut off");
    fails(BmpFile(InfoHeader(16384, 16384, 8, 1), {0, 1}), "BMP: data cut off");
    auto badOffset = BmpFile(InfoHeader(1, 1, 24), pixels);
    badOffset[12] = 0x10;
    fails(badOffset, "BMP: pixel data offset outside the file");
    auto badHeader = BmpFile(InfoHeader(1, 1, 24), pixels);
    badHeader[14] = 41;
    fails(badHeader, "BMP: unsupported bitmap header");
    fails({'B', 'X', 0, 0}, "BMP: not a BMP file");
}

TEST(BmpCodec, PixelLimitIsHonoured) {
    const auto file =
        BmpFile(InfoHeader(4, 4, 24), PaddedRows(std::vector<PictureBytes>(4, Bgr({0, 0, 0, 0}))));
    EXPECT_NO_THROW(DecodeBmp(file, 16));
    EXPECT_THROW(DecodeBmp(file, 15), PictureDecodeError);
}

TEST(EncodeBmp, PreviewSizesGiveTheirFileLengthsAndHeaders) {
    for (const auto& [width, height, length] :
         {std::tuple{128, 96, 36918u}, std::tuple{64, 48, 9270u}, std::tuple{3, 2, 78u}}) {
        const auto file = EncodeBmp(TRasterImage::Filled(width, height, Rgb(1, 2, 3)));
        ASSERT_EQ(file.size(), length) << width;
        const auto le32 = [&file](std::size_t at) {
            return static_cast<std::uint32_t>(file[at] | file[at + 1] << 8 | file[at + 2] << 16 |
                                              file[at + 3] << 24);
        };
        EXPECT_EQ(file[0], 'B');
        EXPECT_EQ(file[1], 'M');
        EXPECT_EQ(le32(2), length);
        EXPECT_EQ(le32(10), 54u);
        EXPECT_EQ(le32(14), 40u);
        EXPECT_EQ(le32(18), static_cast<std::uint32_t>(width));
        EXPECT_EQ(le32(22), static_cast<std::uint32_t>(height)); // positive: bottom-up
        EXPECT_EQ(file[28], 24);
        EXPECT_EQ(le32(30), 0u);
    }
}

TEST(EncodeBmp, RowsAreStoredBottomUpPaddedAndReadBackAsWritten) {
    auto image = TRasterImage::Filled(3, 2, Rgb(0, 0, 0));
    image.Row(0)[0] = Rgb(0x11, 0x22, 0x33);
    image.Row(1)[2] = Argb(0x80, 0x44, 0x55, 0x66);
    const auto file = EncodeBmp(image);
    // The first stored row is the bottom one, blue first; rows of 9 bytes get 3 of padding.
    EXPECT_EQ(file[54 + 6], 0x66);
    EXPECT_EQ(file[54 + 7], 0x55);
    EXPECT_EQ(file[54 + 8], 0x44);
    EXPECT_EQ(file[54 + 9], 0);
    EXPECT_EQ(file[54 + 12], 0x33);
    EXPECT_EQ(file[54 + 13], 0x22);
    EXPECT_EQ(file[54 + 14], 0x11);
    const auto decoded = DecodeBmp(file);
    ASSERT_EQ(decoded.Width, 3);
    ASSERT_EQ(decoded.Height, 2);
    EXPECT_EQ(decoded.Pixel(0, 0), Rgb(0x11, 0x22, 0x33));
    // Alpha is not stored: the pixel comes back opaque.
    EXPECT_EQ(decoded.Pixel(2, 1), Rgb(0x44, 0x55, 0x66));
    EXPECT_EQ(decoded.Pixel(1, 1), Rgb(0, 0, 0));
}


} // namespace
} // namespace brelvane
