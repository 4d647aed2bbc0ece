#include "storage/GifCodec.h"

#include "PictureEncoders.h"
#include "storage/PictureCodecs.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::EncodeGif;
using test::GifFrameSpec;
using test::GifLayout;
using test::PictureBytes;

constexpr std::uint32_t kRed = Rgb(255, 0, 0), kBlue = Rgb(0, 0, 255), kGreen = Rgb(0, 255, 0),
                        kClear = 0;
const std::vector<std::uint32_t> kColors{0xff0000, 0x0000ff, 0x00ff00, 0xffffff};

TDecodedPicture Decode(const PictureBytes& file) {
    return DecodePicture({TPictureKind::Gif, file});
}

// Rows of the image, top first.
std::vector<std::vector<std::uint32_t>> Rows(const TRasterImage& image) {
    std::vector<std::vector<std::uint32_t>> rows;
    for (int y = 0; y < image.Height; ++y)
        rows.emplace_back(image.Row(y), image.Row(y) + image.Width);
    return rows;
}

GifFrameSpec Frame(int left, int top, int width, int height, PictureBytes indices) {
    GifFrameSpec frame;
    frame.Left = left;
    frame.Top = top;
    frame.Width = width;
    frame.Height = height;
    frame.Indices = std::move(indices);
    return frame;
}

TEST(GifCodec, ThreeFramesWithDelaysDisposalTransparencyAndLoopCount) {
    GifLayout layout{4, 4, kColors, 0, {}};
    auto first = Frame(0, 0, 4, 4, PictureBytes(16, 0));
    first.DelayCs = 10;
    first.Disposal = 1;
    // 2x2 at (1,1): blue, transparent / transparent, blue.
    auto second = Frame(1, 1, 2, 2, {1, 3, 3, 1});
    second.DelayCs = 20;
    second.Disposal = 2;
    second.TransparentIndex = 3;
    auto third = Frame(0, 0, 1, 1, {2});
    third.DelayCs = 30;
    layout.Frames = {first, second, third};

    const auto picture = Decode(EncodeGif(layout));
    EXPECT_EQ(picture.Width, 4);
    EXPECT_EQ(picture.Height, 4);
    EXPECT_EQ(picture.LoopCount, 0);
    ASSERT_EQ(picture.Frames.size(), 3u);

    EXPECT_EQ(picture.Frames[0].DelayMs, 100);
    EXPECT_EQ(picture.Frames[1].DelayMs, 200);
    EXPECT_EQ(picture.Frames[2].DelayMs, 300);
    EXPECT_EQ(picture.Frames[0].Disposal, 1);
    EXPECT_EQ(picture.Frames[1].Disposal, 2);
    EXPECT_EQ(picture.Frames[2].Disposal, 0);
    EXPECT_FALSE(picture.Frames[0].Transparent);
    EXPECT_TRUE(picture.Frames[1].Transparent);
    EXPECT_FALSE(picture.Frames[2].Transparent);

    const auto R = kRed, B = kBlue, G = kGreen, C = kClear;
    EXPECT_EQ(Rows(picture.Frames[0].Image),
              (std::vector<std::vector<std::uint32_t>>{
                  {R, R, R, R}, {R, R, R, R}, {R, R, R, R}, {R, R, R, R}}));
    // The transparent index leaves the red beneath.
    EXPECT_EQ(Rows(picture.Frames[1].Image),
              (std::vector<std::vector<std::uint32_t>>{
                  {R, R, R, R}, {R, B, R, R}, {R, R, B, R}, {R, R, R, R}}));
    // Disposal 2 cleared the second frame's rectangle before the third was drawn.
    EXPECT_EQ(Rows(picture.Frames[2].Image),
              (std::vector<std::vector<std::uint32_t>>{
                  {G, R, R, R}, {R, C, C, R}, {R, C, C, R}, {R, R, R, R}}));
}

TEST(GifCodec, DisposalThreeRestoresThePreviousCanvas) {
    GifLayout layout{3, 1, kColors, std::nullopt, {}};
    auto first = Frame(0, 0, 3, 1, {0, 0, 0});
    first.Disposal = 1;
    auto second = Frame(0, 0, 2, 1, {1, 1});
    second.Disposal = 3;
    auto third = Frame(2, 0, 1, 1, {2});
    layout.Frames = {first, second, third};
    const auto picture = Decode(EncodeGif(layout));
    ASSERT_EQ(picture.Frames.size(), 3u);
    EXPECT_EQ(Rows(picture.Frames[1].Image),
              (std::vector<std::vector<std::uint32_t>>{{kBlue, kBlue, kRed}}));
    EXPECT_EQ(Rows(picture.Frames[2].Image),
              (std::vector<std::vector<std::uint32_t>>{{kRed, kRed, kGreen}}));
}

TEST(GifCodec, DisposalThreeOfTheFirstFrameRestoresTransparency) {
    GifLayout layout{2, 1, kColors, std::nullopt, {}};
    auto first = Frame(0, 0, 1, 1, {0});
    first.Disposal = 3;
    layout.Frames = {first, Frame(1, 0, 1, 1, {1})};
    const auto picture = Decode(EncodeGif(layout));
    EXPECT_EQ(Rows(picture.Frames[0].Image),
              (std::vector<std::vector<std::uint32_t>>{{kRed, kClear}}));
    EXPECT_EQ(Rows(picture.Frames[1].Image),
              (std::vector<std::vector<std::uint32_t>>{{kClear, kBlue}}));
}

TEST(GifCodec, LoopCountAsStoredAndOneWithoutTheExtension) {
    GifLayout layout{1, 1, kColors, std::nullopt, {Frame(0, 0, 1, 1, {0})}};
    EXPECT_EQ(Decode(EncodeGif(layout)).LoopCount, 1);
    layout.LoopCount = 5;
    EXPECT_EQ(Decode(EncodeGif(layout)).LoopCount, 5);
    layout.LoopCount = 0;
    EXPECT_EQ(Decode(EncodeGif(layout)).LoopCount, 0);
}

TEST(GifCodec, StillGifWithoutGraphicControl) {
    auto frame = Frame(0, 0, 2, 1, {2, 1});
    frame.WithControl = false;
    const auto picture = Decode(EncodeGif({2, 1, kColors, std::nullopt, {frame}}));
    ASSERT_EQ(picture.Frames.size(), 1u);
    EXPECT_EQ(picture.Frames[0].DelayMs, 0);
    EXPECT_EQ(picture.Frames[0].Disposal, 0);
    EXPECT_FALSE(picture.Frames[0].Transparent);
    EXPECT_EQ(Rows(picture.Frames[0].Image),
              (std::vector<std::vector<std::uint32_t>>{{kGreen, kBlue}}));
}

TEST(GifCodec, InterlacedFrameWithLocalColourTable) {
    constexpr int height = 11;
    PictureBytes indices;
    for (int y = 0; y < height; ++y)
        indices.insert(indices.end(), {static_cast<std::uint8_t>(y), 0});
    auto frame = Frame(0, 0, 2, height, indices);
    frame.Interlaced = true;
    for (int i = 0; i < 16; ++i)
        frame.Colors.push_back(static_cast<std::uint32_t>(i * 0x101010));
    const auto picture = Decode(EncodeGif({2, height, kColors, std::nullopt, {frame}}));
    const auto& image = picture.Frames.at(0).Image;
    for (int y = 0; y < height; ++y) {
        EXPECT_EQ(image.Pixel(0, y), Rgb(y * 16, y * 16, y * 16)) << y;
        EXPECT_EQ(image.Pixel(1, y), Rgb(0, 0, 0));
    }
}

TEST(GifCodec, FramesAreClippedToTheLogicalScreen) {
    auto frame = Frame(2, 2, 3, 3, {1, 0, 0, 0, 0, 0, 0, 0, 0});
    const auto picture = Decode(EncodeGif({3, 3, kColors, std::nullopt, {frame}}));
    const auto C = kClear;
    EXPECT_EQ(Rows(picture.Frames.at(0).Image),
              (std::vector<std::vector<std::uint32_t>>{{C, C, C}, {C, C, C}, {C, C, kBlue}}));
}

TEST(GifCodec, ScreenOfZeroSizeTakesTheFirstFramesExtent) {
    const auto picture =
        Decode(EncodeGif({0, 0, kColors, std::nullopt, {Frame(1, 1, 2, 1, {1, 2})}}));
    EXPECT_EQ(picture.Width, 3);
    EXPECT_EQ(picture.Height, 2);
    EXPECT_EQ(picture.Frames.at(0).Image.Pixel(2, 1), kGreen);
}

TEST(GifCodec, EmptyFrameStillCounts) {
    // Written by hand: giflib's encoder leaves out the compressed data of an empty frame.
    const PictureBytes file{
        'G',  'I',  'F', '8', '9', 'a',  1, 0, 1, 0, 0x80, 0, 0, // screen, 2-colour table
        0xff, 0,    0,   0,   0,   0xff,                         // red, blue
        ',',  0,    0,   0,   0,   1,    0, 1, 0, 0, 2,    2, 0x44, 0x01, 0, // 1x1 of index 0
        0x21, 0xf9, 4,   0,   7,   0,    0, 0,                               // delay 7 cs
        ',',  0,    0,   0,   0,   0,    0, 0, 0, 0, 2,    1, 0x2c, 0,       // 0x0: clear, end
        ';'};
    const auto picture = Decode(file);
    ASSERT_EQ(picture.Frames.size(), 2u);
    EXPECT_EQ(picture.Frames[1].DelayMs, 70);
    EXPECT_EQ(picture.Frames[1].Image.Pixel(0, 0), kRed);
}

TEST(GifCodec, FramesShareThePixelLimit) {
    GifLayout layout{4, 4, kColors, std::nullopt, {}};
    for (int i = 0; i < 3; ++i)
        layout.Frames.push_back(Frame(0, 0, 1, 1, {0}));
    const auto file = EncodeGif(layout);
    EXPECT_EQ(DecodeGif(file, 48).Frames.size(), 3u);
    try {
        DecodeGif(file, 47);
        ADD_FAILURE() << "decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_STREQ(error.what(), "GIF: frames larger than the picture size limit together");
    }
}

TEST(GifCodec, RefusesAbsurdScreens) {
    auto file = EncodeGif({1, 1, kColors, std::nullopt, {Frame(0, 0, 1, 1, {0})}});
    file[6] = file[7] = file[8] = file[9] = 0xff; // 65535 x 65535
    try {
        Decode(file);
        ADD_FAILURE() << "decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_STREQ(error.what(), "GIF: image larger than the picture size limit");
    }
}

TEST(GifCodec, HugeFrameWithoutItsDataFails) {
    auto frame = Frame(0, 0, 1, 1, {0});
    frame.WithControl = false;
    auto file = EncodeGif({10, 10, kColors, std::nullopt, {frame}});
    // The image descriptor follows the header (13 bytes) and the 4-colour table.
    const std::size_t descriptor = 13 + 12;
    ASSERT_EQ(file[descriptor], ',');
    file[descriptor + 5] = file[descriptor + 6] = 0x60; // width 24672
    file[descriptor + 7] = file[descriptor + 8] = 0x60; // height 24672
    EXPECT_THROW(Decode(file), PictureDecodeError);
}

TEST(GifCodec, FrameWithoutColourTableFails) {
    auto file = EncodeGif({1, 1, kColors, std::nullopt, {Frame(0, 0, 1, 1, {0})}});
    // Drop the global colour table: its flag and its 4 entries.
    ASSERT_NE(file[10] & 0x80, 0);
    file[10] = 0;
    file.erase(file.begin() + 13, file.begin() + 13 + 12);
    try {
        Decode(file);
        ADD_FAILURE() << "decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_STREQ(error.what(), "GIF: frame without a colour table");
    }
}

TEST(GifCodec, MissingTrailerFails) {
    const auto file = EncodeGif({1, 1, kColors, std::nullopt, {Frame(0, 0, 1, 1, {0})}});
    ASSERT_EQ(file.back(), ';');
    EXPECT_THROW(DecodeGif({file.data(), file.size() - 1}), PictureDecodeError);
}

} // namespace
} // namespace brelvane
