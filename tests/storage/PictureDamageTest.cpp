// Damaged pictures: every codec must refuse cut-off data with
// PictureDecodeError and must survive changed bytes without crashing (run
// these under the sanitizer build as well).
#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <gtest/gtest.h>
#include <png.h>
#include <string>

namespace brelvane {
namespace {

using test::ByteWriter;
using test::PictureBytes;

struct Sample {
    std::string Name;
    TPictureKind Kind;
    PictureBytes Data;
};

PictureBytes Bmp8() {
    ByteWriter dib;
    dib.Append(test::InfoHeader(5, 3, 8, 0, 3))
        .Append(test::QuadPalette({0xff0000, 0x00ff00, 0x0000ff}));
    return test::BmpFile(dib.Bytes(),
                         test::PaddedRows({{0, 1, 2, 0, 1}, {2, 2, 2, 2, 2}, {1, 0, 1, 0, 1}}));
}

PictureBytes Bmp32() {
    ByteWriter pixels;
    for (int i = 0; i < 6; ++i)
        pixels.U32(0x80000000u | static_cast<std::uint32_t>(i * 0x112233));
    return test::BmpFile(test::InfoHeader(3, -2, 32), pixels.Bytes());
}

PictureBytes Bmp16() {
    ByteWriter dib;
    dib.Append(test::InfoHeader(3, 1, 16, 3)).U32(0xf800).U32(0x07e0).U32(0x001f);
    return test::BmpFile(dib.Bytes(), {0x00, 0xf8, 0xe0, 0x07, 0x1f, 0x00, 0, 0});
}

PictureBytes BmpRle8() {
    ByteWriter dib;
    dib.Append(test::InfoHeader(6, 3, 8, 1, 3))
        .Append(test::QuadPalette({0xff0000, 0x00ff00, 0x0000ff}));
    return test::BmpFile(dib.Bytes(), {3, 1, 0, 3, 2, 0, 2, 0, 0, 0, 0, 2, 1, 1, 4, 2, 0, 0, 0, 1});
}

PictureBytes BmpRle4() {
    ByteWriter dib;
    dib.Append(test::InfoHeader(5, 2, 4, 2, 3))
        .Append(test::QuadPalette({0xff0000, 0x00ff00, 0x0000ff}));
    return test::BmpFile(dib.Bytes(), {5, 0x12, 0, 0, 0, 3, 0x01, 0x20, 0, 2, 1, 0, 1, 0x10, 0, 1});
}

PictureBytes BmpCore() {
    ByteWriter dib;
    dib.Append(test::CoreHeader(2, 2, 1)).Append(test::TriplePalette({0x000000, 0xffffff}));
    return test::BmpFile(dib.Bytes(), test::PaddedRows({{0x80}, {0x40}}));
}

PictureBytes Icon() {
    ByteWriter dib;
    dib.Append(test::InfoHeader(2, 4, 24));
    dib.Append(test::PaddedRows({{0, 0, 255, 0, 255, 0}, {255, 0, 0, 0, 0, 0}}));
    dib.Append(test::PaddedRows({{0x40}, {0x80}}));
    const auto png = test::EncodePngRgba(TRasterImage::Filled(3, 3, Argb(0x80, 1, 2, 3)));
    return test::IcoFile({{2, 2, 24, dib.Bytes()}, {3, 3, 32, png}});
}

PictureBytes PngPalette(bool interlaced) {
    test::PngLayout layout;
    layout.Width = 9;
    layout.Height = 9;
    layout.ColorType = PNG_COLOR_TYPE_PALETTE;
    layout.BitDepth = 4;
    layout.Interlaced = interlaced;
    layout.Palette = {0xff0000, 0x00ff00, 0x0000ff, 0x123456};
    layout.PaletteAlpha = {0, 0x80};
    std::vector<PictureBytes> rows;
    for (int y = 0; y < 9; ++y) {
        PictureBytes row;
        for (int x = 0; x < 9; x += 2)
            row.push_back(static_cast<std::uint8_t>(((x + y) % 4) << 4 | ((x + y + 1) % 4)));
        rows.push_back(row);
    }
    return test::EncodePng(layout, rows);
}

PictureBytes Jpeg(bool progressive) {
    PictureBytes samples;
    for (int i = 0; i < 16 * 16; ++i)
        samples.insert(samples.end(),
                       {static_cast<std::uint8_t>(i), 80, static_cast<std::uint8_t>(255 - i)});
    return test::EncodeJpeg(16, 16, test::JpegInput::Rgb, samples, progressive);
}

PictureBytes AnimatedGif() {
    test::GifLayout layout{4, 3, {0xff0000, 0x00ff00, 0x0000ff, 0xffffff}, 0, {}};
    const auto frame = [](int left, int top, int width, int height, PictureBytes indices,
                          int disposal) {
        test::GifFrameSpec made;
        made.Left = left;
        made.Top = top;
        made.Width = width;
        made.Height = height;
        made.Indices = std::move(indices);
        made.DelayCs = 5;
        made.Disposal = disposal;
        return made;
    };
    const auto first = frame(0, 0, 4, 3, PictureBytes(12, 1), 1);
    auto second = frame(1, 1, 2, 2, {0, 3, 3, 2}, 2);
    second.TransparentIndex = 3;
    auto third = frame(0, 0, 3, 3, PictureBytes(9, 2), 3);
    third.Interlaced = true;
    third.Colors = {0x000000, 0x808080, 0xffffff, 0x00ffff};
    layout.Frames = {first, second, third};
    return test::EncodeGif(layout);
}

std::vector<Sample> Samples() {
    return {
        {"bmp8", TPictureKind::Bitmap, Bmp8()},
        {"bmp16", TPictureKind::Bitmap, Bmp16()},
        {"bmp32", TPictureKind::Bitmap, Bmp32()},
        {"bmp_rle8", TPictureKind::Bitmap, BmpRle8()},
        {"bmp_rle4", TPictureKind::Bitmap, BmpRle4()},
        {"bmp_core", TPictureKind::Bitmap, BmpCore()},
        {"ico", TPictureKind::Icon, Icon()},
        {"png", TPictureKind::Png, PngPalette(false)},
        {"png_adam7", TPictureKind::Png, PngPalette(true)},
        {"jpeg", TPictureKind::Jpeg, Jpeg(false)},
        {"jpeg_progressive", TPictureKind::Jpeg, Jpeg(true)},
        {"gif", TPictureKind::Gif, AnimatedGif()},
    };
}

class PictureDamage : public ::testing::TestWithParam<Sample> {};

TEST_P(PictureDamage, TheSampleDecodes) {
    const auto& sample = GetParam();
    EXPECT_NO_THROW(DecodePicture({sample.Kind, sample.Data}));
}

TEST_P(PictureDamage, EveryCutFails) {
    const auto& sample = GetParam();
    for (std::size_t size = 0; size < sample.Data.size(); ++size) {
        const TPicture cut{sample.Kind,
                           PictureBytes(sample.Data.begin(), sample.Data.begin() + size)};
        EXPECT_THROW(DecodePicture(cut), PictureDecodeError)
            << "cut at " << size << " of " << sample.Data.size();
    }
}

TEST_P(PictureDamage, ChangedBytesNeverCrash) {
    const auto& sample = GetParam();
    for (std::size_t at = 0; at < sample.Data.size(); ++at)
        for (const std::uint8_t value : {0x00, 0x01, 0x7f, 0x80, 0xff}) {
            TPicture damaged{sample.Kind, sample.Data};
            damaged.Data[at] = value;
            try {
                DecodePicture(damaged, 1 << 20);
            } catch (const PictureDecodeError&) {
            }
        }
}

std::string SampleName(const ::testing::TestParamInfo<Sample>& sample) {
    return sample.param.Name;
}

INSTANTIATE_TEST_SUITE_P(Samples, PictureDamage, ::testing::ValuesIn(Samples()), SampleName);

} // namespace
} // namespace brelvane
