#include "storage/PictureCodecs.h"

#include "PictureEncoders.h"
#include "storage/MetafileInfo.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::ByteWriter;
using test::PictureBytes;

TEST(PictureCodecs, StillPicturesAreOneFramePlayedOnce) {
    const auto image = TRasterImage::Filled(3, 2, Rgb(1, 2, 3));
    const auto picture = DecodePicture({TPictureKind::Png, test::EncodePngRgba(image)});
    EXPECT_EQ(picture.Width, 3);
    EXPECT_EQ(picture.Height, 2);
    EXPECT_EQ(picture.LoopCount, 1);
    ASSERT_EQ(picture.Frames.size(), 1u);
    EXPECT_EQ(picture.Frames[0].Image, image);
    EXPECT_EQ(picture.Frames[0].DelayMs, 0);
    EXPECT_EQ(picture.Frames[0].Disposal, 0);
    EXPECT_FALSE(picture.Frames[0].Transparent);
}

TEST(PictureCodecs, PixelLayoutIsArgb32) {
    const auto image = DecodePicture({TPictureKind::Png, test::EncodePngRgba(TRasterImage::Filled(
                                                             1, 1, Argb(0x80, 0x10, 0x20, 0x30)))})
                           .Frames.at(0)
                           .Image;
    // Bytes B, G, R, A in memory, not premultiplied: QImage::Format_ARGB32.
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(image.Pixels.data());
    EXPECT_EQ(bytes[0], 0x30);
    EXPECT_EQ(bytes[1], 0x20);
    EXPECT_EQ(bytes[2], 0x10);
    EXPECT_EQ(bytes[3], 0x80);
}

TEST(PictureCodecs, TheKindChoosesTheCodec) {
    const auto png = test::EncodePngRgba(TRasterImage::Filled(1, 1, Rgb(1, 2, 3)));
    EXPECT_NO_THROW(DecodePicture({TPictureKind::Png, png}));
    EXPECT_THROW(DecodePicture({TPictureKind::Bitmap, png}), PictureDecodeError);
    EXPECT_THROW(DecodePicture({TPictureKind::Gif, png}), PictureDecodeError);
    EXPECT_THROW(DecodePicture({TPictureKind::Jpeg, png}), PictureDecodeError);
    EXPECT_THROW(DecodePicture({TPictureKind::Icon, png}), PictureDecodeError);
}

TEST(PictureCodecs, NoneAndMetafilesAreNotDecoded) {
    EXPECT_THROW(DecodePicture({}), PictureDecodeError);
    EXPECT_THROW(DecodePicture({TPictureKind::Metafile, PictureBytes(100, 0)}), PictureDecodeError);
}

TEST(PictureCodecs, ThePngPrototypeDecodes) {
    const auto picture = DecodePicture(PngPrototype());
    EXPECT_EQ(picture.Width, 4);
    EXPECT_EQ(picture.Height, 4);
}

TEST(PictureCodecs, ErrorMessagesNameTheFormat) {
    try {
        DecodePicture({TPictureKind::Bitmap, {'B', 'M', 0}});
        ADD_FAILURE() << "decoded";
    } catch (const PictureDecodeError& error) {
        EXPECT_STREQ(error.what(), "BMP: data cut off");
    }
}

PictureBytes EnhancedMetafile(std::int32_t left, std::int32_t top, std::int32_t right,
                              std::int32_t bottom) {
    ByteWriter w;
    w.U32(1).U32(88);
    w.I32(0).I32(0).I32(99).I32(49); // bounds in device pixels
    w.I32(left).I32(top).I32(right).I32(bottom);
    w.U32(0x464d4520).U32(0x10000).U32(88).U32(1).U16(0).U16(0).U32(0).U32(0).U32(0);
    w.I32(1920).I32(1080).I32(508).I32(286);
    return w.Bytes();
}

PictureBytes PlaceableMetafile(std::int16_t left, std::int16_t top, std::int16_t right,
                               std::int16_t bottom, std::uint16_t inch) {
    ByteWriter w;
    w.U32(0x9ac6cdd7).U16(0);
    for (const auto v : {left, top, right, bottom})
        w.U16(static_cast<std::uint16_t>(v));
    w.U16(inch).U32(0).U16(0);
    // The Windows metafile header that follows.
    w.U16(1).U16(9).U16(0x300).U32(12).U16(0).U32(3).U16(0);
    return w.Bytes();
}

TEST(MetafileInfo, EnhancedMetafileFrameAt96Dpi) {
    // 1 inch by half an inch, in 0.01 mm.
    const auto data = EnhancedMetafile(0, 0, 2540, 1270);
    EXPECT_EQ(MetafileSize(data), (TPictureSize{96, 48}));
    EXPECT_TRUE(HasPictureSignature(TPictureKind::Metafile, data));
    EXPECT_EQ(MetafileSize(EnhancedMetafile(-1270, 100, 1270, 2640)), (TPictureSize{96, 96}));
    EXPECT_EQ(MetafileSize(EnhancedMetafile(0, 0, 0, 100)), std::nullopt);
}

TEST(MetafileInfo, PlaceableMetafileBoxInItsUnits) {
    const auto data = PlaceableMetafile(0, 0, 1440, 720, 1440);
    EXPECT_EQ(MetafileSize(data), (TPictureSize{96, 48}));
    EXPECT_TRUE(HasPictureSignature(TPictureKind::Metafile, data));
    EXPECT_EQ(MetafileSize(PlaceableMetafile(-500, -500, 500, 500, 1000)), (TPictureSize{96, 96}));
    // 0.5 pixel rounds up.
    EXPECT_EQ(MetafileSize(PlaceableMetafile(0, 0, 1, 1, 192)), (TPictureSize{1, 1}));
    EXPECT_EQ(MetafileSize(PlaceableMetafile(0, 0, 100, 100, 0)), std::nullopt);
    EXPECT_EQ(MetafileSize(PlaceableMetafile(100, 0, 0, 100, 96)), std::nullopt);
}

TEST(MetafileInfo, OtherDataHasNoSize) {
    EXPECT_EQ(MetafileSize({}), std::nullopt);
    EXPECT_EQ(MetafileSize({0xd7, 0xcd, 0xc6, 0x9a, 0}), std::nullopt);
    auto cut = EnhancedMetafile(0, 0, 2540, 2540);
    cut.resize(87);
    EXPECT_EQ(MetafileSize(cut), std::nullopt);
    EXPECT_EQ(MetafileSize(PictureBytes(200, 0x41)), std::nullopt);
}

} // namespace
} // namespace brelvane
