#include "player/WindowPlacement.h"

#include "player/PlayerProject.h"

#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(WindowPlacement, EachRulePlacesAgainstItsFrame) {
    TPlacementFrame frame;
    frame.Screen = QRect(0, 0, 1000, 800);
    frame.Desktop = QRect(0, 0, 3000, 800);
    const QSize size(200, 100);
    const QPoint designed(17, 23);
    EXPECT_EQ(PlacedPosition(0, designed, size, frame), designed);
    EXPECT_EQ(PlacedPosition(1, designed, size, frame), std::nullopt);
    EXPECT_EQ(PlacedPosition(2, designed, size, frame), std::nullopt);
    EXPECT_EQ(PlacedPosition(3, designed, size, frame), designed);
    EXPECT_EQ(PlacedPosition(4, designed, size, frame), QPoint(400, 350));
    EXPECT_EQ(PlacedPosition(5, designed, size, frame), QPoint(1400, 350));
    // Without a main window or owner these centre on the screen.
    EXPECT_EQ(PlacedPosition(6, designed, size, frame), QPoint(400, 350));
    EXPECT_EQ(PlacedPosition(7, designed, size, frame), QPoint(400, 350));
    frame.Main = QRect(100, 100, 400, 300);
    frame.Owner = QRect(500, 300, 300, 301);
    EXPECT_EQ(PlacedPosition(6, designed, size, frame), QPoint(200, 200));
    EXPECT_EQ(PlacedPosition(7, designed, size, frame), QPoint(550, 400));
}

TEST(WindowPlacement, AFreshPageWindowStandsAtTheScreensCentre) {
    PlayerProject project;
    TAutoRunForm form;
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(form.pos(), CentredIn(screen, form.size()));
}

TEST(WindowPlacement, SubPageCentresOnItsOwner) {
    PlayerProject project;
    auto main = TestPage("Main", pkMainPage);
    main.Position = 0;
    main.Left = 40;
    main.Top = 30;
    auto sub = TestPage("Sub", pkSubPage);
    sub.Position = 7;
    sub.Width = 100;
    sub.Height = 80;
    project.AddPage(main);
    project.AddPage(sub);
    TAutoRunForm owner;
    ASSERT_TRUE(owner.BuildPage("Main", TPageReadMode::Build));
    owner.show();
    EXPECT_EQ(owner.pos(), QPoint(40, 30));
    TAutoRunForm page;
    page.Owner = &owner;
    ASSERT_TRUE(page.BuildPage("Sub", TPageReadMode::Build));
    EXPECT_EQ(page.pos(), CentredIn(owner.geometry(), page.size()));
}

} // namespace
} // namespace brelvane::test
