#include "player/HintStyle.h"

#include "player/PlayerProject.h"
#include "render/HintPlacement.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QToolTip>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A page-like window with a hint of its own, an object with a hint and a
// plain child that shows the page's hint.
class HintStyle : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }
    void SetUp() override {
        window.setToolTip("Page hint");
        window.setGeometry(100, 100, 400, 300);
        object = new QLabel("object", &window);
        object->setToolTip("Object hint");
        object->setGeometry(10, 10, 100, 40);
        plain = new QLabel("plain", &window);
        plain->setGeometry(10, 100, 100, 40);
        window.show();
        settings.ShowPause = 300;
        settings.HidePause = 2000;
        settings.Direction = hdDownRight;
    }
    void TearDown() override {
        InstallHintStyle(nullptr);
        QToolTip::hideText();
    }

    static void MoveOver(QWidget* widget, QPoint local) {
        QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(widget, &move);
    }
    static void AskForTooltip(QWidget* widget) {
        QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), widget->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(widget, &help);
    }

    THintSettings settings;
    QWidget window;
    QLabel* object = nullptr;
    QLabel* plain = nullptr;
};

TEST_F(HintStyle, ShowsAfterTheShowPauseAndHidesAfterTheHidePause) {
    InstallHintStyle(&settings);
    auto& style = *InstalledHintStyle();
    MoveOver(object, {20, 20});
    EXPECT_EQ(style.Owner(), object);
    EXPECT_TRUE(style.ShowTimer().isActive());
    EXPECT_EQ(style.ShowTimer().interval(), 300);
    EXPECT_FALSE(style.Hint().isVisible());
    // Moving on within the object does not start the pause again.
    MoveOver(object, {30, 22});
    EXPECT_TRUE(style.ShowTimer().isActive());
    style.ShowDue();
    ASSERT_TRUE(style.Hint().isVisible());
    EXPECT_EQ(style.Hint().Text(), "Object hint");
    EXPECT_EQ(style.Hint().UsedDirection(), hdDownRight);
    // Down right: 15 below the last mouse point, at its x.
    const QPoint mouse = object->mapToGlobal(QPoint(30, 22));
    EXPECT_EQ(style.Hint().geometry().topLeft(), mouse + QPoint(0, 15));
    EXPECT_TRUE(style.HideTimer().isActive());
    EXPECT_EQ(style.HideTimer().interval(), 2000);
    style.HideDue();
    EXPECT_FALSE(style.Hint().isVisible());
}

TEST_F(HintStyle, RealTimersShowAndHideTheBalloon) {
    settings.ShowPause = 20;
    settings.HidePause = 60;
    InstallHintStyle(&settings);
    auto& hint = InstalledHintStyle()->Hint();
    MoveOver(object, {20, 20});
    QElapsedTimer clock;
    clock.start();
    while (!hint.isVisible() && clock.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_TRUE(hint.isVisible());
    EXPECT_GE(clock.elapsed(), 20);
    while (hint.isVisible() && clock.elapsed() < 5000)
        QApplication::processEvents();
    EXPECT_FALSE(hint.isVisible());
}

TEST_F(HintStyle, LeavingOrClickingHidesTheBalloon) {
    InstallHintStyle(&settings);
    auto& style = *InstalledHintStyle();
    MoveOver(object, {20, 20});
    style.ShowDue();
    ASSERT_TRUE(style.Hint().isVisible());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(object, &leave);
    EXPECT_FALSE(style.Hint().isVisible());
    EXPECT_EQ(style.Owner(), nullptr);

    MoveOver(object, {20, 20});
    style.ShowDue();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20),
                      object->mapToGlobal(QPointF(20, 20)), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(object, &press);
    EXPECT_FALSE(style.Hint().isVisible());
    EXPECT_FALSE(style.ShowTimer().isActive());
}

TEST_F(HintStyle, ChildrenWithoutHintShowThePageHint) {
    InstallHintStyle(&settings);
    auto& style = *InstalledHintStyle();
    MoveOver(plain, {5, 5});
    EXPECT_EQ(style.Owner(), &window);
    style.ShowDue();
    EXPECT_EQ(style.Hint().Text(), "Page hint");
    // Another owner hides the balloon and waits again.
    MoveOver(object, {5, 5});
    EXPECT_FALSE(style.Hint().isVisible());
    EXPECT_TRUE(style.ShowTimer().isActive());
}

TEST_F(HintStyle, EmptyHintsAndMenuItemsNeverShow) {
    window.setToolTip({});
    InstallHintStyle(&settings);
    auto& style = *InstalledHintStyle();
    MoveOver(plain, {5, 5});
    EXPECT_EQ(style.Owner(), nullptr);
    EXPECT_FALSE(style.ShowTimer().isActive());

    QMenu menu;
    menu.setToolTipsVisible(true);
    menu.addAction("Item")->setToolTip("6,1,0,0,\\file.txt");
    menu.setToolTip("menu hint");
    EXPECT_EQ(HintOwner(&menu), nullptr);
    menu.popup(QPoint(300, 300));
    MoveOver(&menu, {10, 10});
    EXPECT_FALSE(style.ShowTimer().isActive());
    AskForTooltip(&menu);
    EXPECT_FALSE(QToolTip::isVisible());
    menu.hide();
}

TEST_F(HintStyle, UninstallingBringsPlatformTooltipsBack) {
    InstallHintStyle(&settings);
    AskForTooltip(object);
    EXPECT_FALSE(QToolTip::isVisible());
    InstallHintStyle(nullptr);
    EXPECT_EQ(InstalledHintStyle(), nullptr);
    AskForTooltip(object);
    EXPECT_TRUE(QToolTip::isVisible());
    EXPECT_EQ(QToolTip::text(), "Object hint");
    // Moves no longer start a balloon.
    MoveOver(object, {20, 20});
    EXPECT_EQ(InstalledHintStyle(), nullptr);
}

TEST_F(HintStyle, BalloonOutsideShowsThePageBehind) {
    window.setStyleSheet("background: rgb(0, 0, 255)");
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    InstallHintStyle(&settings);
    auto& hint = InstalledHintStyle()->Hint();
    // Down right balloon: its top-right corner is outside the outline.
    hint.ActivateHint(
        hint.CalcHintRect(1024, "Hint").translated(window.mapToGlobal(QPoint(150, 100))), "Hint");
    const QImage& work = hint.WorkImage();
    ASSERT_FALSE(work.isNull());
    EXPECT_EQ(work.pixel(work.width() - 1, 2) | 0xff000000, qRgb(0, 0, 255));
    // Below the text, inside the body.
    EXPECT_EQ(work.pixel(20, work.height() - 10) | 0xff000000, qRgb(255, 255, 0));
}

} // namespace
} // namespace brelvane::test
