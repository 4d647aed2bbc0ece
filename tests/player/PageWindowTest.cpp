#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "player/PageSurface.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(PageWindow, TransparentColourBecomesAHoleInTheWindow) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.GradientStyle = 0;
    page.BackColor = RGB(0, 255, 0);
    page.TransparentColor = RGB(0, 255, 0);
    page.Transparent = true;
    auto& shape = *AddObjectRecord(page.Objects, okShape, 100, 50)->Payload;
    shape.Width = shape.Height = 60;
    static_cast<TShapePayload&>(shape).FillColor = RGB(255, 0, 0);
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    QApplication::processEvents();
    const QPoint inShape = form.Surface()->mapTo(&form, QPoint(130, 80));
    const QPoint inBackground = form.Surface()->mapTo(&form, QPoint(5, 5));
    ASSERT_FALSE(form.mask().isEmpty());
    EXPECT_TRUE(form.mask().contains(inShape));
    EXPECT_FALSE(form.mask().contains(inBackground));

    form.Page().Transparent = false;
    form.RenderBackground();
    QApplication::processEvents();
    EXPECT_TRUE(form.mask().isEmpty());
}

TEST(PageWindow, WithoutBorderTheWindowIsFramelessWhateverItsBorderIcons) {
    PlayerProject project;
    for (const std::uint8_t style : {0, 3}) {
        auto page = TestPage("Style" + std::to_string(style), pkSplashScreen);
        page.BorderStyle = style;
        page.BorderIcons = biSystemMenu | biMinimize | biMaximize;
        project.AddPage(page);
        TAutoRunForm form;
        ASSERT_TRUE(form.BuildPage(page.PageName, TPageReadMode::Build));
        EXPECT_EQ(form.windowFlags().testFlag(Qt::FramelessWindowHint), style == 0) << +style;
        EXPECT_EQ(form.windowFlags().testFlag(Qt::WindowMinimizeButtonHint), style != 0) << +style;
    }
}

TEST(PageWindow, AnyKeyClosesASplashWithClickContinueEvenFromAFocusedControl) {
    PlayerProject project;
    auto page = TestPage("Splash", pkSplashScreen);
    page.ClickContinue = true;
    page.StayTime = 0;
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Splash", TPageReadMode::Build));
    auto* edit = new QLineEdit(form.Surface());
    form.show();
    int closed = 0;
    QObject::connect(&form, &TAutoRunForm::Closed, [&] { ++closed; });
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(edit, &key);
    EXPECT_EQ(closed, 1);
    EXPECT_TRUE(edit->text().isEmpty());
}

TEST(PageWindow, KeysReachControlsOfAnOrdinaryPage) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    auto* edit = new QLineEdit(form.Surface());
    form.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    QApplication::sendEvent(edit, &key);
    EXPECT_EQ(edit->text(), "a");
    EXPECT_TRUE(form.isVisible());
}

} // namespace
} // namespace brelvane::test
