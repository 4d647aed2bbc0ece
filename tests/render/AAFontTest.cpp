#include "AATestImages.h"
#include "render/AAFaceNames.h"
#include "render/AAFontEx.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <numbers>
#include <set>

namespace brelvane {
namespace {

constexpr QRgb kPaper = 0xFFFFFFFFu;
const QString kText = QStringLiteral("Brelvane");

// Black text on white paper at aqHigh, where full coverage gives exactly the text colour.
class AAFontDrawing : public AATest {
protected:
    AAFontDrawing() : image(320, 160, QImage::Format_RGB32), font(&canvas) {
        image.fill(kPaper);
        canvas.Image = &image;
        canvas.SetFont(TFont{"Arial", clBlack, 20, fsBold});
        font.SetQuality(aqHigh);
    }

    // A fresh paper with `text` drawn at (x, y) in `effect`.
    QImage Draw(const TAAEffect& effect, int x = 40, int y = 30, const QString& text = kText) {
        image.fill(kPaper);
        font.SetEffect(effect);
        font.Random().Seed(11);
        font.TextOut(x, y, text);
        return image;
    }

    QRect Box(int x = 40, int y = 30, const QString& text = kText) {
        return QRect(x, y, font.TextWidth(text), font.TextHeight(text));
    }

    QImage image;
    TAACanvas canvas;
    TAAFontEx font;
};

bool FullInk(const QImage& image, int x, int y) {
    return (image.pixel(x, y) & 0xFFFFFFu) == 0;
}

int Darkest(const QImage& image) {
    int darkest = 255;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            darkest = std::min(darkest, qRed(image.pixel(x, y)));
    return darkest;
}

// Ink-weighted centre of a black-on-white image.
QPointF InkCentre(const QImage& image) {
    double sx = 0, sy = 0, total = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int ink = 255 - qRed(image.pixel(x, y));
            sx += x * ink;
            sy += y * ink;
            total += ink;
        }
    return QPointF(sx / total, sy / total);
}

TEST_F(AAFontDrawing, InkStaysInTheMeasuredBoxAtEveryQuality) {
    for (const TAAQuality quality : {aqHigh, aqNormal, aqLow, aqNone}) {
        font.SetQuality(quality);
        const QImage drawn = Draw(TAAEffect{});
        const QRect ink = InkBox(drawn, kPaper);
        ASSERT_FALSE(ink.isEmpty()) << int(quality);
        EXPECT_TRUE(Box().contains(ink)) << int(quality);
        // The text fills most of its box rather than a corner of it.
        EXPECT_GT(ink.width(), Box().width() * 3 / 4) << int(quality);
    }
}

TEST_F(AAFontDrawing, MeasuresTheExtentAtTheFactorDividedBackRoundedUp) {
    for (const TAAQuality quality : {aqHigh, aqNormal, aqNone}) {
        font.SetQuality(quality);
        const int f = QualityFactor(quality);
        QFont big = WithFaceStandIn(canvas.Font);
        big.setPixelSize(canvas.Font.pixelSize() * f);
        big.setStyleStrategy(QFont::NoAntialias);
        const QFontMetrics metrics(big);
        EXPECT_EQ(font.TextWidth(kText), (metrics.horizontalAdvance(kText) + f - 1) / f);
        EXPECT_EQ(font.TextHeight(kText), (metrics.height() + f - 1) / f);
    }
}

TEST_F(AAFontDrawing, ItalicGrowsByThirtyPercentOfAnAverageCharacter) {
    canvas.Font.setItalic(true);
    QFont big = WithFaceStandIn(canvas.Font);
    big.setPixelSize(canvas.Font.pixelSize() * 4);
    big.setStyleStrategy(QFont::NoAntialias);
    const int plain = (QFontMetrics(big).horizontalAdvance(kText) + 3) / 4;
    EXPECT_EQ(font.TextWidth(kText), plain + std::lround(plain / 8.0 * 0.3));
}

TEST_F(AAFontDrawing, EmptyTextMeasuresOnlyTheShadowAndDrawsNothing) {
    EXPECT_EQ(font.TextWidth(QString()), 0);
    EXPECT_EQ(font.TextHeight(QString()), 0);
    TAAEffect shadowed;
    shadowed.Shadow = {true, 0, 70, clBlack, -3, 5};
    EXPECT_EQ(Draw(shadowed, 40, 30, QString()), Draw(TAAEffect{}, 0, 0, QString()));
    EXPECT_TRUE(InkBox(image, kPaper).isEmpty());
    EXPECT_EQ(font.TextWidth(QString()), 3);
    EXPECT_EQ(font.TextHeight(QString()), 5);
    // Against plain text of the same quality: other factors round the extent differently.
    TAAFont plain(&canvas);
    plain.SetQuality(font.Quality());
    EXPECT_EQ(font.TextWidth(kText), plain.TextWidth(kText) + 3);
    TAAFontEx detached;
    EXPECT_EQ(detached.TextWidth(kText), 0);
    EXPECT_NO_THROW(detached.TextOut(0, 0, kText));
}

TEST_F(AAFontDrawing, AlphaScalesTheInk) {
    EXPECT_EQ(Darkest(Draw(TAAEffect{})), 0);
    TAAEffect half;
    half.Alpha = 50;
    // t = (255 * 128) >> 8 = 127: 255 + (-255 * 127 >> 8).
    EXPECT_EQ(Darkest(Draw(half)), 128);
    TAAEffect none;
    none.Alpha = 0;
    canvas.Brush = Qt::NoBrush;
    EXPECT_TRUE(InkBox(Draw(none), kPaper).isEmpty());
}

TEST_F(AAFontDrawing, ClearBrushKeepsTheCanvasAndSolidBrushFillsTheBox) {
    canvas.Brush = QBrush(Qt::red);
    const QImage solid = Draw(TAAEffect{});
    EXPECT_EQ(InkBox(solid, kPaper), Box());
    EXPECT_EQ(solid.pixel(Box().topLeft()), qRgb(255, 0, 0));
    canvas.Brush = Qt::NoBrush;
    const QImage clear = Draw(TAAEffect{});
    EXPECT_EQ(clear.pixel(Box().topLeft()), kPaper);
    EXPECT_TRUE(Box().contains(InkBox(clear, kPaper)));
}

TEST_F(AAFontDrawing, BlurSpreadsTheInkWithoutMovingItsCentre) {
    const QImage plain = Draw(TAAEffect{});
    TAAEffect blurred;
    blurred.Blur = 100;
    const QImage soft = Draw(blurred);
    EXPECT_GT(Darkest(soft), Darkest(plain));
    const auto inked = [](const QImage& i) {
        int n = 0;
        for (int y = 0; y < i.height(); ++y)
            for (int x = 0; x < i.width(); ++x)
                n += i.pixel(x, y) != kPaper;
        return n;
    };
    EXPECT_GT(inked(soft), inked(plain) * 5 / 4);
    const QPointF moved = InkCentre(soft) - InkCentre(plain);
    EXPECT_LT(std::abs(moved.x()), 0.5);
    EXPECT_LT(std::abs(moved.y()), 0.5);
}

TEST_F(AAFontDrawing, OutlineLeavesTheInsideEmpty) {
    canvas.SetFont(TFont{"Arial", clBlack, 60, fsBold});
    const QString text = QStringLiteral("IH");
    const QImage plain = Draw(TAAEffect{}, 10, 10, text);
    TAAEffect outlined;
    outlined.Outline = true;
    const QImage outline = Draw(outlined, 10, 10, text);
    int inside = 0;
    for (int y = 1; y + 1 < plain.height(); ++y)
        for (int x = 1; x + 1 < plain.width(); ++x) {
            bool deep = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    deep &= FullInk(plain, x + dx, y + dy);
            if (!deep) continue;
            ++inside;
            EXPECT_EQ(outline.pixel(x, y), kPaper) << x << "," << y;
        }
    EXPECT_GT(inside, 100);
    EXPECT_LT(Darkest(outline), 128);
}

TEST_F(AAFontDrawing, MirrorsFlipTheBox) {
    const QRect box = Box();
    const QImage plain = Draw(TAAEffect{}).copy(box);
    TAAEffect horz;
    horz.HorzMirror = true;
    EXPECT_EQ(Draw(horz).copy(box), plain.mirrored(true, false));
    TAAEffect vert;
    vert.VertMirror = true;
    EXPECT_EQ(Draw(vert).copy(box), plain.mirrored(false, true));
    vert.HorzMirror = true;
    EXPECT_EQ(Draw(vert).copy(box), plain.mirrored(true, true));
}

TEST_F(AAFontDrawing, ShadowAppearsAtItsOffsetWithItsAlpha) {
    const QImage plain = Draw(TAAEffect{});
    TAAEffect shadowed;
    shadowed.Alpha = 100;
    shadowed.Shadow = {true, 0, 50, RGB(255, 0, 0), 4, 3};
    const QImage drawn = Draw(shadowed);
    // The text keeps its place; where only the shadow has full ink it is red at half alpha:
    // 255 + (-255 * 127 >> 8) = 128 in green and blue.
    int shadowOnly = 0;
    for (int y = 0; y + 3 < plain.height(); ++y)
        for (int x = 0; x + 4 < plain.width(); ++x) {
            if (FullInk(plain, x, y)) {
                EXPECT_EQ(drawn.pixel(x, y), qRgb(0, 0, 0));
            }
            if (FullInk(plain, x, y) && plain.pixel(x + 4, y + 3) == kPaper) {
                ++shadowOnly;
                EXPECT_EQ(drawn.pixel(x + 4, y + 3), qRgb(255, 128, 128)) << x << "," << y;
            }
        }
    EXPECT_GT(shadowOnly, 50);
    // The effect's alpha scales the shadow's too: 50 * 50 / 100 = 25, t = 63, and
    // 255 + (-255 * 63 >> 8) = 192.
    shadowed.Alpha = 50;
    shadowed.Shadow.Alpha = 50;
    const QImage faint = Draw(shadowed);
    for (int y = 0; y + 3 < plain.height(); ++y)
        for (int x = 0; x + 4 < plain.width(); ++x)
            if (FullInk(plain, x, y) && plain.pixel(x + 4, y + 3) == kPaper) {
                EXPECT_EQ(faint.pixel(x + 4, y + 3), qRgb(255, 192, 192));
            }
}

TEST_F(AAFontDrawing, NegativeOffsetMovesTheTextAndLeavesTheShadowAtX) {
    const QImage plain = Draw(TAAEffect{});
    TAAEffect shadowed;
    shadowed.Shadow = {true, 0, 100, RGB(255, 0, 0), -5, 0};
    const QImage drawn = Draw(shadowed);
    int checked = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x + 5 < plain.width(); ++x)
            if (FullInk(plain, x, y)) {
                ++checked;
                EXPECT_EQ(drawn.pixel(x + 5, y), qRgb(0, 0, 0));
                if (plain.pixel(x + 5, y) == kPaper && plain.pixel(x - 5, y) == kPaper) {
                    EXPECT_EQ(drawn.pixel(x, y), qRgb(255, 0, 0));
                }
            }
    EXPECT_GT(checked, 100);
}

TEST_F(AAFontDrawing, GradientRunsBetweenItsColoursInItsDirection) {
    const QImage plain = Draw(TAAEffect{});
    const QRect box = Box();
    TAAEffect across;
    across.Gradual = {true, gsLeftToRight, RGB(255, 0, 0), RGB(0, 0, 255)};
    const QImage right = Draw(across);
    TAAEffect down;
    down.Gradual = {true, gsBottomToTop, RGB(255, 0, 0), RGB(0, 0, 255)};
    const QImage up = Draw(down);
    int checked = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            if (!FullInk(plain, x, y)) continue;
            ++checked;
            // Full coverage takes the ramp step of its column: red falls, blue rises.
            const int i = x - box.left();
            EXPECT_EQ(right.pixel(x, y),
                      qRgb(255 - i * 255 / box.width(), 0, i * 255 / box.width()));
            // Bottom to top starts from EndColor in row 0.
            const int r = y - box.top();
            EXPECT_EQ(up.pixel(x, y),
                      qRgb(r * 255 / box.height(), 0, 255 - r * 255 / box.height()));
        }
    EXPECT_GT(checked, 100);
}

TEST_F(AAFontDrawing, NoiseVariesTheColourAndRepeatsWithTheSeed) {
    canvas.SetFont(TFont{"Arial", RGB(100, 100, 100), 20, fsBold});
    TAAEffect noisy;
    noisy.Noise = 60;
    const QImage first = Draw(noisy);
    EXPECT_EQ(Draw(noisy), first);
    const QImage plain = Draw(TAAEffect{});
    std::set<QRgb> colours;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x)
            if (plain.pixel(x, y) == qRgb(100, 100, 100)) {
                colours.insert(first.pixel(x, y));
                EXPECT_LE(std::abs(qGreen(first.pixel(x, y)) - 100), 30);
            }
    EXPECT_GT(colours.size(), 20u);
}

TEST_F(AAFontDrawing, RotatedBoxEnclosesTheTurnedText) {
    const int w = font.TextWidth(kText), h = font.TextHeight(kText);
    for (const int angle : {30, 90, -150, 200}) {
        TAAEffect turned;
        turned.Angle = static_cast<std::int16_t>(angle);
        font.SetEffect(turned);
        const QRect box = Box(100, 10);
        const double radians = angle * std::numbers::pi / 180;
        // Less a hair the trigonometry leaves over at right angles.
        EXPECT_GE(box.width() + 1e-6,
                  std::abs(w * std::cos(radians)) + std::abs(h * std::sin(radians)));
        EXPECT_GE(box.height() + 1e-6,
                  std::abs(w * std::sin(radians)) + std::abs(h * std::cos(radians)));
        canvas.Brush = Qt::NoBrush;
        const QRect ink = InkBox(Draw(turned, 100, 10), kPaper);
        ASSERT_FALSE(ink.isEmpty()) << angle;
        EXPECT_TRUE(box.contains(ink))
            << angle << " box " << box.width() << "x" << box.height() << " ink " << ink.x() << ","
            << ink.y() << " " << ink.width() << "x" << ink.height();
    }
    TAAEffect upright;
    upright.Angle = 90;
    font.SetEffect(upright);
    EXPECT_EQ(font.TextWidth(kText), h);
    EXPECT_EQ(font.TextHeight(kText), w);
}

TEST_F(AAFontDrawing, HalfTurnCentresTheTextInItsBox) {
    canvas.Brush = Qt::NoBrush;
    const QRect box = Box();
    const QRect plain = InkBox(Draw(TAAEffect{}), kPaper).translated(-box.topLeft());
    TAAEffect turned;
    turned.Angle = 180;
    const QRect half = InkBox(Draw(turned), kPaper).translated(-box.topLeft());
    // Turned about the box centre, the ink's far edges change places.
    EXPECT_NEAR(half.left(), box.width() - 1 - plain.right(), 2);
    EXPECT_NEAR(half.top(), box.height() - 1 - plain.bottom(), 2);
    EXPECT_NEAR(half.width(), plain.width(), 2);
}

TEST_F(AAFontDrawing, EffectChangesNotifyOnlyWhenAValueChanges) {
    int notified = 0;
    font.OnEffectChange = [&notified] { ++notified; };
    TAAEffect effect;
    font.SetEffect(effect);
    EXPECT_EQ(notified, 0);
    effect.Shadow.OffsetY = 9;
    font.SetEffect(effect);
    font.SetEffect(effect);
    EXPECT_EQ(notified, 1);
    EXPECT_EQ(font.Effect().Shadow.OffsetY, 9);
}

class AAFaceNames : public AATest {};

TEST_F(AAFaceNames, WindowsFacesResolveToTheirMetricStandIns) {
    const auto family = [](const char* face) {
        return QFontInfo(WithFaceStandIn(QFont(QString::fromLatin1(face)))).family();
    };
    EXPECT_EQ(family("Arial"), "Liberation Sans");
    EXPECT_EQ(family("times new roman"), "Liberation Serif");
    EXPECT_EQ(family("Courier New"), "Liberation Mono");
    EXPECT_EQ(family("Tahoma"), "DejaVu Sans");
    EXPECT_EQ(family("Verdana"), "DejaVu Sans");
    EXPECT_EQ(family("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(WithFaceStandIn(QFont("DejaVu Serif")).families(), QStringList{"DejaVu Serif"});
}

TEST_F(AAFaceNames, InstalledStandInsServeEveryFontOnceEach) {
    InstallFaceStandIns();
    InstallFaceStandIns(); // a second start of the table adds nothing
    // Qt keeps the names in lower case; the system may have stand-ins of its own beside ours.
    const auto times = [](const char* face, const char* standIn) {
        const QStringList all = QFont::substitutes(QString::fromLatin1(face));
        return std::count_if(all.begin(), all.end(), [standIn](const QString& name) {
            return name.compare(QLatin1String(standIn), Qt::CaseInsensitive) == 0;
        });
    };
    EXPECT_EQ(times("Arial", "Liberation Sans"), 1);
    EXPECT_EQ(times("ms shell dlg 2", "DejaVu Sans"), 1);
    // Plain fonts, as controls and message boxes use them, without the renderer's help.
    const auto family = [](const char* face) {
        QFont font(QString::fromLatin1(face));
        return QFontInfo(font).family();
    };
    EXPECT_EQ(family("Arial"), "Liberation Sans");
    EXPECT_EQ(family("Tahoma"), "DejaVu Sans");
    EXPECT_EQ(family("MS Sans Serif"), "DejaVu Sans");
    EXPECT_EQ(family("Segoe UI"), "DejaVu Sans");
    EXPECT_EQ(family("Times New Roman"), "Liberation Serif");
}

} // namespace
} // namespace brelvane
