#include "platform/AATimer.h"

#include "platform/GuiApplication.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <gtest/gtest.h>
#include <stdexcept>

namespace brelvane::platform {
namespace {

// A service without a worker on a clock the test moves.
class AATimerService : public ::testing::Test {
protected:
    std::uint64_t now = 1000;
    TAATimerMgr manager{[this] { return now; }, false};
};

TEST_F(AATimerService, FiresOnlyWhenTheIntervalHasPassed) {
    TAATimer timer(manager);
    int fired = 0;
    timer.SetInterval(50);
    timer.SetOnTimer([&] { ++fired; });
    now += 49;
    EXPECT_FALSE(manager.AnyDue(true));
    manager.Process(true);
    EXPECT_EQ(fired, 0);
    now += 1;
    EXPECT_TRUE(manager.AnyDue(true));
    EXPECT_FALSE(manager.AnyDue(false));
    manager.Process(false);
    EXPECT_EQ(fired, 0);
    manager.Process(true);
    EXPECT_EQ(fired, 1);
    EXPECT_DOUBLE_EQ(timer.MeasuredFPS(), 20.0);
    // Measured from the last fire, not from the first start.
    now += 30;
    manager.Process(true);
    EXPECT_EQ(fired, 1);
    now += 20;
    manager.Process(true);
    EXPECT_EQ(fired, 2);
    EXPECT_EQ(timer.FiredCount(), 2);
}

TEST_F(AATimerService, NothingFiresWithoutHandlerIntervalOrWhileDisabled) {
    TAATimer timer(manager);
    timer.SetInterval(10);
    now += 100;
    EXPECT_FALSE(manager.AnyRunning());
    int fired = 0;
    timer.SetOnTimer([&] { ++fired; });
    timer.SetEnabled(false);
    manager.Process(true);
    timer.SetEnabled(true);
    timer.SetInterval(0);
    now += 100;
    manager.Process(true);
    EXPECT_EQ(fired, 0);
    EXPECT_FALSE(manager.AnyRunning());
}

TEST_F(AATimerService, WorkerThreadTimersAreKeptApart) {
    TAATimer timer(manager);
    timer.SetSyncEvent(false);
    timer.SetInterval(5);
    int fired = 0;
    timer.SetOnTimer([&] { ++fired; });
    now += 5;
    EXPECT_FALSE(manager.AnyDue(true));
    manager.Process(true);
    EXPECT_EQ(fired, 0);
    manager.Process(false);
    EXPECT_EQ(fired, 1);
}

TEST_F(AATimerService, RepeatCountSwitchesOffAndEnablingStartsAfresh) {
    TAATimer timer(manager);
    timer.SetInterval(10);
    timer.SetRepeatCount(2);
    int fired = 0;
    timer.SetOnTimer([&] { ++fired; });
    for (int i = 0; i < 4; ++i) {
        now += 10;
        manager.Process(true);
    }
    EXPECT_EQ(fired, 2);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.FiredCount(), 2);

    now += 500;
    timer.SetEnabled(true);
    EXPECT_EQ(timer.FiredCount(), 0);
    // The last tick is now: a long disabled time does not count.
    now += 9;
    manager.Process(true);
    EXPECT_EQ(fired, 2);
    now += 1;
    manager.Process(true);
    EXPECT_EQ(fired, 3);
}

TEST_F(AATimerService, ChangingTheIntervalMeasuresFromNow) {
    TAATimer timer(manager);
    timer.SetInterval(100);
    int fired = 0;
    timer.SetOnTimer([&] { ++fired; });
    now += 90;
    timer.SetInterval(20);
    now += 19;
    manager.Process(true);
    EXPECT_EQ(fired, 0);
    now += 1;
    manager.Process(true);
    EXPECT_EQ(fired, 1);
    // The same interval again is no change.
    now += 15;
    timer.SetInterval(20);
    now += 5;
    manager.Process(true);
    EXPECT_EQ(fired, 2);
}

TEST_F(AATimerService, FramesPerSecondReadAndWritten) {
    TAATimer timer(manager);
    EXPECT_DOUBLE_EQ(timer.FPS(), 1.0);
    timer.SetFPS(25);
    EXPECT_EQ(timer.Interval(), 40);
    EXPECT_DOUBLE_EQ(timer.FPS(), 25.0);
    timer.SetFPS(3);
    EXPECT_EQ(timer.Interval(), 333);
    timer.SetFPS(5000);
    EXPECT_EQ(timer.Interval(), 1);
    timer.SetFPS(0);
    EXPECT_EQ(timer.Interval(), 65359477);
    timer.SetFPS(-1);
    EXPECT_EQ(timer.Interval(), 65359477);
    timer.SetInterval(0);
    EXPECT_DOUBLE_EQ(timer.FPS(), 0.0);
}

TEST_F(AATimerService, HandlerMayFreeItsOwnTimerAndOthers) {
    auto first = std::make_unique<TAATimer>(manager);
    auto second = std::make_unique<TAATimer>(manager);
    int secondFired = 0;
    for (auto* timer : {first.get(), second.get()})
        timer->SetInterval(10);
    first->SetOnTimer([&] {
        first.reset();
        second.reset();
    });
    second->SetOnTimer([&] { ++secondFired; });
    now += 10;
    manager.Process(true);
    EXPECT_FALSE(first);
    EXPECT_EQ(secondFired, 0);
    now += 10;
    manager.Process(true);
    EXPECT_FALSE(manager.AnyRunning());
}

TEST_F(AATimerService, AThrowingHandlerEndsTheRoundAndIsReported) {
    TAATimer failing(manager), later(manager);
    int reported = 0, laterFired = 0;
    manager.OnHandlerException = [&](std::exception_ptr) { ++reported; };
    failing.SetInterval(10);
    failing.SetOnTimer([] { throw std::runtime_error("broken"); });
    later.SetInterval(10);
    later.SetOnTimer([&] { ++laterFired; });
    now += 10;
    manager.Process(true);
    EXPECT_EQ(reported, 1);
    EXPECT_EQ(laterFired, 0);
    // The failing timer counts as fired; the other one is due next round.
    manager.Process(true);
    EXPECT_EQ(laterFired, 1);
}

// The real service: the worker polls the system clock and the handler runs in
// the main thread, delivered while events are processed.
TEST(AATimerWorker, MainThreadHandlerRunsInTheMainThread) {
    test::EnsureGuiApplication();
    TAATimerMgr manager(SystemTickCount, true);
    TAATimer timer(manager);
    std::atomic<int> fired = 0;
    QThread* handlerThread = nullptr;
    timer.SetInterval(2);
    timer.SetRepeatCount(3);
    timer.SetOnTimer([&] {
        handlerThread = QThread::currentThread();
        ++fired;
    });
    QElapsedTimer waited;
    waited.start();
    while (fired < 3 && waited.elapsed() < 5000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    EXPECT_EQ(fired, 3);
    EXPECT_EQ(handlerThread, QCoreApplication::instance()->thread());
    EXPECT_FALSE(timer.Enabled());
}

TEST(AATimerWorker, WorkerThreadHandlerRunsWithoutTheEventLoop) {
    TAATimerMgr manager(SystemTickCount, true);
    TAATimer timer(manager);
    std::atomic<int> fired = 0;
    timer.SetSyncEvent(false);
    timer.SetInterval(1);
    timer.SetRepeatCount(2);
    timer.SetOnTimer([&] { ++fired; });
    QElapsedTimer waited;
    waited.start();
    while (fired < 2 && waited.elapsed() < 5000)
        QThread::msleep(1);
    EXPECT_EQ(fired, 2);
}

// Shutting down while the worker waits for a busy main thread must not hang.
TEST(AATimerWorker, ShutdownWhileADeliveryIsPending) {
    test::EnsureGuiApplication();
    int fired = 0;
    {
        auto manager = std::make_unique<TAATimerMgr>(SystemTickCount, true);
        TAATimer timer(*manager);
        timer.SetInterval(1);
        timer.SetOnTimer([&] { ++fired; });
        QThread::msleep(20);
        timer.SetEnabled(false);
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(fired, 0);
}

} // namespace
} // namespace brelvane::platform
