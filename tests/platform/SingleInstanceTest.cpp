#include "platform/SingleInstance.h"

#include "platform/GuiApplication.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QUuid>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

namespace brelvane::platform {
namespace {

QString UniqueName() {
    return "BrelvaneTest-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

// The second start runs on a thread of its own, as it would in a process of its
// own: it waits for the first instance's answer, which needs this thread's events.
bool ActivateFromAnotherThread(const QString& programName) {
    std::atomic<bool> finished = false;
    bool activated = false;
    std::thread second([&] {
        activated = SingleInstance(programName).ActivateRunningInstance();
        finished = true;
    });
    QElapsedTimer timer;
    timer.start();
    while (!finished && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    second.join();
    return activated;
}

TEST(SingleInstance, NothingAnswersBeforeTheFirstInstanceListens) {
    test::EnsureGuiApplication();
    const auto programName = UniqueName();

    SingleInstance second(programName);
    EXPECT_FALSE(second.ActivateRunningInstance());

    SingleInstance first(programName);
    int activations = 0;
    ASSERT_TRUE(first.Listen([&] { ++activations; }));
    EXPECT_TRUE(ActivateFromAnotherThread(programName));
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(ActivateFromAnotherThread(programName));
    EXPECT_EQ(activations, 2);
}

TEST(SingleInstance, AnInstanceThatNeverAnswersIsNoSuccess) {
    test::EnsureGuiApplication();
    const auto programName = UniqueName();
    // Something holds the name but does not speak the request's language.
    QLocalServer mute;
    ASSERT_TRUE(mute.listen(PerUserName(programName)));
    EXPECT_FALSE(ActivateFromAnotherThread(programName));
}

} // namespace
} // namespace brelvane::platform
