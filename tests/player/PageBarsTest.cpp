#include "player/PageSurface.h"
#include "player/PlayerProject.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSizeGrip>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TAuToolButton Button(const std::string& caption, bool separator = false) {
    TAuToolButton button;
    button.Caption = caption;
    button.Separator = separator;
    return button;
}

TEST(ToolBar, EntriesInListOrderWithAnEightPixelSeparator) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.ToolBarShowCaptions = true;
    page.ToolButtons = {Button("A"), Button("-", true), Button("B")};
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();

    const auto actions = form.ToolBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    EXPECT_EQ(actions[0]->text(), "A");
    EXPECT_EQ(actions[2]->text(), "B");
    QWidget* gap = form.ToolBar()->widgetForAction(actions[1]);
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->width(), 8);
    const auto left = [&](int i) { return form.ToolBar()->widgetForAction(actions[i])->x(); };
    EXPECT_LT(left(0), left(1));
    EXPECT_LT(left(1), left(2));
    EXPECT_TRUE(form.ToolBar()->isVisible());
}

TEST(ToolBar, HiddenWithoutEntriesAndStatusBarWithoutPanels) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    // Not even made: a page without bars pays nothing for them.
    EXPECT_EQ(form.ToolBar(), nullptr);
    EXPECT_EQ(form.StatusBar(), nullptr);
    EXPECT_EQ(form.MenuBar(), nullptr);
    EXPECT_EQ(form.Surface()->geometry(), form.rect());
}

TEST(PageBars, MadeOnFirstUseAroundThePageAndHiddenForTheNextPageWithout) {
    PlayerProject project;
    auto withBars = TestPage("Main", pkMainPage);
    TMenuItem file;
    file.Caption = "File";
    withBars.MenuBar = {file};
    withBars.ToolBarShowCaptions = true;
    withBars.ToolButtons = {Button("A")};
    withBars.StatusPanels = {{0, "Ready", 120}};
    project.AddPage(withBars);
    project.AddPage(TestPage("Plain", pkSubPage));
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    ASSERT_NE(form.MenuBar(), nullptr);
    ASSERT_NE(form.ToolBar(), nullptr);
    ASSERT_NE(form.StatusBar(), nullptr);
    // Top to bottom: menu bar, tool bar, page, status bar, filling the window.
    const QRect menu = form.MenuBar()->geometry();
    const QRect tools = form.ToolBar()->geometry();
    const QRect page = form.Surface()->geometry();
    const QRect status = form.StatusBar()->geometry();
    EXPECT_EQ(menu.top(), 0);
    EXPECT_EQ(tools.top(), menu.bottom() + 1);
    EXPECT_EQ(page.top(), tools.bottom() + 1);
    EXPECT_EQ(status.top(), page.bottom() + 1);
    EXPECT_EQ(status.bottom(), form.height() - 1);
    EXPECT_EQ(form.StatusBar()->findChildren<QSizeGrip*>().size(), 0);

    // The menu bar belongs to the window, which a replacing page keeps.
    ASSERT_TRUE(form.BuildPage("Plain", TPageReadMode::Replace));
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.MenuBar()->isVisible());
    EXPECT_FALSE(form.ToolBar()->isVisible());
    EXPECT_FALSE(form.StatusBar()->isVisible());
    EXPECT_EQ(form.StatusPanelCount(), 0);
    EXPECT_EQ(form.Surface()->geometry().top(), form.MenuBar()->geometry().bottom() + 1);
    EXPECT_EQ(form.Surface()->geometry().bottom(), form.height() - 1);
}

TEST(StatusBar, PanelsShowTheirTextsAndViewersReplaceThem) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    page.StatusPanels = {{0, "Ready", 120}, {2, "Second", 80}};
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    ASSERT_TRUE(form.StatusBar()->isVisible());
    const auto labels = form.StatusBar()->findChildren<QLabel*>();
    ASSERT_EQ(labels.size(), 2);
    EXPECT_EQ(labels[0]->text(), "Ready");
    EXPECT_EQ(labels[0]->width(), 120);
    form.SetStatusPanelText(0, "Comment");
    EXPECT_EQ(labels[0]->text(), "Comment");
    EXPECT_EQ(form.StatusPanelText(0), "Comment");
}

TEST(MenuBar, ItemsWithSubItemsAndSeparators) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    TMenuItem file;
    file.Caption = "&File";
    TMenuItem open;
    open.Caption = "&Open";
    TMenuItem line;
    line.Caption = "-";
    TMenuItem quit;
    quit.Caption = "E&xit";
    file.Items = {open, line, quit};
    page.MenuBar = {file};
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.show();
    ASSERT_TRUE(form.MenuBar()->isVisible());
    const auto top = form.MenuBar()->actions();
    ASSERT_EQ(top.size(), 1);
    ASSERT_NE(top[0]->menu(), nullptr);
    const auto items = top[0]->menu()->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Open");
    EXPECT_TRUE(items[1]->isSeparator());
}

TEST(MenuBar, StoredShortcutsBecomeKeySequences) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    TMenuItem file;
    file.Caption = "File";
    const std::pair<std::uint16_t, QKeySequence> cases[] = {
        {0x4041, QKeySequence(Qt::CTRL | Qt::Key_A)},
        {0x6070, QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_F1)},
        {0x8008, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
        {0x402e, QKeySequence(Qt::CTRL | Qt::Key_Delete)},
        {0x40ff, QKeySequence()},
        // Damaged values: unknown bits above the key must not leave a bare key.
        {0x1041, QKeySequence()},
        {0x0141, QKeySequence()},
        {0x5041, QKeySequence()},
    };
    for (const auto& [code, keys] : cases) {
        TMenuItem item;
        item.Caption = "Item";
        item.ShortCut = code;
        file.Items.push_back(item);
    }
    page.MenuBar = {file};
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    const auto items = form.MenuBar()->actions()[0]->menu()->actions();
    ASSERT_EQ(items.size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(items[int(i)]->shortcut(), cases[i].second) << i;
}

} // namespace
} // namespace brelvane::test
