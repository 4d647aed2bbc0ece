#include "objects/controls/AALinkLabel.h"

#include "controls/AAControlTestKit.h"
#include "player/RecordingShell.h"
#include "render/AlphaBlend.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;
using Direction = TAALinkLabel::TFadeDirection;

// One step of a 600 ms fade: 55 * 255 / 600.
constexpr double kStep = 23.375;

class AALinkLabel : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        link = std::make_unique<TAALinkLabel>(object, nullptr);
        link->SetFont(InkFont());
        TAAFontEffect normal;
        normal.BackColor = ColorValue(kPaper);
        link->SetEffect(normal);
        THotLink hot;
        hot.Color = ColorValue(kHotInk);
        hot.BackColor = ColorValue(Qt::white);
        link->SetHotLink(hot);
        link->SetCaption("Visit us");
        Painted(*link);
    }
    QImage Expected(int weight) {
        QImage mixed;
        AlphaBlend(link->Picture(), link->HotLook(), weight, mixed);
        return mixed;
    }

    TAutoObject object;
    std::unique_ptr<TAALinkLabel> link;
};

TEST_F(AALinkLabel, HoverFadesInToTheHotLookAndStops) {
    EXPECT_EQ(InkOf(Painted(*link), kHotInk), 0);
    SendEnter(*link);
    EXPECT_EQ(link->Direction(), Direction::In);
    EXPECT_DOUBLE_EQ(link->Weight(), 0);
    EXPECT_GT(InkOf(link->HotLook(), kHotInk), 10);
    EXPECT_EQ(link->HotLook().pixelColor(0, 0), QColor(Qt::white));

    link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), kStep);
    EXPECT_EQ(link->MixedLook(), Expected(23));
    EXPECT_EQ(Painted(*link), link->MixedLook());
    for (int i = 0; i < 10; ++i)
        link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), 255);
    EXPECT_EQ(link->Direction(), Direction::None);
    EXPECT_EQ(Painted(*link), link->HotLook());
}

TEST_F(AALinkLabel, LeavingMidFadeReversesFromTheCurrentWeight) {
    SendEnter(*link);
    for (int i = 0; i < 3; ++i)
        link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), 3 * kStep);
    SendLeave(*link);
    EXPECT_EQ(link->Direction(), Direction::Out);
    EXPECT_DOUBLE_EQ(link->Weight(), 3 * kStep);
    EXPECT_EQ(Painted(*link), Expected(70));
    link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), 2 * kStep);
    EXPECT_EQ(link->MixedLook(), Expected(47));
    for (int i = 0; i < 3; ++i)
        link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), 0);
    EXPECT_EQ(link->Direction(), Direction::None);
    EXPECT_EQ(Painted(*link), link->Picture());
}

TEST_F(AALinkLabel, WithoutFadeTheLookSwitchesAtOnce) {
    THotLink hot = link->HotLink();
    hot.Fade = false;
    link->SetHotLink(hot);
    SendEnter(*link);
    EXPECT_DOUBLE_EQ(link->Weight(), 255);
    EXPECT_EQ(link->Direction(), Direction::None);
    EXPECT_GT(InkOf(Painted(*link), kHotInk), 10);
    SendLeave(*link);
    EXPECT_DOUBLE_EQ(link->Weight(), 0);
    EXPECT_EQ(InkOf(Painted(*link), kHotInk), 0);
}

TEST_F(AALinkLabel, ZeroFadeDelayFinishesInOneStep) {
    THotLink hot = link->HotLink();
    hot.FadeDelay = 0;
    link->SetHotLink(hot);
    SendEnter(*link);
    link->FadeTick();
    EXPECT_DOUBLE_EQ(link->Weight(), 255);
    EXPECT_EQ(link->Direction(), Direction::None);
}

TEST_F(AALinkLabel, DisablingStopsTheFadeAndDisabledLinksStayCold) {
    SendEnter(*link);
    link->FadeTick();
    link->setEnabled(false);
    EXPECT_DOUBLE_EQ(link->Weight(), 0);
    EXPECT_EQ(link->Direction(), Direction::None);
    SendEnter(*link);
    EXPECT_FALSE(link->Hovered());
    EXPECT_EQ(link->Direction(), Direction::None);
    EXPECT_EQ(InkOf(Painted(*link), kHotInk), 0);
}

TEST_F(AALinkLabel, ClickOpensTheAddressThenClicks) {
    RecordingShell shell;
    int clicked = 0;
    QObject::connect(link.get(), &TObjectWidget::Clicked, [&] { ++clicked; });
    SendPress(*link, {2, 2});
    SendRelease(*link, {2, 2});
    EXPECT_TRUE(shell.Requests.empty());
    EXPECT_EQ(clicked, 1);

    THotLink hot = link->HotLink();
    hot.Address = "https://example.org/";
    link->SetHotLink(hot);
    SendPress(*link, {2, 2});
    SendRelease(*link, {2, 2});
    ASSERT_EQ(shell.Requests.size(), 1u);
    EXPECT_EQ(shell.Requests[0].Verb, "open");
    EXPECT_EQ(shell.Requests[0].File, "https://example.org/");
    EXPECT_EQ(shell.Requests[0].Show, 1);
    EXPECT_EQ(clicked, 2);
}

} // namespace
} // namespace brelvane
