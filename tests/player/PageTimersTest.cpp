#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"
#include "storage/ErrorReport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(PageAppearance, FadeInWithStepZeroShowsAtOnceAtFullOpacity) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.FadeIn = true;
    page.FadeInDelay = 20;
    page.FadeInStep = 0;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    form.AppearanceStep();
    EXPECT_FALSE(form.FadeRunning());
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
}

TEST(PageAppearance, FadeInRisesByItsStepUntilFull) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.FadeIn = true;
    page.FadeInDelay = 1000;
    page.FadeInStep = 100;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.AppearanceStep();
    // The first setting comes at once; the rest wait for the timer.
    EXPECT_TRUE(form.FadeRunning());
    EXPECT_NEAR(form.windowOpacity(), 100.0 / 255, 1e-6);
    form.FinishFade();
    EXPECT_DOUBLE_EQ(form.windowOpacity(), 1.0);
    EXPECT_FALSE(form.NavigationPending());
}

TEST(PageTimers, SplashWithStayTimeThreeClosesAfterTheThirdTick) {
    PlayerProject project;
    auto page = TestPage("Splash", pkSplashScreen);
    page.StayTime = 3;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Splash", TPageReadMode::Build));
    int closed = 0;
    QObject::connect(&form, &TAutoRunForm::Closed, [&] { ++closed; });
    form.show();
    form.SecondTick();
    form.SecondTick();
    EXPECT_EQ(closed, 0);
    EXPECT_TRUE(form.isVisible());
    form.SecondTick();
    EXPECT_EQ(closed, 1);
    EXPECT_FALSE(form.isVisible());
}

TEST(PageTimers, SplashWithStayTimeZeroStays) {
    PlayerProject project;
    auto page = TestPage("Splash", pkSplashScreen);
    page.StayTime = 0;
    page.ClickContinue = false;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Splash", TPageReadMode::Build));
    form.show();
    for (int i = 0; i < 30; ++i)
        form.SecondTick();
    EXPECT_TRUE(form.isVisible());
}

TEST(PageTimers, StartSoundDelayZeroStartsOnTheFirstTick) {
    PlayerProject project;
    WriteFileBytes(project.File("intro.wav"), {1, 2, 3});
    auto page = TestPage("Main", pkMainPage);
    page.StartSound = "intro.wav";
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    EXPECT_TRUE(project.Sounds().Played.empty());
    form.SecondTick();
    ASSERT_EQ(project.Sounds().Played.size(), 1u);
    EXPECT_EQ(project.Sounds().Played[0], project.File("intro.wav"));
    // Started once; without looping it is not started again.
    form.SecondTick();
    EXPECT_EQ(project.Sounds().Played.size(), 1u);
}

TEST(PageTimers, StartSoundWaitsForItsDelay) {
    PlayerProject project;
    WriteFileBytes(project.File("intro.wav"), {1});
    auto page = TestPage("Main", pkMainPage);
    page.StartSound = "\\INTRO.WAV";
    page.StartSoundDelay = 2;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    form.SecondTick();
    EXPECT_TRUE(project.Sounds().Played.empty());
    form.SecondTick();
    EXPECT_EQ(project.Sounds().Played.size(), 1u);
}

TEST(PageSounds, MissingStartSoundShowsTheExactMessage) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.StartSound = "missing.wav";
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    ErrorCollector errors;
    EXPECT_FALSE(form.PlayStartSound());
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              "The specified file \"" + project.File("missing.wav") + "\" was not found.");
    EXPECT_TRUE(project.Sounds().Played.empty());
}

TEST(PageSounds, PlaySoundActionReportsAMissingFile) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    ErrorCollector errors;
    EXPECT_FALSE(ExecuteAction(form, Action(atPlaySound, "nothing.wav")));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "The specified file was not found.");
}

} // namespace
} // namespace brelvane::test
