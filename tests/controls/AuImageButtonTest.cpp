#include "objects/controls/AuImageButton.h"

#include "controls/ControlTestKit.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ObjectKinds.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

constexpr int W = 105, H = 40, M = 3, S = 4, PW = 10, PH = 8;
const QColor kGreen(40, 160, 60), kRed(200, 30, 30), kBlue(30, 30, 200);

class AuImageButton : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        object = MakeObject(okImageButton, W, H);
        auto& payload = Payload();
        payload.Caption = "Go";
        payload.ButtonStyle = ibsBorderNone;
        payload.Margin = M;
        payload.Space = S;
    }

    TImageButtonPayload& Payload() { return PayloadOf<TImageButtonPayload>(*object); }
    std::unique_ptr<TAuImageButton> Make() {
        return std::make_unique<TAuImageButton>(*object, nullptr);
    }
    QImage Draw(std::uint8_t layout) {
        Payload().ImageLayout = layout;
        return Render(*Make());
    }
    QSize CaptionSize() {
        const QFontMetrics metrics(ToQFont(Payload().NormalFont));
        return {metrics.horizontalAdvance("Go"), metrics.height()};
    }

    std::unique_ptr<TAutoObject> object;
};

struct TLayoutCase {
    std::uint8_t Layout;
    QRect Picture; // where the picture goes, when there is one
    QPoint (*Caption)(QSize caption, bool withPicture);
};

const TLayoutCase kLayouts[] = {
    {ilLeft,
     {M, (H - PH) / 2, PW, PH},
     [](QSize t, bool p) { return QPoint(p ? M + PW + M + S : M + S, (H - t.height()) / 2); }},
    {ilTop,
     {(W - PW) / 2, M, PW, PH},
     [](QSize t, bool p) {
         return QPoint((W - t.width()) / 2,
                       std::min(p ? M + PH + M + S : M + S, H - M - t.height()));
     }},
    {ilRight,
     {W - M - PW, (H - PH) / 2, PW, PH},
     [](QSize t, bool p) {
         return QPoint(std::max((p ? W - M - PW : W - M) - S - t.width(), M), (H - t.height()) / 2);
     }},
    {ilBottom,
     {(W - PW) / 2, H - M - PH, PW, PH},
     [](QSize t, bool p) {
         return QPoint((W - t.width()) / 2, std::max((p ? H - M - PH : H - M) - S - t.height(), M));
     }},
    {ilCenter,
     {(W - PW) / 2, (H - PH) / 2, PW, PH},
     [](QSize t, bool) { return QPoint((W - t.width()) / 2, (H - t.height()) / 2 + S); }},
    {ilStretch,
     {M, M, W - 2 * M, H - 2 * M},
     [](QSize t, bool) { return QPoint((W - t.width()) / 2, (H - t.height()) / 2 + S); }},
};

TEST_F(AuImageButton, CaptionWithoutPictureGoesWhereTheLayoutSays) {
    for (const auto& layout : kLayouts) {
        const QRect box(layout.Caption(CaptionSize(), false), CaptionSize());
        const QRect drawn = DrawnBounds(Draw(layout.Layout));
        ASSERT_TRUE(drawn.isValid()) << int(layout.Layout);
        EXPECT_TRUE(box.contains(drawn)) << int(layout.Layout);
    }
    // "Bottom": the caption sits Space pixels above the bottom margin.
    const QImage near = Draw(ilBottom);
    Payload().Space = S + 5;
    EXPECT_TRUE(IsShifted(Draw(ilBottom), near, {0, -5}));
}

TEST_F(AuImageButton, PictureAndCaptionGoWhereTheLayoutSays) {
    Payload().NormalImage = PngPicture(PW, PH, kGreen);
    for (const auto& layout : kLayouts) {
        const QImage image = Draw(layout.Layout);
        EXPECT_EQ(BoundsOf(image, kGreen), layout.Picture) << int(layout.Layout);
        const QRect box(layout.Caption(CaptionSize(), true), CaptionSize());
        const QRect caption = DrawnBounds(image, kGreen);
        ASSERT_TRUE(caption.isValid()) << int(layout.Layout);
        EXPECT_TRUE(box.contains(caption)) << int(layout.Layout);
    }
}

TEST_F(AuImageButton, OnlyTheNormalPictureShowsInEveryStateAndSlidesWhilePressed) {
    Payload().NormalImage = PngPicture(PW, PH, kGreen);
    Payload().ImageLayout = ilLeft;
    auto button = Make();
    const QImage normal = Render(*button);
    SendEnter(*button);
    EXPECT_EQ(BoundsOf(Render(*button), kGreen), BoundsOf(normal, kGreen));
    SendPress(*button);
    const QImage pressed = Render(*button);
    EXPECT_TRUE(IsShifted(pressed, normal, {2, 2}));
    Payload().MouseDownSlide = false;
    EXPECT_TRUE(IsShifted(Render(*button), normal, {0, 0}));
}

TEST_F(AuImageButton, StatePicturesFollowHoverPressAndChecked) {
    Payload().NormalImage = PngPicture(PW, PH, kGreen);
    Payload().MouseOverImage = PngPicture(PW, PH, kRed);
    Payload().MouseDownImage = BmpPicture(PW, PH, kBlue, kGreen);
    auto button = Make();
    SendEnter(*button);
    EXPECT_TRUE(BoundsOf(Render(*button), kRed).isValid());
    SendPress(*button);
    const QImage down = Render(*button);
    // The bitmap's bottom-left colour is transparent.
    EXPECT_EQ(BoundsOf(down, kBlue).size(), QSize(PW, PH));
    EXPECT_FALSE(BoundsOf(down, kGreen).isValid());
    // Held and dragged off: no longer down, and the page hears of the exit.
    int left = 0;
    QObject::connect(button.get(), &TObjectWidget::HoverLeft, [&] { ++left; });
    SendMove(*button, {W + 10, 5}, Qt::LeftButton);
    EXPECT_EQ(left, 1);
    EXPECT_TRUE(BoundsOf(Render(*button), kGreen).isValid());
    SendRelease(*button, {W + 10, 5});
    object->Props.Checked = true;
    EXPECT_TRUE(BoundsOf(Render(*button), kBlue).isValid());
}

TEST_F(AuImageButton, FlatFrameShowsWhileHoveredAndSunkenWhileChecked) {
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    Payload().ButtonStyle = ibsFlat;
    auto button = Make();
    EXPECT_EQ(qAlpha(Render(*button).pixel(0, 0)), 0);
    SendEnter(*button);
    QImage image = Render(*button);
    EXPECT_EQ(image.pixelColor(0, 0), highlight);
    EXPECT_EQ(image.pixelColor(W - 1, H - 1), shadow);
    object->Props.Checked = true;
    image = Render(*button);
    EXPECT_EQ(image.pixelColor(0, 0), shadow);
    EXPECT_EQ(image.pixelColor(W - 1, H - 1), highlight);
    Payload().ButtonStyle = ibsNormal;
    EXPECT_EQ(Render(*button).pixelColor(W / 2, 2), ResolveColor(SystemColorValue(COLOR_BTNFACE)));
}

TEST_F(AuImageButton, MovesRecoverAMissedEntryAndClicksReleaseThePress) {
    auto button = Make();
    int entered = 0, clicked = 0;
    QObject::connect(button.get(), &TObjectWidget::HoverEntered, [&] { ++entered; });
    QObject::connect(button.get(), &TObjectWidget::Clicked, [&] { ++clicked; });
    SendMove(*button, {10, H});
    EXPECT_TRUE(button->Hovered());
    EXPECT_EQ(entered, 0);
    button->ClearHoverLook();
    EXPECT_FALSE(button->Hovered());
    SendEnter(*button);
    SendEnter(*button);
    EXPECT_EQ(entered, 1);
    SendPress(*button);
    EXPECT_TRUE(button->Pressed());
    SendRelease(*button);
    EXPECT_FALSE(button->Pressed());
    EXPECT_EQ(clicked, 1);
}

TEST_F(AuImageButton, DamagedPicturesAndAbsurdMarginsDrawWithoutFailing) {
    Payload().NormalImage = TPicture{TPictureKind::Png, {0x89, 'P', 'N', 'G', 1, 2}};
    Payload().Margin = 0x7FFFFFFF;
    Payload().Space = -0x7FFFFFFF;
    for (std::uint8_t layout = ilLeft; layout <= ilStretch; ++layout)
        EXPECT_EQ(Draw(layout).size(), QSize(W, H));
}

} // namespace
} // namespace brelvane
