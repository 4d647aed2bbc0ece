#include "storage/JpegCodec.h"

#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::EncodeJpeg;
using test::JpegInput;
using test::PictureBytes;

void ExpectNear(std::uint32_t got, std::uint32_t want, int tolerance = 12) {
    EXPECT_EQ(AlphaOf(got), 255);
    for (int shift = 0; shift < 24; shift += 8)
        EXPECT_LE(std::abs(static_cast<int>(got >> shift & 0xff) -
                           static_cast<int>(want >> shift & 0xff)),
                  tolerance)
            << std::hex << "got " << got << " want " << want;
}

// 32x16: red on the left half, blue on the right.
PictureBytes RedBlueSamples() {
    PictureBytes samples;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 32; ++x) {
            if (x < 16)
                samples.insert(samples.end(), {255, 0, 0});
            else
                samples.insert(samples.end(), {0, 0, 255});
        }
    return samples;
}

TEST(JpegCodec, RgbColoursComeBackApproximately) {
    for (const bool progressive : {false, true}) {
        const auto file = EncodeJpeg(32, 16, JpegInput::Rgb, RedBlueSamples(), progressive);
        const auto picture = DecodePicture({TPictureKind::Jpeg, file});
        ASSERT_EQ(picture.Frames.size(), 1u);
        EXPECT_FALSE(picture.Frames[0].Transparent);
        const auto& image = picture.Frames[0].Image;
        ASSERT_EQ(image.Width, 32);
        ASSERT_EQ(image.Height, 16);
        ExpectNear(image.Pixel(4, 8), Rgb(255, 0, 0));
        ExpectNear(image.Pixel(27, 3), Rgb(0, 0, 255));
    }
}

TEST(JpegCodec, Greyscale) {
    PictureBytes samples;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            samples.push_back(static_cast<std::uint8_t>(y < 8 ? 40 : 200));
    const auto image = DecodeJpeg(EncodeJpeg(16, 16, JpegInput::Grey, samples));
    ExpectNear(image.Pixel(3, 3), Rgb(40, 40, 40), 4);
    ExpectNear(image.Pixel(12, 12), Rgb(200, 200, 200), 4);
}

TEST(JpegCodec, AdobeCmykIsInverted) {
    // libjpeg writes CMYK with the Adobe marker, so the samples are stored
    // inverted, as Photoshop does: 255 means no ink.
    PictureBytes samples;
    for (int i = 0; i < 16 * 8; ++i)
        samples.insert(samples.end(), {255, 0, 0, 255}); // red
    for (int i = 0; i < 16 * 8; ++i)
        samples.insert(samples.end(), {255, 255, 255, 128}); // grey
    const auto image = DecodeJpeg(EncodeJpeg(16, 16, JpegInput::Cmyk, samples));
    ExpectNear(image.Pixel(8, 2), Rgb(255, 0, 0));
    ExpectNear(image.Pixel(8, 13), Rgb(128, 128, 128));
}

TEST(JpegCodec, MissingEndMarkerFails) {
    const auto file = EncodeJpeg(32, 16, JpegInput::Rgb, RedBlueSamples());
    ASSERT_EQ(file[file.size() - 2], 0xff);
    ASSERT_EQ(file[file.size() - 1], 0xd9);
    EXPECT_THROW(DecodeJpeg({file.data(), file.size() - 1}), PictureDecodeError);
    EXPECT_THROW(DecodeJpeg({file.data(), file.size() - 2}), PictureDecodeError);
}

TEST(JpegCodec, ScanEndingBeforeItsImageFails) {
    // Cut the entropy-coded data short and close the file with EOI.
    auto file = EncodeJpeg(32, 16, JpegInput::Rgb, RedBlueSamples());
    file.resize(file.size() - 40);
    file.insert(file.end(), {0xff, 0xd9});
    EXPECT_THROW(DecodeJpeg(file), PictureDecodeError);
}

TEST(JpegCodec, RefusesAbsurdDimensions) {
    auto file = EncodeJpeg(32, 16, JpegInput::Rgb, RedBlueSamples());
    // SOF0: FF C0, length, precision, height, width.
    std::size_t sof = 2;
    while (sof + 1 < file.size() && !(file[sof] == 0xff && file[sof + 1] == 0xc0))
        ++sof;
    ASSERT_LT(sof + 9, file.size());
    file[sof + 5] = 0xea; // height 60000
    file[sof + 6] = 0x60;
    file[sof + 7] = 0xea; // width 60000
    file[sof + 8] = 0x60;
    try {
        DecodeJpeg(file);
        ADD_FAILURE() << "decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_STREQ(error.what(), "JPEG: image larger than the picture size limit");
    }
    EXPECT_THROW(DecodeJpeg(EncodeJpeg(32, 16, JpegInput::Rgb, RedBlueSamples()), 511),
                 PictureDecodeError);
}

TEST(JpegCodec, NotAJpeg) {
    EXPECT_THROW(DecodeJpeg(PictureBytes{0xff, 0xd8}), PictureDecodeError);
    EXPECT_THROW(DecodeJpeg(PictureBytes{0x00, 0xd8, 0xff}), PictureDecodeError);
}

} // namespace
} // namespace brelvane
