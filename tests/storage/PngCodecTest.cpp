#include "storage/PngCodec.h"

#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <png.h>
#include <string>
#include <zlib.h>

namespace brelvane {
namespace {

using test::ByteWriter;
using test::EncodePng;
using test::PictureBytes;
using test::PngLayout;

struct PngCase {
    int ColorType;
    int BitDepth;
    bool Interlaced;
};

std::string Name(const ::testing::TestParamInfo<PngCase>& info) {
    return "type" + std::to_string(info.param.ColorType) + "_depth" +
           std::to_string(info.param.BitDepth) + (info.param.Interlaced ? "_adam7" : "");
}

int Channels(int colorType) {
    switch (colorType) {
    case PNG_COLOR_TYPE_GRAY_ALPHA:
        return 2;
    case PNG_COLOR_TYPE_RGB:
        return 3;
    case PNG_COLOR_TYPE_RGB_ALPHA:
        return 4;
    default:
        return 1;
    }
}

// Samples spread over the whole range of the depth.
std::uint32_t Sample(int x, int y, int channel, int depth, std::uint32_t count) {
    const std::uint32_t spread =
        static_cast<std::uint32_t>(x * 7919 + y * 104729 + channel * 31337);
    return spread % (count != 0 ? count : (1u << depth));
}

std::uint32_t To8(std::uint32_t value, int depth) {
    return (value * 255 + ((1u << depth) - 1) / 2) / ((1u << depth) - 1);
}

// Writes `samples` (per pixel, per channel) packed into PNG rows.
std::vector<PictureBytes> PackRows(const std::vector<std::vector<std::uint32_t>>& samples,
                                   int depth) {
    std::vector<PictureBytes> rows;
    for (const auto& values : samples) {
        PictureBytes row;
        if (depth >= 8) {
            for (const auto v : values) {
                if (depth == 16) row.push_back(static_cast<std::uint8_t>(v >> 8));
                row.push_back(static_cast<std::uint8_t>(v));
            }
        } else {
            row.assign((values.size() * static_cast<std::size_t>(depth) + 7) / 8, 0);
            for (std::size_t i = 0; i < values.size(); ++i) {
                const std::size_t bit = i * static_cast<std::size_t>(depth);
                row[bit / 8] |= static_cast<std::uint8_t>(values[i] << (8 - depth - bit % 8));
            }
        }
        rows.push_back(row);
    }
    return rows;
}

class PngForms : public ::testing::TestWithParam<PngCase> {};

TEST_P(PngForms, DecodesEveryColourTypeAndDepth) {
    const int colorType = GetParam().ColorType;
    const int depth = GetParam().BitDepth;
    const bool interlaced = GetParam().Interlaced;
    constexpr int width = 13, height = 11;
    PngLayout layout;
    layout.Width = width;
    layout.Height = height;
    layout.ColorType = colorType;
    layout.BitDepth = depth;
    layout.Interlaced = interlaced;
    std::uint32_t paletteSize = 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE) {
        paletteSize = depth == 8 ? 200 : (1u << depth);
        for (std::uint32_t i = 0; i < paletteSize; ++i)
            layout.Palette.push_back((i * 0x3a5f17 + 0x0f0f0f) & 0xffffff);
    }
    const int channels = Channels(colorType);
    std::vector<std::vector<std::uint32_t>> samples(height);
    std::vector<std::uint32_t> expected;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint32_t values[4]{};
            for (int c = 0; c < channels; ++c) {
                values[c] = Sample(x, y, c, depth, paletteSize);
                samples[static_cast<std::size_t>(y)].push_back(values[c]);
            }
            if (colorType == PNG_COLOR_TYPE_PALETTE) {
                expected.push_back(layout.Palette[values[0]] | 0xff000000);
                continue;
            }
            const auto v = [&](int c) { return To8(values[c], depth); };
            switch (colorType) {
            case PNG_COLOR_TYPE_GRAY:
                expected.push_back(Rgb(v(0), v(0), v(0)));
                break;
            case PNG_COLOR_TYPE_GRAY_ALPHA:
                expected.push_back(Argb(v(1), v(0), v(0), v(0)));
                break;
            case PNG_COLOR_TYPE_RGB:
                expected.push_back(Rgb(v(0), v(1), v(2)));
                break;
            default:
                expected.push_back(Argb(v(3), v(0), v(1), v(2)));
                break;
            }
        }
    const auto image =
        DecodePicture({TPictureKind::Png, EncodePng(layout, PackRows(samples, depth))})
            .Frames.at(0)
            .Image;
    ASSERT_EQ(image.Width, width);
    ASSERT_EQ(image.Height, height);
    // 16-bit samples are scaled by libpng, which may round the other way.
    const int tolerance = depth == 16 ? 1 : 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const auto got = image.Pixels[i], want = expected[i];
        for (int shift = 0; shift < 32; shift += 8)
            ASSERT_LE(std::abs(static_cast<int>(got >> shift & 0xff) -
                               static_cast<int>(want >> shift & 0xff)),
                      tolerance)
                << "pixel " << i << std::hex << " got " << got << " want " << want;
    }
}

std::vector<PngCase> AllForms() {
    std::vector<PngCase> cases;
    for (const bool interlaced : {false, true}) {
        for (const int depth : {1, 2, 4, 8, 16})
            cases.push_back({PNG_COLOR_TYPE_GRAY, depth, interlaced});
        for (const int depth : {1, 2, 4, 8})
            cases.push_back({PNG_COLOR_TYPE_PALETTE, depth, interlaced});
        for (const int type :
             {PNG_COLOR_TYPE_GRAY_ALPHA, PNG_COLOR_TYPE_RGB, PNG_COLOR_TYPE_RGB_ALPHA})
            for (const int depth : {8, 16})
                cases.push_back({type, depth, interlaced});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(AllForms, PngForms, ::testing::ValuesIn(AllForms()), Name);

TEST(PngCodec, PaletteWithTransparency) {
    PngLayout layout;
    layout.Width = 4;
    layout.ColorType = PNG_COLOR_TYPE_PALETTE;
    layout.Palette = {0xff0000, 0x00ff00, 0x0000ff, 0xffffff};
    layout.PaletteAlpha = {0x00, 0x80}; // shorter than the palette: the rest is opaque
    const auto picture = DecodePicture({TPictureKind::Png, EncodePng(layout, {{0, 1, 2, 3}})});
    const auto& image = picture.Frames.at(0).Image;
    EXPECT_EQ(image.Pixel(0, 0), Argb(0, 255, 0, 0));
    EXPECT_EQ(image.Pixel(1, 0), Argb(0x80, 0, 255, 0));
    EXPECT_EQ(image.Pixel(2, 0), Rgb(0, 0, 255));
    EXPECT_EQ(image.Pixel(3, 0), Rgb(255, 255, 255));
    EXPECT_TRUE(picture.Frames.at(0).Transparent);
}

TEST(PngCodec, GreyColourKey) {
    PngLayout layout;
    layout.Width = 3;
    layout.BitDepth = 2;
    layout.Key = std::array<std::uint16_t, 3>{2, 0, 0};
    // Samples 0, 2, 3 packed into one byte.
    const auto image = DecodePng(EncodePng(layout, {{0x2c}}));
    EXPECT_EQ(image.Pixel(0, 0), Rgb(0, 0, 0));
    EXPECT_EQ(AlphaOf(image.Pixel(1, 0)), 0);
    EXPECT_EQ(image.Pixel(2, 0), Rgb(255, 255, 255));
}

TEST(PngCodec, RgbColourKey) {
    for (const int depth : {8, 16}) {
        PngLayout layout;
        layout.Width = 2;
        layout.ColorType = PNG_COLOR_TYPE_RGB;
        layout.BitDepth = depth;
        PictureBytes row;
        if (depth == 8) {
            layout.Key = std::array<std::uint16_t, 3>{10, 20, 30};
            row = {10, 20, 30, 10, 20, 31};
        } else {
            layout.Key = std::array<std::uint16_t, 3>{0x1000, 0x2000, 0x3000};
            row = {0x10, 0, 0x20, 0, 0x30, 0, 0xff, 0xff, 0, 0, 0, 0};
        }
        const auto image = DecodePng(EncodePng(layout, {row}));
        EXPECT_EQ(AlphaOf(image.Pixel(0, 0)), 0) << depth;
        EXPECT_EQ(AlphaOf(image.Pixel(1, 0)), 255) << depth;
    }
}

// A PNG file of the given chunks, with their CRCs.
PictureBytes PngChunks(const std::vector<std::pair<std::string, PictureBytes>>& chunks) {
    PictureBytes file{0x89, 'P', 'N', 'G', 0x0d, 0x0a, 0x1a, 0x0a};
    const auto be32 = [&](std::uint32_t v) {
        for (int shift = 24; shift >= 0; shift -= 8)
            file.push_back(static_cast<std::uint8_t>(v >> shift));
    };
    for (const auto& [type, data] : chunks) {
        be32(static_cast<std::uint32_t>(data.size()));
        PictureBytes body(type.begin(), type.end());
        body.insert(body.end(), data.begin(), data.end());
        file.insert(file.end(), body.begin(), body.end());
        be32(static_cast<std::uint32_t>(crc32(0, body.data(), static_cast<uInt>(body.size()))));
    }
    return file;
}

PictureBytes Ihdr(std::uint32_t width, std::uint32_t height, int depth, int colorType) {
    PictureBytes data;
    for (const auto v : {width, height})
        for (int shift = 24; shift >= 0; shift -= 8)
            data.push_back(static_cast<std::uint8_t>(v >> shift));
    data.insert(data.end(),
                {static_cast<std::uint8_t>(depth), static_cast<std::uint8_t>(colorType), 0, 0, 0});
    return data;
}

std::string ErrorOf(const PictureBytes& file) {
    try {
        DecodePng(file);
    } catch (const PictureDecodeError& error) {
        return error.what();
    }
    return "decoded";
}

TEST(PngCodec, RefusesAbsurdDimensions) {
    // The size is checked when libpng reaches the image data.
    const PictureBytes idat{0x78, 0x9c, 0x63, 0x00, 0x00};
    EXPECT_EQ(
        ErrorOf(PngChunks({{"IHDR", Ihdr(1000000, 1000000, 8, 6)}, {"IDAT", idat}, {"IEND", {}}})),
        "PNG: image larger than the picture size limit");
    EXPECT_EQ(
        ErrorOf(PngChunks({{"IHDR", Ihdr(10000, 10000, 1, 0)}, {"IDAT", idat}, {"IEND", {}}})),
        "PNG: image larger than its data can hold");
    // libpng's own checks (a width past 2^31) come first.
    EXPECT_EQ(
        ErrorOf(PngChunks({{"IHDR", Ihdr(0x80000000u, 1, 8, 0)}, {"IDAT", idat}, {"IEND", {}}}))
            .rfind("PNG: ", 0),
        0u);
}

TEST(PngCodec, DamagedDataNamesLibpngsError) {
    auto file = test::EncodePngRgba(TRasterImage::Filled(2, 2, Rgb(1, 2, 3)));
    file[29] ^= 0xff; // inside the IHDR CRC
    EXPECT_EQ(ErrorOf(file), "PNG: IHDR: CRC error");
    EXPECT_EQ(ErrorOf({0x89, 'P', 'N', 'G'}), "PNG: not a PNG file");
}

TEST(PngCodec, MissingEndChunkFails) {
    const auto file = test::EncodePngRgba(TRasterImage::Filled(2, 2, Rgb(1, 2, 3)));
    const PictureBytes cut(file.begin(), file.end() - 12);
    EXPECT_EQ(ErrorOf(cut), "PNG: data cut off");
}

} // namespace
} // namespace brelvane
