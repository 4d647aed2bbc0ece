#include "AATestImages.h"
#include "render/GradientFill.h"
#include "render/HintPainting.h"
#include "render/HintPlacement.h"

#include <QBuffer>
#include <QPainter>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

// Text 100 x 30 with shadow 5: w 115, hu 50, hd 59.
const QSize kText(100, 30);
const QRect kScreen(0, 0, 1024, 768);

struct PlacementCase {
    const char* what;
    QPoint mouse;
    int direction;
    int used;
    QRect window;
};

TEST(HintPlacement, DirectionsAndFallbacks) {
    const PlacementCase cases[] = {
        {"up right fits", {500, 400}, hdUpRight, hdUpRight, {500, 345, 115, 50}},
        {"up left fits", {500, 400}, hdUpLeft, hdUpLeft, {390, 345, 115, 50}},
        {"down right fits", {500, 400}, hdDownRight, hdDownRight, {500, 415, 115, 59}},
        {"down left fits", {500, 400}, hdDownLeft, hdDownLeft, {390, 415, 115, 59}},
        {"up right at the right edge opens left",
         {1000, 400},
         hdUpRight,
         hdUpLeft,
         {890, 345, 115, 50}},
        {"up right at the top opens down", {500, 20}, hdUpRight, hdDownRight, {500, 35, 115, 59}},
        {"up left at the left edge opens right",
         {40, 400},
         hdUpLeft,
         hdUpRight,
         {40, 345, 115, 50}},
        {"down right at the bottom opens up",
         {500, 740},
         hdDownRight,
         hdUpRight,
         {500, 685, 115, 50}},
        {"down left near the bottom opens above",
         {500, 740},
         hdDownLeft,
         hdUpLeft,
         {390, 685, 115, 50}},
        {"down left at the left edge opens right",
         {30, 400},
         hdDownLeft,
         hdDownRight,
         {30, 415, 115, 59}},
        {"top right corner: two fallbacks", {1000, 20}, hdUpRight, hdDownLeft, {890, 35, 115, 59}},
        {"bottom left corner: two fallbacks", {30, 740}, hdDownLeft, hdUpRight, {30, 685, 115, 50}},
        {"exactly at the right edge still fits",
         {1024 - 115, 400},
         hdUpRight,
         hdUpRight,
         {909, 345, 115, 50}},
    };
    for (const auto& c : cases) {
        const auto placed = PlaceHint(kText, c.mouse, kScreen, c.direction, 5);
        EXPECT_EQ(placed.Direction, c.used) << c.what;
        EXPECT_EQ(placed.Window, c.window) << c.what;
    }
}

TEST(HintPlacement, UsesTheGeometryOfTheScreenUnderThePointer) {
    // A second screen to the right of the first: its left edge is 1024, not 0.
    const QRect second(1024, 100, 800, 600);
    auto placed = PlaceHint(kText, {1100, 400}, second, hdUpLeft, 5);
    EXPECT_EQ(placed.Direction, hdUpRight);
    EXPECT_EQ(placed.Window, QRect(1100, 345, 115, 50));
    // Its top is 100: a balloon above y = 140 does not fit there.
    placed = PlaceHint(kText, {1300, 140}, second, hdUpRight, 5);
    EXPECT_EQ(placed.Direction, hdDownRight);
}

TEST(HintPlacement, BalloonLargerThanTheScreenEndsInsideIt) {
    for (int direction = 0; direction < 4; ++direction) {
        const auto placed = PlaceHint({2000, 1000}, {500, 400}, kScreen, direction, 5);
        EXPECT_EQ(placed.Direction, direction);
        EXPECT_EQ(placed.Window.topLeft(), QPoint(0, 0));
        EXPECT_EQ(placed.Window.width(), 2015);
    }
    // Only too wide: kept in the screen sideways, above the mouse as asked.
    const auto wide = PlaceHint({1100, 30}, {500, 400}, kScreen, hdUpRight, 5);
    EXPECT_EQ(wide.Direction, hdUpRight);
    EXPECT_EQ(wide.Window, QRect(0, 345, 1115, 50));
    const auto offset =
        PlaceHint({2000, 1000}, {1500, 400}, QRect(1024, 0, 800, 600), hdDownLeft, 5);
    EXPECT_EQ(offset.Window.topLeft(), QPoint(1024, 0));
}

TEST(HintPlacement, ShadowOffsetIsClampedAndWidensTheWindow) {
    EXPECT_EQ(PlaceHint(kText, {500, 400}, kScreen, hdUpRight, 150).Window.width(), 100 + 99 + 10);
    EXPECT_EQ(PlaceHint(kText, {500, 400}, kScreen, hdUpRight, -4).Window.width(), 100 + 0 + 10);
    EXPECT_EQ(PlaceHint(kText, {500, 400}, kScreen, hdUpLeft, 0).Window.left(), 500 - 110);
}

// The balloon over a magenta background: yellow body, black border, grey
// shadow (the stored defaults but for the background), no text.
class HintPaint : public AATest {
protected:
    static constexpr QRgb kBehind = 0xffff00ff;
    static constexpr QRgb kYellow = 0xffffff00;
    static constexpr QRgb kBlack = 0xff000000;
    static constexpr QRgb kGrey = 0xff808080;

    QImage Paint(int direction, QSize size = {120, 50}, bool rich = true,
                 const QString& text = {}) {
        QImage image(size, QImage::Format_ARGB32_Premultiplied);
        image.fill(kBehind);
        PaintHintBalloon(image, settings, HintBackImage(settings), direction, text, rich);
        return image;
    }
    static QRgb At(const QImage& image, int x, int y) { return image.pixel(x, y) | 0xff000000; }

    THintSettings settings;
};

TEST_F(HintPaint, UpRightPlainBalloon) {
    const auto image = Paint(hdUpRight);
    // Pointer from the base (10..20, 35) to the tip (0, 50): edges black, inside yellow.
    EXPECT_EQ(At(image, 2, 48), kBlack);
    EXPECT_EQ(At(image, 10, 40), kYellow);
    EXPECT_EQ(At(image, 10, 48), kBehind);
    // The border opens along the pointer base; elsewhere the bottom line is black.
    EXPECT_EQ(At(image, 15, 35), kYellow);
    EXPECT_EQ(At(image, 40, 35), kBlack);
    EXPECT_EQ(At(image, 40, 0), kBlack);
    EXPECT_EQ(At(image, 60, 20), kYellow);
    // No pointer on the right.
    EXPECT_EQ(At(image, 113, 48), kBehind);
}

TEST_F(HintPaint, ShadowIsACheckerboardOutsideTheBody) {
    const auto image = Paint(hdUpRight);
    // Vertical strip right of the body (x 115..119), clipped to start at y 8.
    EXPECT_EQ(At(image, 116, 20), kGrey);
    EXPECT_EQ(At(image, 117, 20), kBehind);
    EXPECT_EQ(At(image, 117, 21), kGrey);
    EXPECT_EQ(At(image, 117, 3), kBehind);
    EXPECT_EQ(At(image, 118, 2), kBehind);
    // Horizontal strip below the body (rows 36..40).
    EXPECT_EQ(At(image, 50, 38), kGrey);
    EXPECT_EQ(At(image, 51, 38), kBehind);
    EXPECT_EQ(At(image, 50, 44), kBehind);
    // Pointer shadow: the triangle (12, 35), (25, 35), (12, 50).
    EXPECT_EQ(At(image, 13, 45), kGrey);
    EXPECT_EQ(At(image, 14, 45), kBehind);
    EXPECT_EQ(At(image, 22, 45), kBehind);
    // The body covers the shadow.
    EXPECT_EQ(At(image, 100, 20), kYellow);
}

TEST_F(HintPaint, UpLeftPointsFromTheLowerRight) {
    const auto image = Paint(hdUpLeft);
    // Tip at (115, 50), base (95..105, 35).
    EXPECT_NE(At(image, 113, 48), kBehind);
    EXPECT_EQ(At(image, 105, 40), kYellow);
    EXPECT_EQ(At(image, 2, 48), kBehind);
    EXPECT_EQ(At(image, 100, 35), kYellow);
    EXPECT_EQ(At(image, 40, 35), kBlack);
}

TEST_F(HintPaint, DownwardBalloonsPointUp) {
    const auto right = Paint(hdDownRight, {120, 59});
    // Body from y 15 to 51; pointer base (10..20, 15), tip (0, 0).
    EXPECT_NE(At(right, 2, 2), kBehind);
    EXPECT_EQ(At(right, 10, 10), kYellow);
    EXPECT_EQ(At(right, 15, 15), kYellow);
    EXPECT_EQ(At(right, 40, 15), kBlack);
    EXPECT_EQ(At(right, 60, 5), kBehind);
    // Shadow strip below the body: rows 50..57, clipped above y 57.
    EXPECT_EQ(At(right, 50, 54), kGrey);
    EXPECT_EQ(At(right, 51, 54), kBehind);
    const auto left = Paint(hdDownLeft, {120, 59});
    EXPECT_NE(At(left, 113, 2), kBehind);
    EXPECT_EQ(At(left, 2, 2), kBehind);
}

TEST_F(HintPaint, GradientFillsTheOutlineFromColorToGradientColor) {
    settings.BackStyle = 4; // gradient style 3: left to right
    settings.GradientColor = 255;
    const auto image = Paint(hdUpRight);
    EXPECT_EQ(At(image, 0, 20), kYellow);
    const QColor right = QColor::fromRgb(At(image, 114, 20));
    EXPECT_EQ(right.red(), 255);
    EXPECT_LT(right.green(), 16);
    EXPECT_EQ(right.blue(), 0);
    // Inside the pointer too, and no border line where the plain balloon has one.
    EXPECT_NE(At(image, 10, 40), kBehind);
    EXPECT_NE(At(image, 40, 35), kBlack);
    // Outside the outline the page stays.
    EXPECT_EQ(At(image, 10, 48), kBehind);
    EXPECT_EQ(At(image, 117, 3), kBehind);
}

TEST_F(HintPaint, EveryGradientStyleMatchesAFillOfTheWholeBalloon) {
    settings.GradientColor = 0xc82800; // blue 200, green 40
    for (int backStyle = 2; backStyle <= 9; ++backStyle) {
        settings.BackStyle = backStyle;
        const auto image = Paint(hdUpRight);
        QImage reference(115, 50, QImage::Format_RGB32);
        QPainter painter(&reference);
        GradientFill(painter, backStyle - 1, settings.Color, reference.rect(),
                     settings.GradientColor);
        painter.end();
        for (const QPoint at : {QPoint(2, 4), QPoint(57, 17), QPoint(112, 30), QPoint(30, 34)})
            EXPECT_EQ(At(image, at.x(), at.y()), reference.pixel(at))
                << "style " << backStyle << " at " << at.x() << "," << at.y();
    }
}

TEST_F(HintPaint, WithoutRichBackgroundsTheGradientCountsAsPlain) {
    settings.BackStyle = 4;
    const auto image = Paint(hdUpRight, {120, 50}, false);
    EXPECT_EQ(At(image, 60, 20), kYellow);
    EXPECT_EQ(At(image, 40, 35), kBlack);
}

TEST_F(HintPaint, ImageStyleTilesThePictureOrFallsBackToPlain) {
    settings.BackStyle = 1;
    // No picture: plain.
    EXPECT_EQ(At(Paint(hdUpRight), 40, 35), kBlack);
    // A picture that does not decode: plain, no failure.
    settings.BackImage = TPicture{TPictureKind::Png, {0x89, 'P', 'N', 'G', 1, 2, 3}};
    EXPECT_TRUE(HintBackImage(settings).isNull());
    EXPECT_EQ(At(Paint(hdUpRight), 60, 20), kYellow);
    // A 4 x 4 picture with a blue top-left pixel, tiled from (0, 0).
    QImage tile(4, 4, QImage::Format_RGB32);
    tile.fill(Qt::green);
    tile.setPixel(0, 0, qRgb(0, 0, 255));
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(tile.save(&buffer, "PNG"));
    settings.BackImage = TPicture{TPictureKind::Png, {png.begin(), png.end()}};
    const auto image = Paint(hdUpRight);
    EXPECT_EQ(At(image, 40, 20), qRgb(0, 0, 255));
    EXPECT_EQ(At(image, 41, 20), qRgb(0, 255, 0));
    EXPECT_EQ(At(image, 40, 35), qRgb(0, 255, 0));
    EXPECT_EQ(At(image, 10, 48), kBehind);
}

TEST_F(HintPaint, TextIsDrawnInsideTheTextRectangle) {
    settings.Font.Color = 0xff0000; // blue
    const QString text = "Several words that wrap onto lines";
    const QSize textSize = HintTextSize(settings, text, 120);
    EXPECT_LE(textSize.width(), 120);
    EXPECT_GT(textSize.height(), HintTextSize(settings, "Several", 120).height());
    const QSize window(textSize.width() + 15, textSize.height() + 20);
    const auto image = Paint(hdUpRight, window, true, text);
    const QRect ink = InkBox(image.copy(8, 3, textSize.width(), textSize.height()), kYellow);
    EXPECT_FALSE(ink.isEmpty());
    // Nothing blue left of x 8 or above y 3.
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_NE(At(image, x, y), qRgb(0, 0, 255)) << x << "," << y;
}

} // namespace
} // namespace brelvane
