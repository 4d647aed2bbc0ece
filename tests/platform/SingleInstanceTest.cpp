#include "platform/SingleInstance.h"

#include "platform/GuiApplication.h"
#include "platform/UnderWine.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QUuid>
#include <gtest/gtest.h>

namespace brelvane::platform {
namespace {

QString UniqueName() {
    return "BrelvaneTest-" + QUuid::createUuid().toString(QUuid::WithoutBraces);
}

TEST(SingleInstance, NothingAnswersBeforeTheFirstInstanceListens) {
    // Wine's named pipes connect, but the request never reaches the server.
    if (test::UnderWine()) GTEST_SKIP() << "local sockets do not deliver under Wine";
    test::EnsureGuiApplication();
    const auto programName = UniqueName();

    SingleInstance second(programName);
    EXPECT_FALSE(second.ActivateRunningInstance());

    SingleInstance first(programName);
    int activations = 0;
    ASSERT_TRUE(first.Listen([&] { ++activations; }));
    EXPECT_TRUE(second.ActivateRunningInstance());

    QElapsedTimer timer;
    timer.start();
    while (activations == 0 && timer.elapsed() < 5000)
        QCoreApplication::processEvents();
    EXPECT_EQ(activations, 1);
}

} // namespace
} // namespace brelvane::platform
