#include "app/ProgramIcon.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(ProgramIcon, ComesFromTheBuiltProgramsOwnResources) {
    static int argc = 1;
    static char name[] = "app_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
    const QIcon icon = ProgramIcon(BRELVANE_PROGRAM);
    ASSERT_FALSE(icon.isNull());
    QList<int> sizes;
    for (const QSize& size : icon.availableSizes())
        sizes.push_back(size.width());
    EXPECT_EQ(sizes, (QList<int>{16, 24, 32, 48, 64}));
    const QImage image = icon.pixmap(64).toImage();
    // Opaque disc in the middle, transparent corners.
    EXPECT_EQ(qAlpha(image.pixel(20, 20)), 255);
    EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);

    EXPECT_TRUE(ProgramIcon("/no/such/program").isNull());
    EXPECT_TRUE(ProgramIcon(BRELVANE_TEST_DATA).isNull());
}

} // namespace
} // namespace brelvane
