#include "TransitionTestImages.h"

#include <cmath>
#include <gtest/gtest.h>
#include <numbers>

namespace brelvane::test {
namespace {

constexpr int W = 200;
constexpr int H = 100;

TEST(FadeStyle, BlendsEachColourChannelAndKeepsTheFourthByte) {
    const QImage old = Uniform(8, 4, 0x40C8C8C8, QImage::Format_ARGB32);
    const QImage picture = Uniform(8, 4, 0xFF000000, QImage::Format_ARGB32);
    const QImage quarter = Draw(118, old, picture, 4, 25);
    EXPECT_EQ(quarter.pixel(0, 0), 0x40969696u);
    EXPECT_EQ(quarter.pixel(7, 3), 0x40969696u);

    const QImage mixed =
        Draw(118, Uniform(2, 2, qRgb(10, 100, 255)), Uniform(2, 2, qRgb(255, 0, 11)), 4, 50);
    EXPECT_EQ(mixed.pixel(1, 1), qRgb(132, 50, 133));
}

// Where the turned picture lands: the frame pixel's offset from the pivot turned back by the
// angle gives the picture pixel, to the nearest pixel.
QPoint TurnedSource(QPoint pixel, QPoint pivot, double angle) {
    const double dx = pixel.x() - pivot.x();
    const double dy = pixel.y() - pivot.y();
    return {pivot.x() + static_cast<int>(std::lround(std::cos(angle) * dx + std::sin(angle) * dy)),
            pivot.y() +
                static_cast<int>(std::lround(-std::sin(angle) * dx + std::cos(angle) * dy))};
}

void ExpectNear(const QImage& frame, QPoint pixel, QPoint source) {
    const QRgb value = frame.pixel(pixel);
    EXPECT_FALSE(FromOld(value)) << pixel.x() << "," << pixel.y();
    EXPECT_NEAR(SourceX(value), source.x(), 1) << pixel.x() << "," << pixel.y();
    EXPECT_NEAR(SourceY(value), source.y(), 1) << pixel.x() << "," << pixel.y();
}

TEST(PivotStyles, TurnAboutAPivotOnePixelOutsideTheCorner) {
    const QImage old = Coordinates(W, H, true);
    const QImage picture = Coordinates(W, H);
    const double eighth = std::numbers::pi / 4; // progress 50
    const QImage topLeft = Draw(119, old, picture, 4, 50);
    ExpectNear(topLeft, {60, 80}, TurnedSource({60, 80}, {-1, -1}, eighth));
    ExpectNear(topLeft, {30, 40}, TurnedSource({30, 40}, {-1, -1}, eighth));
    EXPECT_TRUE(FromOld(topLeft.pixel(150, 20)));

    const QImage bottomRight = Draw(122, old, picture, 4, 50);
    ExpectNear(bottomRight, {139, 19}, TurnedSource({139, 19}, {W, H}, eighth));
    EXPECT_TRUE(FromOld(bottomRight.pixel(49, 79)));

    const QImage topRight = Draw(121, old, picture, 4, 50);
    ExpectNear(topRight, {139, 80}, TurnedSource({139, 80}, {W, -1}, -eighth));
    EXPECT_TRUE(FromOld(topRight.pixel(49, 20)));

    const QImage bottomLeft = Draw(120, old, picture, 4, 50);
    ExpectNear(bottomLeft, {60, 19}, TurnedSource({60, 19}, {-1, H}, -eighth));
    EXPECT_TRUE(FromOld(bottomLeft.pixel(150, 79)));
}

TEST(FadeStyle, DividesExactlyForEveryProgressAndChannelValue) {
    // Old channels all x, new channels all y: every pair of values in one frame.
    QImage old(256, 256, QImage::Format_RGB32);
    QImage picture(256, 256, QImage::Format_RGB32);
    for (int y = 0; y < 256; ++y) {
        for (int x = 0; x < 256; ++x) {
            old.setPixel(x, y, qRgb(x, x, x));
            picture.setPixel(x, y, qRgb(y, y, y));
        }
    }
    for (int progress = 1; progress <= 99; ++progress) {
        const QImage frame = Draw(118, old, picture, 4, progress);
        for (int y = 0; y < 256; ++y) {
            for (int x = 0; x < 256; ++x) {
                const int expected = ((100 - progress) * x + progress * y) / 100;
                ASSERT_EQ(frame.pixel(x, y), qRgb(expected, expected, expected))
                    << "progress " << progress << " old " << x << " new " << y;
            }
        }
    }
}

// The turn pixel by pixel: the source of every frame pixel, kept when it falls outside.
QImage TurnedByHand(const QImage& old, const QImage& picture, QPoint pivot, double angle) {
    QImage frame = old.copy();
    const qint64 s = std::llround(std::sin(-angle) * 65536);
    const qint64 c = std::llround(std::cos(-angle) * 65536);
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            const qint64 dx = x - pivot.x();
            const qint64 dy = y - pivot.y();
            const qint64 u = ((qint64(pivot.x()) << 16) + c * dx - s * dy + 32768) >> 16;
            const qint64 v = ((qint64(pivot.y()) << 16) + s * dx + c * dy + 32768) >> 16;
            if (u >= 0 && u < frame.width() && v >= 0 && v < frame.height())
                frame.setPixel(x, y, picture.pixel(int(u), int(v)));
        }
    }
    return frame;
}

TEST(PivotStyles, MatchTheTurnPixelByPixel) {
    const int w = 131;
    const int h = 77;
    const QImage old = Coordinates(w, h, true);
    const QImage picture = Coordinates(w, h);
    struct Pivot {
        int style;
        QPoint pivot;
        double sign;
    };
    for (const Pivot& p : {Pivot{119, {-1, -1}, 1}, Pivot{120, {-1, h}, -1},
                           Pivot{121, {w, -1}, -1}, Pivot{122, {w, h}, 1}}) {
        for (const int progress : {1, 17, 50, 83, 99}) {
            const double angle = p.sign * (100 - progress) * std::numbers::pi / 200;
            EXPECT_EQ(Draw(p.style, old, picture, 4, progress),
                      TurnedByHand(old, picture, p.pivot, angle))
                << "style " << p.style << " progress " << progress;
        }
    }
}

TEST(PivotStyles, ArriveInPlace) {
    const QImage picture = Coordinates(W, H);
    const QImage frame = Draw(119, Coordinates(W, H, true), picture, 4, 99);
    EXPECT_EQ(frame.pixel(0, 0), picture.pixel(0, 0));
    EXPECT_EQ(frame.pixel(10, 10), picture.pixel(10, 10));
}

} // namespace
} // namespace brelvane::test
