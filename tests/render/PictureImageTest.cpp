#include "render/PictureImage.h"

#include "storage/ErrorReport.h"

#include <QBuffer>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TPicture Encoded(const QImage& image, const char* format, TPictureKind kind) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {kind, {bytes.begin(), bytes.end()}};
}

// A 3 x 2 bitmap of `fill` with `corner` in the bottom-left pixel.
TPicture Bitmap(QColor fill, QColor corner) {
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(fill);
    image.setPixelColor(0, 1, corner);
    image.setPixelColor(2, 0, corner);
    return Encoded(image, "BMP", TPictureKind::Bitmap);
}

TEST(PictureImage, DecodesStillPicturesIntoOneFrame) {
    QImage image(4, 3, QImage::Format_ARGB32);
    image.fill(QColor(10, 20, 30, 128));
    const auto picture = PictureImageOf(Encoded(image, "PNG", TPictureKind::Png));
    ASSERT_EQ(picture->Frames.size(), 1u);
    EXPECT_EQ(picture->Size(), QSize(4, 3));
    EXPECT_EQ(picture->Frames[0].pixelColor(1, 1), QColor(10, 20, 30, 128));
    EXPECT_FALSE(picture->Animated());
    EXPECT_FALSE(picture->Bitmap);
}

TEST(PictureImage, DamagedAndEmptyPicturesHaveNoFrames) {
    auto damaged = Encoded(QImage(4, 4, QImage::Format_RGB32), "PNG", TPictureKind::Png);
    damaged.Data.resize(damaged.Data.size() / 2);
    EXPECT_TRUE(PictureImageOf(damaged)->Empty());
    EXPECT_TRUE(PictureImageOf(TPicture{TPictureKind::Jpeg, {1, 2, 3}})->Empty());
    EXPECT_TRUE(PictureImageOf(TPicture{})->Empty());
    EXPECT_TRUE(DrawnFrame(*PictureImageOf(damaged), 0, true).isNull());
}

TEST(PictureImage, AMetafileHeaderWithoutRecordsIsDamaged) {
    // Placeable metafile header: key, handle, bounding box 0,0-192,96 at 96
    // units per inch; the records that would draw it are missing. (Drawn
    // metafiles: MetafileDrawingTest.)
    std::vector<std::uint8_t> data{0xD7, 0xCD, 0xC6, 0x9A, 0, 0, 0, 0, 0, 0, 192,
                                   0,    96,   0,    96,   0, 0, 0, 0, 0, 0, 0};
    ErrorCollector errors;
    const auto picture = PictureImageOf(TPicture{TPictureKind::Metafile, data});
    EXPECT_TRUE(picture->Empty());
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(PictureImage, TheSameBytesAreDecodedOnceWhileHeld) {
    const auto bytes = Bitmap(Qt::red, Qt::blue);
    const auto first = PictureImageOf(bytes);
    const auto second = PictureImageOf(TPicture(bytes));
    EXPECT_EQ(first.get(), second.get());
    EXPECT_NE(first.get(), PictureImageOf(Bitmap(Qt::green, Qt::blue)).get());
}

TEST(PictureImage, TransparentBitmapsLeaveOutTheirBottomLeftColour) {
    const auto picture = PictureImageOf(Bitmap(Qt::red, Qt::blue));
    ASSERT_TRUE(picture->Bitmap);
    const QImage keyed = DrawnFrame(*picture, 0, true);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 1)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(2, 0)), 0);
    EXPECT_EQ(keyed.pixelColor(1, 0), QColor(Qt::red));
    const QImage opaque = DrawnFrame(*picture, 0, false);
    EXPECT_EQ(opaque.pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_TRUE(DrawnFrame(*picture, 1, false).isNull());
}

} // namespace
} // namespace brelvane
