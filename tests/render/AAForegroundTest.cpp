#include "render/AAForeground.h"

#include "AATestImages.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

std::vector<int> Reds(const QImage& image, bool acrossRow) {
    std::vector<int> reds;
    const int n = acrossRow ? image.width() : image.height();
    for (int i = 0; i < n; ++i)
        reds.push_back(qRed(acrossRow ? image.pixel(i, 0) : image.pixel(0, i)));
    return reds;
}

QImage Gradient(int style, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    FillGradient(image, TAAGradual{true, static_cast<std::uint8_t>(style), clWhite, clBlack});
    return image;
}

class AAForeground : public AATest {};

TEST_F(AAForeground, LinearGradientsRunFromTheirFirstColourInTruncatedSteps) {
    // 255 + i * (0 - 255) / 4.
    EXPECT_EQ(Reds(Gradient(gsLeftToRight, 4, 2), true), (std::vector<int>{255, 192, 128, 64}));
    EXPECT_EQ(Reds(Gradient(gsRightToLeft, 4, 2), true), (std::vector<int>{0, 63, 127, 191}));
    EXPECT_EQ(Reds(Gradient(gsTopToBottom, 2, 4), false), (std::vector<int>{255, 192, 128, 64}));
    EXPECT_EQ(Reds(Gradient(gsBottomToTop, 2, 4), false), (std::vector<int>{0, 63, 127, 191}));
    // Horizontal ramps repeat on every row, vertical ones fill their rows.
    const QImage across = Gradient(gsLeftToRight, 4, 2);
    EXPECT_EQ(across.pixel(1, 0), across.pixel(1, 1));
    const QImage down = Gradient(gsTopToBottom, 3, 4);
    EXPECT_EQ(down.pixel(0, 2), down.pixel(2, 2));
}

TEST_F(AAForeground, CentreGradientsAreSymmetricWithStartColourInTheMiddle) {
    // Odd width 5: three steps from EndColor at the edges to StartColor in the middle column.
    EXPECT_EQ(Reds(Gradient(gsCenterToLR, 5, 1), true), (std::vector<int>{0, 127, 255, 127, 0}));
    EXPECT_EQ(Reds(Gradient(gsCenterToLR, 7, 1), true),
              (std::vector<int>{0, 85, 170, 255, 170, 85, 0}));
    EXPECT_EQ(Reds(Gradient(gsCenterToLR, 4, 1), true), (std::vector<int>{0, 255, 255, 0}));
    EXPECT_EQ(Reds(Gradient(gsCenterToTB, 1, 5), false), (std::vector<int>{0, 127, 255, 127, 0}));
    // One or two pixels are all middle.
    EXPECT_EQ(Reds(Gradient(gsCenterToLR, 1, 1), true), (std::vector<int>{255}));
    EXPECT_EQ(Reds(Gradient(gsCenterToTB, 1, 2), false), (std::vector<int>{255, 255}));
}

TEST_F(AAForeground, ChannelsRampIndependently) {
    QImage image(2, 1, QImage::Format_RGB32);
    FillGradient(image, TAAGradual{true, gsLeftToRight, RGB(0, 100, 200), RGB(100, 100, 0)});
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 100, 200));
    EXPECT_EQ(image.pixel(1, 0), qRgb(50, 100, 100));
}

TEST_F(AAForeground, NoiseStaysWithinHalfItsAmplitudeAndRepeatsWithTheSeed) {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(qRgb(100, 250, 5));
    QImage again = image.copy();
    UniformRandom random(3);
    AddNoise(image, 40, random);
    bool varied = false;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = image.pixel(x, y);
            EXPECT_GE(qRed(p), 80);
            EXPECT_LT(qRed(p), 120);
            EXPECT_GE(qGreen(p), 230);
            EXPECT_LE(qGreen(p), 255);
            EXPECT_GE(qBlue(p), 0);
            EXPECT_LT(qBlue(p), 25);
            varied |= p != image.pixel(0, 0);
        }
    EXPECT_TRUE(varied);
    UniformRandom same(3);
    AddNoise(again, 40, same);
    EXPECT_EQ(again, image);
}

TPicture TwoByTwo() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(255, 0, 0));
    image.setPixel(1, 0, qRgb(0, 255, 0));
    image.setPixel(0, 1, qRgb(0, 0, 255));
    image.setPixel(1, 1, qRgb(255, 255, 255));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return TPicture{TPictureKind::Png, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

QImage Textured(int mode, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    EXPECT_TRUE(FillTexture(image, TAATexture{true, static_cast<std::uint8_t>(mode), TwoByTwo()},
                            Qt::black));
    return image;
}

TEST_F(AAForeground, TextureModesPlaceThePicture) {
    const QImage tiled = Textured(tmTiled, 5, 3);
    EXPECT_EQ(tiled.pixel(4, 2), qRgb(255, 0, 0));
    EXPECT_EQ(tiled.pixel(3, 1), qRgb(255, 255, 255));
    const QImage normal = Textured(tmNormal, 5, 3);
    EXPECT_EQ(normal.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(normal.pixel(4, 2), qRgb(0, 0, 0));
    // ((5 - 2) / 2, (4 - 2) / 2) = (1, 1).
    const QImage centred = Textured(tmCenter, 5, 4);
    EXPECT_EQ(centred.pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(centred.pixel(0, 0), qRgb(0, 0, 0));
    const QImage stretched = Textured(tmStretched, 8, 8);
    EXPECT_EQ(stretched.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(stretched.pixel(7, 7), qRgb(255, 255, 255));
    EXPECT_EQ(stretched.pixel(7, 0), qRgb(0, 255, 0));
}

TEST_F(AAForeground, UndecodablePictureIsNotDrawn) {
    QImage image(2, 2, QImage::Format_RGB32);
    EXPECT_FALSE(FillTexture(image, TAATexture{true, tmTiled, TPicture{TPictureKind::Png, {1, 2}}},
                             Qt::black));
}

} // namespace
} // namespace brelvane
