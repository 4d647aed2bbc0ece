#include "project/PageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// The page that is showing, and another that replaces it.
struct Replacement : ::testing::Test {
    TPageRecord showing = FullPage();
    TPageRecord next = [] {
        TPageRecord page;
        page.Caption = "Next";
        page.Hint = "Next hint";
        page.BackColor = 0x00ff00;
        page.GradientStyle = 4;
        page.BackImage = SamplePicture(TPictureKind::Bitmap);
        page.BackImageStyle = 2;
        page.StartAction.ActionFile = "\\next.exe";
        page.PopupMenu = {Item("Next pop")};
        page.MenuBar = {Item("Next menu")};
        page.StatusPanels = {{1, "Next panel", 30}};
        page.ToolButtons.resize(3);
        page.StayTime = 9;
        page.ClickContinue = false;
        page.Reserved32 = 77;
        AddObjectRecord(page.Objects, okImage, 0, 0);
        page.PageName = "Next";
        return page;
    }();
};

TEST_F(Replacement, KeepsWindowSizeCaptionIconBorderFadesAndMenuBar) {
    const auto kept = FullPage();
    ASSERT_TRUE(ReadPageBytes(PageBytes(next), showing, TPageReadMode::Replace));
    EXPECT_EQ(showing.Caption, kept.Caption);
    EXPECT_EQ(showing.PageIcon, kept.PageIcon);
    EXPECT_EQ(showing.BorderIcons, kept.BorderIcons);
    EXPECT_EQ(showing.BorderStyle, kept.BorderStyle);
    EXPECT_EQ(showing.BorderWidth, kept.BorderWidth);
    EXPECT_EQ(showing.Left, kept.Left);
    EXPECT_EQ(showing.Top, kept.Top);
    EXPECT_EQ(showing.Width, kept.Width);
    EXPECT_EQ(showing.Height, kept.Height);
    EXPECT_EQ(showing.FadeIn, kept.FadeIn);
    EXPECT_EQ(showing.FadeOut, kept.FadeOut);
    EXPECT_EQ(showing.FadeInStep, kept.FadeInStep);
    EXPECT_EQ(showing.Shadow, kept.Shadow);
    EXPECT_EQ(showing.ShadowAlpha, kept.ShadowAlpha);
    EXPECT_EQ(showing.StartSound, kept.StartSound);
    EXPECT_EQ(showing.PageKind, kept.PageKind);
    EXPECT_EQ(showing.MenuBar, kept.MenuBar);
}

TEST_F(Replacement, TakesBackgroundObjectsPopupBarsAndStartAction) {
    ASSERT_TRUE(ReadPageBytes(PageBytes(next), showing, TPageReadMode::Replace));
    EXPECT_EQ(showing.Hint, "Next hint");
    EXPECT_EQ(showing.BackColor, 0x00ff00);
    EXPECT_EQ(showing.GradientStyle, 4);
    EXPECT_EQ(showing.BackImage, next.BackImage);
    EXPECT_EQ(showing.BackImageStyle, 2);
    EXPECT_EQ(showing.StartAction, next.StartAction);
    EXPECT_TRUE(showing.GraphicComment.Empty());
    EXPECT_EQ(showing.PopupMenu, next.PopupMenu);
    EXPECT_EQ(showing.StatusPanels, next.StatusPanels);
    EXPECT_EQ(showing.ToolButtons.size(), 3u);
    EXPECT_EQ(showing.StayTime, 9);
    EXPECT_FALSE(showing.ClickContinue);
    EXPECT_EQ(showing.Reserved32, 77);
    ASSERT_EQ(showing.Objects.size(), 1u);
    EXPECT_EQ(showing.Objects[0]->Kind, okImage);
    EXPECT_EQ(showing.PageName, "Next");
}

TEST_F(Replacement, BuildTakesEverything) {
    ASSERT_TRUE(ReadPageBytes(PageBytes(next), showing, TPageReadMode::Build));
    EXPECT_EQ(PageBytes(showing), PageBytes(next));
    EXPECT_EQ(showing.Hint, "Next hint");
    EXPECT_EQ(showing.MenuBar, next.MenuBar);
}

TEST(PagePlatform, PlayerWithoutNtOrFadingSwitchesShadowAndFadesOff) {
    TPageRecord stored;
    const auto bytes = PageBytes(stored); // shadow and fades on
    TPageRecord page;
    ASSERT_TRUE(ReadPageBytes(bytes, page, TPageReadMode::Build, {true, true, false, false}));
    EXPECT_FALSE(page.Shadow);
    EXPECT_FALSE(page.FadeIn);
    EXPECT_FALSE(page.FadeOut);

    // Even a replacement read switches them off in the player.
    TPageRecord showing;
    ASSERT_TRUE(ReadPageBytes(bytes, showing, TPageReadMode::Replace, {true, true, false, false}));
    EXPECT_FALSE(showing.Shadow);
    EXPECT_FALSE(showing.FadeIn);

    // The designer keeps what the page says.
    TPageRecord designed;
    ASSERT_TRUE(ReadPageBytes(bytes, designed, TPageReadMode::Build, {false, false, false, false}));
    EXPECT_TRUE(designed.Shadow);
    EXPECT_TRUE(designed.FadeIn);
    EXPECT_TRUE(designed.FadeOut);
}

} // namespace
} // namespace brelvane::test
