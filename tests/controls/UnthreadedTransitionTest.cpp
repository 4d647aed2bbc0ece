#include "controls/TransitionTestKit.h"

#include <QElapsedTimer>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace brelvane::test {
namespace {

// The control with `Threaded` off: frames are composed on the window thread
// between its other messages.
struct TUnthreadedFixture : TTransitionFixture {
    TUnthreadedFixture() { control->SetThreaded(false); }
};

// step, 2 step ... 100, for a step that divides 100.
std::vector<int> ForwardProgress(int step) {
    std::vector<int> values;
    for (int p = step; p <= 100; p += step)
        values.push_back(p);
    return values;
}

TEST(UnthreadedTransition, RunsEveryFrameInOrderOnTheWindowThreadThenCompletes) {
    TUnthreadedFixture f;
    std::vector<std::thread::id> threads;
    std::vector<std::string> frameEvents;
    f.control->OnBeforeNewFrame = [&](const QImage&, QImage&) {
        threads.push_back(std::this_thread::get_id());
        frameEvents.push_back("before");
    };
    f.control->OnAfterNewFrame = [&](const QImage&, QImage&) { frameEvents.push_back("after"); };
    const auto onProgress = f.control->OnProgress;
    f.control->OnProgress = [&] {
        onProgress();
        frameEvents.push_back("progress");
    };
    f.control->Execute();
    // Nothing is drawn before the window thread gets back to its messages.
    EXPECT_TRUE(f.control->Busy());
    EXPECT_TRUE(f.progress.empty());
    f.RunToEnd();
    ASSERT_FALSE(f.control->Busy());
    EXPECT_EQ(f.progress, ForwardProgress(4));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop"}));
    ASSERT_EQ(frameEvents.size(), 3 * f.progress.size());
    for (std::size_t i = 0; i < frameEvents.size(); i += 3) {
        EXPECT_EQ(frameEvents[i], "before");
        EXPECT_EQ(frameEvents[i + 1], "after");
        EXPECT_EQ(frameEvents[i + 2], "progress");
    }
    for (const auto& id : threads)
        EXPECT_EQ(id, std::this_thread::get_id());
    EXPECT_EQ(f.CountOf(kNew), 1200);
    // What the window shows is the last frame.
    EXPECT_EQ(f.control->grab().toImage().pixel(20, 15), kNew);
}

TEST(UnthreadedTransition, ReverseRunsDownToTheOldImage) {
    TUnthreadedFixture f;
    f.control->SetReverse(true);
    f.control->SetStep(30);
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{70, 40, 10, 0}));
    EXPECT_EQ(f.CountOf(kOld), 1200);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop"}));
}

TEST(UnthreadedTransition, WaitsOutTheDelayBetweenFrames) {
    TUnthreadedFixture f;
    f.control->SetFrameClock(SteadyFrameClock());
    f.control->SetStep(25);
    f.control->SetDelay(30);
    QElapsedTimer timer;
    timer.start();
    f.control->Execute();
    f.RunToEnd();
    // Four frames, the first at once: three delays between them.
    EXPECT_EQ(f.progress, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_GE(timer.elapsed(), 90);
}

TEST(UnthreadedTransition, StopBetweenFramesRaisesOnlyOnStopAndDrawsNoMore) {
    TUnthreadedFixture f;
    f.control->SetDelay(200);
    f.control->Execute();
    test::ProcessEventsFor(50);
    ASSERT_EQ(f.progress, (std::vector<int>{4}));
    f.control->Stop();
    EXPECT_FALSE(f.control->Busy());
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
    test::ProcessEventsFor(300);
    EXPECT_EQ(f.progress, (std::vector<int>{4}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
}

TEST(UnthreadedTransition, StopFromTheLastFramesProgressEventDoesNotCompleteAfterwards) {
    TUnthreadedFixture f;
    f.control->SetStep(50);
    const auto onProgress = f.control->OnProgress;
    f.control->OnProgress = [&] {
        onProgress();
        if (f.control->Progress() == 100) f.control->Stop();
    };
    f.control->Execute();
    f.RunToEnd();
    test::ProcessEventsFor(20);
    EXPECT_EQ(f.progress, (std::vector<int>{50, 100}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop"}));
}

TEST(UnthreadedTransition, ANewTransitionStartedFromOnStopRunsToItsOwnEnd) {
    TUnthreadedFixture f;
    f.control->SetStep(50);
    int stops = 0;
    f.control->OnStop = [&] {
        f.events.push_back("stop");
        // The host shows the next picture as soon as one ends, twice.
        if (++stops < 3) {
            f.control->SetPicture(Filled(40, 30, stops == 1 ? 0xFF00FF00 : kNew));
            f.control->Execute();
        }
    };
    f.control->Execute();
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{50, 100, 50, 100, 50, 100}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop", "start", "complete",
                                                  "stop", "start", "complete", "stop"}));
    EXPECT_EQ(f.CountOf(kNew), 1200);
}

TEST(UnthreadedTransition, StopAndRestartFromAProgressEventRunsTheNewTransitionAtOnce) {
    TUnthreadedFixture f;
    f.control->SetStep(50);
    f.control->SetDelay(200);
    bool restarted = false;
    const auto onProgress = f.control->OnProgress;
    f.control->OnProgress = [&] {
        onProgress();
        if (restarted) return;
        restarted = true;
        f.control->Stop();
        f.control->Execute();
    };
    f.control->Execute();
    // The new transition's first frame comes at once, not one delay later.
    test::ProcessEventsFor(100);
    EXPECT_EQ(f.progress, (std::vector<int>{50, 50}));
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{50, 50, 100}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "stop", "start", "complete", "stop"}));
}

TEST(UnthreadedTransition, ManualPausesAndResumesFromTheCurrentProgress) {
    TUnthreadedFixture f;
    f.control->SetStep(25);
    f.control->SetDelay(100);
    f.control->Execute();
    test::ProcessEventsFor(50);
    ASSERT_EQ(f.progress, (std::vector<int>{25}));
    f.control->SetManual(true);
    test::ProcessEventsFor(250);
    EXPECT_EQ(f.progress, (std::vector<int>{25}));
    EXPECT_TRUE(f.control->Busy());
    f.control->SetManual(false);
    f.RunToEnd();
    EXPECT_EQ(f.progress, (std::vector<int>{25, 50, 75, 100}));
    EXPECT_EQ(f.events, (std::vector<std::string>{"start", "complete", "stop"}));
}

TEST(UnthreadedTransition, DestroyedMidTransitionRaisesNoEventsAndLeavesNoFrame) {
    TUnthreadedFixture f;
    f.control->SetDelay(50);
    f.control->Execute();
    test::ProcessEventsFor(20);
    ASSERT_FALSE(f.progress.empty());
    const auto framesSeen = f.progress.size();
    f.control.reset();
    // A frame still due would run on a destroyed control.
    test::ProcessEventsFor(120);
    EXPECT_EQ(f.events, (std::vector<std::string>{"start"}));
    EXPECT_EQ(f.progress.size(), framesSeen);
}

TEST(UnthreadedTransition, HiddenControlRunsToTheEnd) {
    TUnthreadedFixture f;
    f.control->hide();
    f.control->SetStep(10);
    f.control->SetDelay(5);
    f.control->Execute();
    f.RunToEnd();
    EXPECT_FALSE(f.control->Busy());
    EXPECT_EQ(f.progress, ForwardProgress(10));
    EXPECT_EQ(f.events.back(), "stop");
}

} // namespace
} // namespace brelvane::test
