#include "objects/controls/AuShape.h"

#include "controls/ControlTestKit.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "render/SystemColors.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

const QColor kFill(250, 200, 40), kBorder(120, 0, 0), kSecond(20, 60, 200);

class AuShape : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    QImage Draw(int shape, int fillStyle, int borderWidth, int width = 100, int height = 100,
                int parameter = 30) {
        object = MakeObject(okShape, width, height);
        auto& payload = PayloadOf<TShapePayload>(*object);
        payload.Shape = shape;
        payload.FillStyle = fillStyle;
        payload.BorderWidth = borderWidth;
        payload.Parameter = parameter;
        payload.FillColor = RGB(250, 200, 40);
        payload.BorderColor = RGB(120, 0, 0);
        payload.GradientColor = RGB(20, 60, 200);
        TAuShape control(*object, nullptr);
        return Render(control);
    }

    std::unique_ptr<TAutoObject> object;
};

struct TFigurePoints {
    int Shape;
    std::vector<QPoint> Inside, Outside;
};

// Points inside and outside each figure of 100 x 100 with Parameter 30.
const TFigurePoints kFigures[] = {
    {0, {{50, 50}, {0, 0}, {99, 99}}, {}},
    {1, {{50, 50}, {0, 50}, {50, 0}}, {{0, 0}, {99, 99}}},
    {2, {{50, 50}, {50, 1}, {1, 50}}, {{3, 3}, {96, 96}}},
    {3, {{50, 50}, {50, 3}, {97, 50}}, {{5, 5}, {95, 95}, {5, 95}}},
    {4, {{50, 90}, {5, 98}}, {{5, 5}, {95, 5}}},
    {5, {{50, 10}, {5, 1}}, {{5, 95}, {95, 95}}},
    {6, {{90, 50}, {98, 5}}, {{5, 5}, {5, 95}}},
    {7, {{10, 50}, {1, 5}}, {{95, 5}, {95, 95}}},
    {8, {{5, 90}}, {{90, 5}}},
    {9, {{5, 5}}, {{90, 90}}},
    {10, {{90, 90}}, {{5, 5}}},
    {11, {{90, 5}}, {{5, 90}}},
    {12, {{50, 2}, {2, 98}}, {{5, 2}, {95, 2}}},
    {13, {{2, 2}, {50, 50}}, {{97, 2}}},
    {14, {{97, 2}}, {{2, 2}}},
    {15, {{50, 97}, {2, 2}}, {{2, 97}, {97, 97}}},
    {16, {{2, 97}, {97, 2}}, {{97, 97}}},
    {17, {{97, 97}}, {{2, 97}}},
    {18, {{97, 2}, {2, 50}}, {{2, 2}, {2, 97}}},
    {19, {{2, 97}}, {{2, 2}}},
    {20, {{2, 2}}, {{2, 97}}},
    {21, {{2, 2}, {97, 50}}, {{97, 2}, {97, 97}}},
    {22, {{97, 97}}, {{97, 2}}},
    {23, {{97, 2}}, {{97, 97}}},
    {24, {{50, 50}, {2, 50}, {50, 2}}, {{2, 2}, {97, 97}}},
    {25, {{50, 2}, {2, 50}}, {{2, 2}, {97, 97}}},
};

TEST_F(AuShape, EachFigureCoversItsGeometry) {
    for (const auto& figure : kFigures) {
        const QImage image = Draw(figure.Shape, 0, 0);
        for (const QPoint& point : figure.Inside)
            EXPECT_EQ(image.pixelColor(point), kFill)
                << "shape " << figure.Shape << " at " << point.x() << "," << point.y();
        for (const QPoint& point : figure.Outside)
            EXPECT_EQ(qAlpha(image.pixel(point)), 0)
                << "shape " << figure.Shape << " at " << point.x() << "," << point.y();
    }
}

TEST_F(AuShape, SolidWithoutBorderWidthHasNoOutline) {
    const QImage image = Draw(0, 0, 0, 30, 20);
    EXPECT_FALSE(BoundsOf(image, kBorder).isValid());
    EXPECT_EQ(BoundsOf(image, kFill), QRect(0, 0, 30, 20));
}

TEST_F(AuShape, OutlineOfOnePixelRunsAlongTheRectangleEdges) {
    const QImage image = Draw(0, 0, 1, 30, 20);
    for (const QPoint point :
         {QPoint(0, 0), QPoint(29, 0), QPoint(0, 19), QPoint(29, 19), QPoint(15, 0), QPoint(0, 10)})
        EXPECT_EQ(image.pixelColor(point), kBorder) << point.x() << "," << point.y();
    EXPECT_EQ(image.pixelColor(1, 1), kFill);
    EXPECT_EQ(image.pixelColor(28, 18), kFill);
}

TEST_F(AuShape, DiamondApexesStayAtHalfTheClientSizeWithAWideBorder) {
    // CW / 2 = 50, CH / 2 = 40; the drawing rectangle starts at 5.
    const QImage image = Draw(3, 0, 10, 101, 81);
    const auto topmost = [&](int x) {
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == kBorder) return y;
        return image.height();
    };
    const auto leftmost = [&](int y) {
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) == kBorder) return x;
        return image.width();
    };
    EXPECT_EQ(image.pixelColor(50, 5), kBorder);
    EXPECT_EQ(image.pixelColor(5, 40), kBorder);
    EXPECT_EQ(image.pixelColor(50, 75), kBorder);
    EXPECT_EQ(image.pixelColor(50, 40), kFill);
    EXPECT_LE(topmost(50), 1);
    EXPECT_LT(topmost(50), topmost(44));
    EXPECT_LT(topmost(50), topmost(56));
    EXPECT_LT(leftmost(40), leftmost(34));
    EXPECT_LT(leftmost(40), leftmost(46));
}

TEST_F(AuShape, GradientFillsTheFigureAndDrawsTheBorderOverIt) {
    const QImage image = Draw(0, 1, 2, 40, 10);
    EXPECT_EQ(image.pixelColor(20, 1), kBorder);
    EXPECT_EQ(image.pixelColor(20, 3), QColor(181, 158, 88)); // step 3 of 10
    EXPECT_EQ(image.pixelColor(20, 5), QColor(135, 130, 120));
    // Outside the ellipse the gradient is clipped away.
    const QImage ellipse = Draw(2, 3, 0, 40, 40);
    EXPECT_EQ(qAlpha(ellipse.pixel(1, 1)), 0);
    EXPECT_EQ(ellipse.pixelColor(20, 20), QColor(135, 130, 120));
}

TEST_F(AuShape, OneRowHighMiddleGradientIsTheFillColour) {
    const QImage image = Draw(0, 5, 0, 30, 1);
    EXPECT_EQ(BoundsOf(image, kFill), QRect(0, 0, 30, 1));
}

TEST_F(AuShape, HatchesRepeatEveryEightPixelsOverTransparency) {
    const QImage horizontal = Draw(0, 1002, 0, 40, 40);
    std::vector<int> rows;
    for (int y = 0; y < 40; ++y)
        if (horizontal.pixelColor(11, y) == kFill)
            rows.push_back(y);
        else
            EXPECT_EQ(qAlpha(horizontal.pixel(11, y)), 0) << y;
    ASSERT_EQ(rows.size(), 5u);
    for (std::size_t i = 1; i < rows.size(); ++i)
        EXPECT_EQ(rows[i] - rows[i - 1], 8);
    const QImage vertical = Draw(0, 1003, 0, 40, 40);
    for (int x = 0; x < 32; ++x)
        EXPECT_EQ(vertical.pixel(x, 7), vertical.pixel(x + 8, 21)) << x;
    const QImage clear = Draw(0, 1001, 0, 40, 40);
    EXPECT_TRUE(BoundsOf(clear, kFill).isNull());
}

TEST_F(AuShape, ThreeDShapesUseThePlatformShadowAndHighlight) {
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    const QImage lowered = Draw(30, 0, 0, 20, 10);
    EXPECT_EQ(lowered.pixelColor(0, 0), shadow);
    EXPECT_EQ(lowered.pixelColor(10, 0), shadow);
    EXPECT_EQ(lowered.pixelColor(0, 5), shadow);
    EXPECT_EQ(lowered.pixelColor(19, 0), highlight);
    EXPECT_EQ(lowered.pixelColor(0, 9), highlight);
    EXPECT_EQ(lowered.pixelColor(19, 9), highlight);
    EXPECT_EQ(qAlpha(lowered.pixel(10, 5)), 0);
    const QImage frame = Draw(26, 0, 0, 20, 10);
    EXPECT_EQ(frame.pixelColor(0, 0), shadow);
    EXPECT_EQ(frame.pixelColor(1, 1), highlight);
    EXPECT_EQ(frame.pixelColor(18, 8), shadow);
    EXPECT_EQ(frame.pixelColor(19, 9), highlight);
    const QImage border = Draw(28, 0, 0, 20, 10);
    EXPECT_EQ(border.pixelColor(5, 1), QColor(113, 111, 100));
    EXPECT_EQ(border.pixelColor(5, 8), QColor(241, 239, 226));
    EXPECT_EQ(border.pixelColor(5, 0), QColor(172, 168, 153));
    EXPECT_EQ(border.pixelColor(5, 9), QColor(255, 255, 255));
}

TEST_F(AuShape, LinesRunThroughTheClientMiddleOrCorners) {
    const QImage horizontal = Draw(34, 0, 1, 30, 21);
    EXPECT_EQ(BoundsOf(horizontal, kBorder), QRect(0, 10, 30, 1));
    const QImage vertical = Draw(35, 0, 0, 30, 21);
    EXPECT_EQ(BoundsOf(vertical, kBorder), QRect(15, 0, 1, 21));
    const QImage diagonal = Draw(36, 0, 1, 20, 20);
    EXPECT_EQ(diagonal.pixelColor(0, 0), kBorder);
    EXPECT_EQ(diagonal.pixelColor(10, 10), kBorder);
    EXPECT_EQ(qAlpha(diagonal.pixel(19, 0)), 0);
    const QImage thick = Draw(34, 0, 5, 30, 21);
    EXPECT_EQ(BoundsOf(thick, kBorder).height(), 5);
}

TEST_F(AuShape, AbsurdValuesDrawSomethingOrNothing) {
    for (const int shape : {-1, 38, 1000}) {
        const QImage image = Draw(shape, 0, 3, 20, 20);
        EXPECT_FALSE(BoundsOf(image, kFill).isValid() || BoundsOf(image, kBorder).isValid());
    }
    // A negative border width is no border.
    EXPECT_FALSE(BoundsOf(Draw(0, 0, -5, 20, 20), kBorder).isValid());
    // An unknown fill style fills nothing but keeps the border.
    const QImage unknown = Draw(0, 99, 3, 20, 20);
    EXPECT_FALSE(BoundsOf(unknown, kFill).isValid());
    EXPECT_TRUE(BoundsOf(unknown, kBorder).isValid());
    const QImage huge = Draw(12, 7, 0x7FFFFFFF, 20, 20, -0x7FFFFFFF);
    EXPECT_EQ(huge.size(), QSize(20, 20));
}

} // namespace
} // namespace brelvane
