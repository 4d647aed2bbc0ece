#include "render/SystemColors.h"

#include "render/FontConversion.h"

#include <QGuiApplication>
#include <QPalette>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

class SystemColors : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "render_tests";
        static char* argv[] = {name};
        if (!QCoreApplication::instance()) new QGuiApplication(argc, argv);
    }
};

TEST_F(SystemColors, PlainValuesHaveRedInTheLowByteAndIgnoreOtherHighBytes) {
    EXPECT_EQ(ResolveColor(0x00336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ResolveColor(0x02336699), QColor(0x99, 0x66, 0x33));
    EXPECT_EQ(ResolveColor(0x00FFFFFF), QColor(255, 255, 255));
}

TEST_F(SystemColors, SystemIndexesComeFromThePalette) {
    QPalette palette = QGuiApplication::palette();
    palette.setColor(QPalette::Active, QPalette::Button, QColor(1, 2, 3));
    palette.setColor(QPalette::Active, QPalette::Base, QColor(4, 5, 6));
    palette.setColor(QPalette::Active, QPalette::Text, QColor(7, 8, 9));
    palette.setColor(QPalette::Active, QPalette::ToolTipBase, QColor(10, 11, 12));
    palette.setColor(QPalette::Active, QPalette::Dark, QColor(13, 14, 15));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(16, 17, 18));
    const QPalette saved = QGuiApplication::palette();
    QGuiApplication::setPalette(palette);
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_BTNFACE)), QColor(1, 2, 3));
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_WINDOW)), QColor(4, 5, 6));
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_WINDOWTEXT)), QColor(7, 8, 9));
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_INFOBK)), QColor(10, 11, 12));
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_BTNSHADOW)), QColor(13, 14, 15));
    EXPECT_EQ(ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT)), QColor(16, 17, 18));
    // The font default colour is a system colour too.
    EXPECT_EQ(FontColor(TFont{}), QColor(7, 8, 9));
    QGuiApplication::setPalette(saved);
}

TEST_F(SystemColors, UnknownIndexesAreBlack) {
    EXPECT_EQ(ResolveColor(SystemColorValue(25)), QColor(0, 0, 0));
    EXPECT_EQ(ResolveColor(SystemColorValue(200)), QColor(0, 0, 0));
}

TEST_F(SystemColors, FontSizesArePixelsAt96DpiAndStyleBitsCarryOver) {
    TFont font;
    font.Name = "Arial";
    font.Size = 12;
    font.Style = fsBold | fsUnderline;
    const QFont converted = ToQFont(font);
    EXPECT_EQ(converted.family(), "Arial");
    EXPECT_EQ(converted.pixelSize(), 16);
    EXPECT_TRUE(converted.bold());
    EXPECT_FALSE(converted.italic());
    EXPECT_TRUE(converted.underline());
    EXPECT_FALSE(converted.strikeOut());
    font.Size = 8;
    EXPECT_EQ(ToQFont(font).pixelSize(), 11);
    font.Size = -20;
    EXPECT_EQ(ToQFont(font).pixelSize(), 20);
    font.Size = 0x7FFFFFFF;
    EXPECT_GT(ToQFont(font).pixelSize(), 0);
}

} // namespace
} // namespace brelvane
