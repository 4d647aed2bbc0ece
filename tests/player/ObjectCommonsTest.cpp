#include "objects/controls/ObjectWidget.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "objects/records/ShortCommand.h"
#include "player/ActionInterpreter.h"
#include "player/PageSurface.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TMenuItem Leaf(const std::string& caption, const TCommand& command) {
    TMenuItem item;
    item.Caption = caption;
    EXPECT_TRUE(EncodeShortCommand(command, item.Hint));
    return item;
}

QWidget* ControlOf(TAutoRunForm& form, std::size_t index) {
    return dynamic_cast<QWidget*>(form.Page().Objects.at(index)->Control.get());
}

// Right-clicks `widget` in its middle and returns the pop-up menu that opened.
QMenu* RightClick(QWidget* widget) {
    const QPoint middle = widget->rect().center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
    QApplication::sendEvent(widget, &event);
    return qobject_cast<QMenu*>(QApplication::activePopupWidget());
}

QAction* ActionNamed(QMenu& menu, const QString& text) {
    for (auto* action : menu.actions())
        if (action->text() == text) return action;
    return nullptr;
}

class ObjectPopupMenu : public ::testing::Test {
protected:
    void SetUp() override {
        auto page = TestPage("Main", pkMainPage);
        page.PopupMenu = {Leaf("Page item", Action(atGotoPage, "FromPage"))};
        auto* image = AddObjectRecord(page.Objects, okImage, 10, 10);
        TMenuItem parent;
        parent.Caption = "More";
        parent.Items = {Leaf("Go", Action(atGotoPage, "FromObject"))};
        image->PopupMenu = {parent, Leaf("Top", Action(atGotoPage, "TopLevel"))};
        AddObjectRecord(page.Objects, okShape, 150, 10);
        project.AddPage(page);
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
        form.show();
        QApplication::processEvents();
    }
    void TearDown() override {
        if (auto* open = QApplication::activePopupWidget()) open->close();
    }

    PlayerProject project;
    TAutoRunForm form;
};

TEST_F(ObjectPopupMenu, RightClickShowsTheObjectsMenuAndALeafRunsItsCommand) {
    QMenu* menu = RightClick(ControlOf(form, 0));
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(ActionNamed(*menu, "Page item"), nullptr);
    QAction* more = ActionNamed(*menu, "More");
    ASSERT_NE(more, nullptr);
    ASSERT_NE(more->menu(), nullptr);
    QAction* go = ActionNamed(*more->menu(), "Go");
    ASSERT_NE(go, nullptr);
    go->trigger();
    EXPECT_EQ(form.PendingPage(), "FromObject");
    EXPECT_TRUE(form.NavigationPending());
}

TEST_F(ObjectPopupMenu, ObjectsWithoutOneLeaveThePagesMenu) {
    QMenu* menu = RightClick(ControlOf(form, 1));
    ASSERT_NE(menu, nullptr);
    QAction* item = ActionNamed(*menu, "Page item");
    ASSERT_NE(item, nullptr);
    item->trigger();
    EXPECT_EQ(form.PendingPage(), "FromPage");
    menu->close();
    menu = RightClick(form.Surface());
    ASSERT_NE(menu, nullptr);
    EXPECT_NE(ActionNamed(*menu, "Page item"), nullptr);
}

TEST(ObjectCursor, StoredNumbersGiveTheStandardCursors) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    static_cast<TShapePayload&>(*AddObjectRecord(page.Objects, okShape, 0, 0)->Payload)
        .CursorNumber = -3;
    static_cast<TLabelPayload&>(*AddObjectRecord(page.Objects, okLabel, 0, 50)->Payload)
        .CursorNumber = -21;
    AddObjectRecord(page.Objects, okShape, 0, 100); // 0: the control's own cursor
    static_cast<TShapePayload&>(*AddObjectRecord(page.Objects, okShape, 0, 150)->Payload)
        .CursorNumber = -200; // not a standard cursor
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    EXPECT_EQ(ControlOf(form, 0)->cursor().shape(), Qt::CrossCursor);
    EXPECT_EQ(ControlOf(form, 1)->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(ControlOf(form, 2)->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(ControlOf(form, 3)->testAttribute(Qt::WA_SetCursor));
}

} // namespace
} // namespace brelvane::test
