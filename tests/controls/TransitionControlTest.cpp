#include "objects/controls/TransitionControl.h"

#include "controls/TransitionTestKit.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace brelvane::test {
namespace {

TEST(TransitionControl, DefaultsOfANewControl) {
    EnsureApplication();
    TTransitionControl control;
    EXPECT_EQ(control.Style(), 51);
    EXPECT_EQ(control.Step(), 4);
    EXPECT_EQ(control.Delay(), 40);
    EXPECT_EQ(control.Progress(), 0);
    EXPECT_EQ(control.BgMode(), TBackgroundMode::Tiled);
    EXPECT_TRUE(control.AutoSize() && control.OverDraw() && control.Threaded());
    EXPECT_FALSE(control.Center() || control.Stretch() || control.StretchFine());
    EXPECT_FALSE(control.Manual() || control.Reverse() || control.Busy());
    EXPECT_EQ(control.ThreadPriority(), 3);
    EXPECT_TRUE(control.FrameBitmap().isNull());
}

TEST(TransitionControl, SettersKeepTheirRangesAndStyleNamesResolveFirstMatch) {
    EnsureApplication();
    TTransitionControl control;
    control.SetStep(0);
    EXPECT_EQ(control.Step(), 1);
    control.SetStep(150);
    EXPECT_EQ(control.Step(), 100);
    control.SetStyle(151);
    EXPECT_EQ(control.Style(), 51);
    control.SetStyleName("fade");
    EXPECT_EQ(control.Style(), 118);
    control.SetStyleName("Expand from bottom");
    EXPECT_EQ(control.Style(), 18);
    control.SetStyleName("no such style");
    EXPECT_EQ(control.Style(), 18);
    control.SetStyleName("CUSTOM");
    EXPECT_EQ(control.Style(), 0);
    EXPECT_EQ(control.StyleName(), "Custom");
    control.SetStyle(118);
    EXPECT_EQ(control.StyleName(), "Fade");
}

TEST(TransitionControl, PictureChangeSizesTheControlAndDoesNotStart) {
    EnsureApplication();
    TTransitionControl control;
    int changes = 0;
    control.OnChange = [&] { ++changes; };
    control.SetPicture(Filled(33, 22, kNew));
    EXPECT_EQ(control.size(), QSize(33, 22));
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(control.Busy());
    control.SetAutoSize(false);
    control.SetPicture(Filled(50, 50, kNew));
    EXPECT_EQ(control.size(), QSize(33, 22));
    EXPECT_EQ(changes, 2);
}

TEST(TransitionControl, ManualProgressComposesFramesAndStopRaisesOnlyOnStop) {
    TTransitionFixture f;
    f.control->SetManual(true);
    f.control->SetStyle(5); // reveal from the left
    f.control->Execute();
    EXPECT_TRUE(f.control->Busy());
    EXPECT_EQ(f.events, (std::vector<std::string>{"start"}));
    // What was shown (the colour) is the old image.
    EXPECT_EQ(f.CountOf(kOld), 1200);
    f.control->SetProgress(50);
    EXPECT_EQ(f.CountOf(kNew), 600);
    f.control->SetProgress(50); // unchanged: nothing
    f.control->SetProgress(250);
    EXPECT_EQ(f.control->Progress(), 100);
    EXPECT_EQ(f.CountOf(kNew), 1200);
    EXPECT_EQ(f.progress, (std::vector<int>{50, 100}));
    // A second Execute while busy does nothing.
    f.control->Execute();
    EXPECT_EQ(f.events, (std::vector<std::string>{"start"}));
    f.control->Stop();
    EXPECT_FALSE(f.control->Busy());
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
    f.control->Stop();
    EXPECT_EQ(f.events.size(), 2u);
}

TEST(TransitionControl, EmptyPictureDoesNotStart) {
    EnsureApplication();
    TTransitionControl control;
    int starts = 0;
    control.OnStart = [&](const QImage&, const QImage&) { ++starts; };
    control.Execute();
    EXPECT_FALSE(control.Busy());
    EXPECT_EQ(starts, 0);
}

TEST(TransitionControl, ThreadedRunStepsByFourAndEndsWithCompleteThenStop) {
    TTransitionFixture f;
    f.control->Execute();
    f.RunToEnd();
    ASSERT_FALSE(f.control->Busy());
    std::vector<int> expected;
    for (int p = 4; p <= 100; p += 4)
        expected.push_back(p);
    EXPECT_EQ(f.progress, expected);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop"}));
    EXPECT_EQ(f.CountOf(kNew), 1200);
}

TEST(TransitionControl, FramePeriodIncludesTheDrawingTime) {
    TTransitionFixture f;
    f.control->SetStep(25);
    f.control->SetDelay(40);
    // Each frame takes 15 ms to compose: the worker sleeps the other 25.
    f.control->OnAfterNewFrame = [&](const QImage&, QImage&) { f.clock->Spend(15); };
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{25, 50, 75, 100}));
    // No wait after the last frame.
    EXPECT_EQ(f.clock->Waits(), (std::vector<long long>{25, 25, 25}));
}

TEST(TransitionControl, LateWakeUpsAreTakenFromTheNextWaitNotAddedUp) {
    TTransitionFixture f;
    f.control->SetStep(20);
    f.control->SetDelay(40);
    f.clock->OverSleep(5);
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{20, 40, 60, 80, 100}));
    // Each wait ends 5 ms late, so the next is 5 ms shorter: frames stay 40 ms apart.
    EXPECT_EQ(f.clock->Waits(), (std::vector<long long>{40, 35, 35, 35}));
}

TEST(TransitionControl, AFrameLateByMoreThanAPeriodStartsAfresh) {
    TTransitionFixture f;
    f.control->SetStep(25);
    f.control->SetDelay(40);
    // The second frame takes 100 ms to draw: no wait after it, and no rush after that.
    f.control->OnAfterNewFrame = [&](const QImage&, QImage&) {
        if (f.control->Progress() == 50) f.clock->Spend(100);
    };
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(f.clock->Waits(), (std::vector<long long>{40, 40}));
}

TEST(TransitionControl, ReverseEndsOnTheOldImage) {
    TTransitionFixture f;
    f.control->SetReverse(true);
    f.control->SetStep(50);
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{50, 0}));
    EXPECT_EQ(f.CountOf(kOld), 1200);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop"}));
}

TEST(TransitionControl, StopWhileTheWorkerRunsRaisesOnlyOnStop) {
    TTransitionFixture f;
    f.control->SetStep(1);
    f.control->SetDelay(200);
    // A real clock: the worker waits out each frame, so the stop finds it running.
    f.control->SetFrameClock(SteadyFrameClock());
    f.control->Execute();
    test::ProcessEventsFor(30);
    f.control->Stop();
    EXPECT_FALSE(f.control->Busy());
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
    // The ended worker's message, if any was posted, changes nothing later.
    test::ProcessEventsFor(30);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
}

TEST(TransitionControl, HiddenControlRunsToTheEndOnItsOwn) {
    TTransitionFixture f;
    f.control->hide();
    f.control->Execute();
    f.RunToEnd();
    EXPECT_FALSE(f.control->Busy());
    EXPECT_EQ(f.events.back(), "stop");
    EXPECT_EQ(f.progress.size(), 25u);
}

TEST(TransitionControl, DestroyedMidTransitionRaisesNoEvents) {
    TTransitionFixture f;
    f.control->SetDelay(200);
    f.control->SetFrameClock(SteadyFrameClock());
    f.control->Execute();
    test::ProcessEventsFor(20);
    f.control.reset();
    test::ProcessEventsFor(20);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start"}));
}

TEST(TransitionControl, NextExecuteStartsFromWhatIsShown) {
    TTransitionFixture f;
    f.control->SetStep(100);
    f.control->Execute();
    f.RunToEnd();
    test::ProcessEventsFor(10);
    QImage oldSeen;
    f.control->OnStart = [&](const QImage&, const QImage& old) { oldSeen = old; };
    f.control->SetPicture(Filled(40, 30, 0xFF00FF00));
    f.control->SetManual(true);
    f.control->Execute();
    ASSERT_FALSE(oldSeen.isNull());
    EXPECT_EQ(oldSeen.pixel(0, 0), kNew);
    EXPECT_EQ(oldSeen.pixel(39, 29), kNew);
    f.control->Stop();
}

TEST(TransitionControl, ClearEmptiesTheFrameOnlyWhenIdle) {
    TTransitionFixture f;
    f.control->SetManual(true);
    f.control->Execute();
    f.control->Clear();
    EXPECT_FALSE(f.control->FrameBitmap().isNull());
    f.control->Stop();
    f.control->Clear();
    EXPECT_TRUE(f.control->FrameBitmap().isNull());
}

TEST(TransitionControl, BackgroundPictureTilesFromTheTopLeft) {
    TTransitionFixture f;
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(0xFFFF0000);
    tile.setPixel(0, 0, 0xFF00FF00);
    f.control->SetBgPicture(tile);
    const QImage shot = f.control->grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), 0xFF00FF00u);
    EXPECT_EQ(shot.pixel(32, 16), 0xFF00FF00u);
    EXPECT_EQ(shot.pixel(33, 16), 0xFFFF0000u);
    f.control->SetBgMode(TBackgroundMode::Centered);
    // Centred at h(40 - 16) = 12, h(30 - 16) = 7; the rest is the colour.
    const QImage centred = f.control->grab().toImage();
    EXPECT_EQ(centred.pixel(12, 7), 0xFF00FF00u);
    EXPECT_EQ(centred.pixel(0, 0), kOld);
}

} // namespace
} // namespace brelvane::test
