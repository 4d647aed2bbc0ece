#include "storage/avi/AviClip.h"

#include "storage/StorageTestSupport.h"
#include "storage/avi/AviFrameDecoder.h"
#include "storage/avi/AviWriter.h"

#include <fstream>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

constexpr std::uint32_t kRed = 0xffff0000u, kGreen = 0xff00ff00u, kBlue = 0xff0000ffu;

TAviContent PalettedClip(std::int32_t width, std::int32_t height) {
    TAviContent content;
    content.Width = width;
    content.Height = height;
    content.Palette = {0x000000, 0xff0000, 0x00ff00, 0x0000ff};
    return content;
}

// Decodes every frame and returns the picture after each.
std::vector<std::vector<std::uint32_t>> Play(const Bytes& file) {
    std::string fault;
    const auto clip = ReadAviClip(file, &fault);
    EXPECT_TRUE(clip) << fault;
    std::vector<std::vector<std::uint32_t>> pictures;
    if (!clip) return pictures;
    TAviFrameDecoder decoder(*clip);
    for (const auto& frame : clip->Frames) {
        EXPECT_TRUE(decoder.Decode(std::span(file).subspan(frame.Offset, frame.Size)));
        pictures.push_back(decoder.Pixels());
    }
    return pictures;
}

// The picture after the one uncompressed 24-bit frame of a w x h clip.
std::vector<std::uint32_t> PlayTwentyFourBitFrame(const Bytes& frame, std::int32_t w,
                                                  std::int32_t h) {
    TAviContent content;
    content.Width = w;
    content.Height = h;
    content.BitCount = 24;
    content.Compression = acRgb;
    content.Frames = {frame};
    const auto pictures = Play(WriteAvi(content));
    return pictures.empty() ? std::vector<std::uint32_t>{} : pictures.front();
}

TEST(AviClip, HeadersGiveSizeRateCodingAndFramesWhateverListsAndAudioSurroundThem) {
    auto content = PalettedClip(8, 4);
    content.MicroSecPerFrame = 66666;
    std::vector<std::uint8_t> indices(32, 1);
    content.Frames = {EncodeRle8(indices, nullptr, 8, 4), EncodeRle8(indices, &indices, 8, 4)};
    for (const bool nested : {false, true}) {
        content.RecordLists = content.AudioStream = nested;
        const auto file = WriteAvi(content);
        const auto clip = ReadAviClip(file);
        ASSERT_TRUE(clip);
        EXPECT_EQ(clip->Width, 8);
        EXPECT_EQ(clip->Height, 4);
        EXPECT_EQ(clip->MicroSecPerFrame, 66666u);
        EXPECT_EQ(clip->Compression, acRle8);
        ASSERT_EQ(clip->Frames.size(), 2u) << "audio chunks are not frames";
        EXPECT_EQ(clip->Palette.at(2), kGreen);
        const auto pictures = Play(file);
        EXPECT_EQ(pictures.at(1), std::vector<std::uint32_t>(32, kRed));
    }
}

TEST(AviClip, RleDeltaFrameKeepsThePixelsItSkips) {
    const std::int32_t w = 40, h = 6;
    std::vector<std::uint8_t> first(w * h, 1), second = first;
    // The second frame changes two spots only: one pixel and one short run.
    second[2 * w + 5] = 2;
    for (int x = 30; x < 34; ++x)
        second[5 * w + x] = 3;
    auto content = PalettedClip(w, h);
    content.Frames = {EncodeRle8(first, nullptr, w, h), EncodeRle8(second, &first, w, h)};
    const auto pictures = Play(WriteAvi(content));
    ASSERT_EQ(pictures.size(), 2u);
    std::vector<std::uint32_t> expected(w * h, kRed);
    expected[2 * w + 5] = kGreen;
    for (int x = 30; x < 34; ++x)
        expected[5 * w + x] = kBlue;
    EXPECT_EQ(pictures[1], expected);

    // Played alone, the delta frame draws its two spots and skips the rest,
    // which stays as black as a fresh picture.
    content.Frames = {content.Frames[1]};
    const auto alone = Play(WriteAvi(content));
    ASSERT_EQ(alone.size(), 1u);
    std::vector<std::uint32_t> spotsOnly(w * h, 0xff000000u);
    spotsOnly[2 * w + 5] = kGreen;
    for (int x = 30; x < 34; ++x)
        spotsOnly[5 * w + x] = kBlue;
    EXPECT_EQ(alone[0], spotsOnly);
}

TEST(AviClip, Rle4AndItsLiteralAndMoveCodesDrawAlternatingColours) {
    TAviContent content = PalettedClip(6, 2);
    content.BitCount = 4;
    content.Compression = acRle4;
    // Bottom row: a run of 4 alternating 1,2; then literal 3,1,2 whose last
    // pixel lies beyond the edge; end of line. Top row: move right by 2, then
    // two pixels of colour 3.
    content.Frames = {{4, 0x12, 0, 3, 0x31, 0x20, 0, 0, 0, 2, 2, 0, 2, 0x33, 0, 1}};
    const auto pictures = Play(WriteAvi(content));
    ASSERT_EQ(pictures.size(), 1u);
    const std::uint32_t k = 0xff000000u;
    EXPECT_EQ(pictures[0], (std::vector<std::uint32_t>{k, k, kBlue, kBlue, k, k, kRed, kGreen, kRed,
                                                       kGreen, kBlue, kRed}));
}

TEST(AviClip, UncompressedFramesOfEachDepthBothRowOrders) {
    // Two rows of two pixels: red, green on the top row, blue, white below.
    const std::vector<std::uint32_t> expected{kRed, kGreen, kBlue, 0xffffffffu};
    const Bytes rows24{0xff, 0, 0,    0xff, 0xff, 0xff, 0, 0, // bottom row, padded
                       0,    0, 0xff, 0,    0xff, 0,    0, 0};
    const Bytes rows32{0xff, 0, 0, 0, 0xff, 0xff, 0xff, 0, 0, 0, 0xff, 0, 0, 0xff, 0, 0};
    const Bytes rows16{0x1f, 0, 0xff, 0x7f, 0, 0x7c, 0xe0, 0x03};
    const Bytes rows8{3, 4, 0, 0, 1, 2, 0, 0};
    struct Case {
        std::uint16_t bits;
        Bytes frame;
    };
    for (const auto& [bits, frame] :
         {Case{24, rows24}, Case{32, rows32}, Case{16, rows16}, Case{8, rows8}}) {
        SCOPED_TRACE(bits);
        TAviContent content;
        content.Width = content.Height = 2;
        content.BitCount = bits;
        content.Compression = acRgb;
        if (bits == 8) content.Palette = {0, 0xff0000, 0x00ff00, 0x0000ff, 0xffffff};
        content.Frames = {frame};
        EXPECT_EQ(Play(WriteAvi(content)).at(0), expected);

        // The same rows stored from the top down.
        content.TopDown = true;
        const std::size_t half = frame.size() / 2;
        content.Frames = {
            Concat({Bytes(frame.begin() + static_cast<std::ptrdiff_t>(half), frame.end()),
                    Bytes(frame.begin(), frame.begin() + static_cast<std::ptrdiff_t>(half))})};
        EXPECT_EQ(Play(WriteAvi(content)).at(0), expected);
    }
}

TEST(AviClip, WideTwentyFourBitRowsKeepEveryPixelsOwnBytes) {
    // Seven pixels: a block of four taken together, then three one by one.
    const std::int32_t w = 7, h = 3, stride = 24;
    Bytes frame(stride * h, 0);
    std::vector<std::uint32_t> expected(w * h);
    for (std::int32_t y = 0; y < h; ++y)
        for (std::int32_t x = 0; x < w; ++x) {
            const auto b = static_cast<std::uint8_t>(10 * x + y),
                       g = static_cast<std::uint8_t>(100 + x),
                       r = static_cast<std::uint8_t>(200 + 3 * y + x);
            const std::size_t at = static_cast<std::size_t>(y * stride + 3 * x);
            frame[at] = b;
            frame[at + 1] = g;
            frame[at + 2] = r;
            // Rows are stored from the bottom.
            expected[(h - 1 - y) * w + x] =
                0xff000000u | std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
        }
    EXPECT_EQ(PlayTwentyFourBitFrame(frame, w, h), expected);
}

TEST(AviClip, TwentyFourBitRowsOfEveryWidthFromOneToTwentyKeepTheirLastPixels) {
    // Pixels go in blocks of four while sixteen bytes of the row remain, the rest one by one:
    // every width from 1 to 20 ends the row differently.
    for (std::int32_t w = 1; w <= 20; ++w) {
        const std::int32_t h = 2;
        const auto stride = static_cast<std::size_t>((w * 3 + 3) / 4 * 4);
        Bytes frame(stride * h, 0xee); // padding that must not show up anywhere
        std::vector<std::uint32_t> expected(static_cast<std::size_t>(w * h));
        for (std::int32_t y = 0; y < h; ++y)
            for (std::int32_t x = 0; x < w; ++x) {
                const std::size_t at = static_cast<std::size_t>(y) * stride + 3u * x;
                const auto b = static_cast<std::uint8_t>(0x80 + x),
                           g = static_cast<std::uint8_t>(y),
                           r = static_cast<std::uint8_t>(0xf0 - x);
                frame[at] = b;
                frame[at + 1] = g;
                frame[at + 2] = r;
                expected[static_cast<std::size_t>((h - 1 - y) * w + x)] =
                    0xff000000u | std::uint32_t{r} << 16 | std::uint32_t{g} << 8 | b;
            }
        EXPECT_EQ(PlayTwentyFourBitFrame(frame, w, h), expected) << "width " << w;
    }
}

TEST(AviClip, Rle8LiteralPixelsBeyondTheRightEdgeAreDropped) {
    auto content = PalettedClip(4, 2);
    // Bottom row: one red, then six literal pixels of which three fit; the next code still
    // starts after the literal's padding. Top row: a literal of exactly the width.
    content.Frames = {{1, 1, 0, 6, 2, 3, 2, 1, 1, 1, 0, 0, 0, 4, 3, 3, 2, 2, 0, 1}};
    const auto pictures = Play(WriteAvi(content));
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0], (std::vector<std::uint32_t>{kBlue, kBlue, kGreen, kGreen, kRed, kGreen,
                                                       kBlue, kGreen}));
}

TEST(AviClip, OtherCodingsAndDamageDoNotOpen) {
    auto content = PalettedClip(4, 4);
    content.Frames = {EncodeRle8(std::vector<std::uint8_t>(16, 1), nullptr, 4, 4)};
    const auto good = WriteAvi(content);
    ASSERT_TRUE(ReadAviClip(good));
    const auto fails = [](const Bytes& file, const std::string& reason) {
        std::string fault;
        EXPECT_FALSE(ReadAviClip(file, &fault));
        EXPECT_NE(fault.find(reason), std::string::npos) << fault;
    };

    auto other = content;
    other.Compression = 0x64697678; // "xvid"
    fails(WriteAvi(other), "coding");
    other = content;
    other.TopDown = true; // RLE is always stored bottom-up
    fails(WriteAvi(other), "coding");
    other = content;
    other.Width = 1 << 14;
    other.Height = 1 << 14;
    fails(WriteAvi(other), "larger than the file");
    other = content;
    other.Palette.clear();
    fails(WriteAvi(other), "palette");

    fails(Bytes(good.begin(), good.begin() + 40), "past its list");
    fails(Bytes(good.begin(), good.begin() + 10), "ends inside");
    auto beyond = good;
    beyond[16] = 0xff; // the header list's size runs past the file
    beyond[17] = 0xff;
    fails(beyond, "past its list");
    fails(Bytes(20, 0), "not an AVI");
}

TEST(AviClip, DamagedFrameDataDrawsWhatItHoldsAndNeverLeavesThePicture) {
    auto content = PalettedClip(4, 2);
    content.Frames = {{0}};
    const auto file = WriteAvi(content);
    const auto clip = ReadAviClip(file);
    ASSERT_TRUE(clip);
    const std::vector<Bytes> damaged{
        {200, 1, 200, 1, 200, 1, 0, 0, 200, 2, 0, 0, 9, 3}, // runs past the right edge and the top
        {0, 2, 255, 255, 3, 1},                             // a move beyond the picture
        {0, 9, 1, 2},                                       // literal bytes cut short
        {0, 2, 1},                                          // move cut short
    };
    TAviFrameDecoder decoder(*clip);
    EXPECT_FALSE(decoder.Decode(damaged[0]));
    EXPECT_EQ(decoder.Pixels(),
              (std::vector<std::uint32_t>{kGreen, kGreen, kGreen, kGreen, kRed, kRed, kRed, kRed}));
    for (std::size_t i = 1; i < damaged.size(); ++i)
        EXPECT_FALSE(decoder.Decode(damaged[i])) << i;
    EXPECT_EQ(decoder.Pixels().size(), 8u);
}

TEST(AviClip, LoadsFilesAndRefusesMissingOnes) {
    TempFolder folder;
    auto content = PalettedClip(3, 3);
    content.Frames = {EncodeRle8(std::vector<std::uint8_t>(9, 2), nullptr, 3, 3)};
    const auto bytes = WriteAvi(content);
    std::ofstream(folder.File("clip.avi"), std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    const auto movie = LoadAviMovie(folder.File("clip.avi"));
    ASSERT_TRUE(movie);
    EXPECT_EQ(movie->FrameData(0).size(), content.Frames[0].size());
    std::string fault;
    EXPECT_FALSE(LoadAviMovie(folder.File("none.avi"), &fault));
    EXPECT_EQ(fault, "the file cannot be opened");
}

} // namespace
} // namespace brelvane::test
