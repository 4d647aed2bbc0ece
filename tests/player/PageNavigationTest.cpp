#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"

#include <QApplication>
#include <QTabBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(Navigation, GotoUnknownPageChangesNothingAndRunsNoStartAction) {
    PlayerProject project;
    WriteFileBytes(project.File("start.wav"), {1});
    auto main = TestPage("Main", pkMainPage);
    main.BackColor = 0x0000ff;
    project.AddPage(main);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    form.Page().StartAction = Action(atPlaySound, "start.wav");

    form.RequestNavigation("Nowhere");
    EXPECT_TRUE(form.NavigationPending());
    form.StartStep();
    EXPECT_FALSE(form.NavigationPending());
    EXPECT_TRUE(project.Sounds().Played.empty());
    EXPECT_EQ(form.Page().PageName, "Main");
    EXPECT_EQ(form.Page().BackColor, 0x0000ff);
}

TEST(Navigation, GotoKeepsSizeAndCaptionAndTakesTheContent) {
    PlayerProject project;
    WriteFileBytes(project.File("second.wav"), {1});
    auto first = TestPage("First", pkMainPage);
    first.Width = 320;
    first.Height = 240;
    auto second = TestPage("Second", pkSubPage);
    second.Width = 500;
    second.Height = 400;
    second.BackColor = 0x00ff00;
    second.StartAction = Action(atPlaySound, "second.wav");
    project.AddPage(first);
    project.AddPage(second);

    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("First", TPageReadMode::Build));
    const QSize size = form.size();
    form.RequestNavigation("Second");
    form.StartStep();
    EXPECT_EQ(form.size(), size);
    EXPECT_EQ(form.windowTitle(), "First caption");
    EXPECT_EQ(form.Page().BackColor, 0x00ff00);
    EXPECT_EQ(form.Page().Caption, "First caption");
    EXPECT_EQ(form.Page().PageName, "Second");
    ASSERT_EQ(project.Sounds().Played.size(), 1u);
    EXPECT_EQ(project.Sounds().Played[0], project.File("second.wav"));
}

// Runs `step` on the first visible page window named `name` once the event
// loop (a modal page's) is running.
TEST(Navigation, SubPageEndingWithExitClosesTheChain) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    project.AddPage(TestPage("Sub", pkSubPage));
    TAutoRunForm main;
    ASSERT_TRUE(main.BuildPage("Main", TPageReadMode::Build));
    main.show();
    int mainClosed = 0;
    QObject::connect(&main, &TAutoRunForm::Closed, [&] { ++mainClosed; });

    WhenShown("Sub", [](TAutoRunForm& sub) { ExecuteAction(sub, Action(atExit)); });
    EXPECT_TRUE(ExecuteAction(main, Action(atShowSubPage, "Sub")));
    EXPECT_TRUE(main.ExitAll);
    EXPECT_EQ(mainClosed, 1);
}

TEST(Navigation, SubPageClosedByCloseWindowLeavesTheCallerOpen) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    project.AddPage(TestPage("Sub", pkSubPage));
    TAutoRunForm main;
    ASSERT_TRUE(main.BuildPage("Main", TPageReadMode::Build));
    main.show();

    WhenShown("Sub", [](TAutoRunForm& sub) { ExecuteAction(sub, Action(atCloseWindow)); });
    EXPECT_FALSE(main.ShowPage("Sub", TPageReadMode::Build));
    EXPECT_FALSE(main.ExitAll);
    EXPECT_TRUE(main.isVisible());
}

TEST(Navigation, SubPageThatCannotBeBuiltIsNotShown) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    TAutoRunForm main;
    ASSERT_TRUE(main.BuildPage("Main", TPageReadMode::Build));
    EXPECT_FALSE(main.ShowPage("Missing", TPageReadMode::Build));
}

TEST(Notebook, TabsForTheMainPageAndListedSubPagesOnly) {
    PlayerProject project;
    project.Index().Settings.ApplicationStyle = 1;
    project.Index().Settings.TabSheetList = "Products\r\nWelcome\r\nAbout\r\nMissing\r\n";
    project.AddPage(TestPage("Main", pkMainPage));
    project.AddPage(TestPage("Welcome", pkSplashScreen));
    project.AddPage(TestPage("Products", pkSubPage));
    project.AddPage(TestPage("About", pkSubPage));

    TAutoRunForm form;
    ASSERT_TRUE(form.BuildMainPage());
    ASSERT_NE(form.Notebook(), nullptr);
    ASSERT_EQ(form.Notebook()->count(), 3);
    EXPECT_EQ(form.Notebook()->tabText(0), "Main caption");
    EXPECT_EQ(form.Notebook()->tabText(1), "Products caption");
    EXPECT_EQ(form.Notebook()->tabText(2), "About caption");

    form.Notebook()->setCurrentIndex(2);
    EXPECT_TRUE(form.NavigationPending());
    EXPECT_EQ(form.PendingPage(), "About");
}

TEST(Notebook, ADamagedTabPageIsReportedOnceAndTheTabsBeforeItWork) {
    PlayerProject project;
    project.Index().Settings.ApplicationStyle = 1;
    project.Index().Settings.TabSheetList = "Products\r\nBroken\r\nAbout\r\n";
    project.AddPage(TestPage("Main", pkMainPage));
    project.AddPage(TestPage("Products", pkSubPage));
    project.AddPage(TestPage("Broken", pkSubPage));
    project.AddPage(TestPage("About", pkSubPage));
    // The page file ends inside its caption.
    WriteFileBytes(project.File("AutoRunSource/Broken.pg"), {0, 0});

    ErrorCollector errors;
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildMainPage());
    ASSERT_NE(form.Notebook(), nullptr);
    // A failed title ends the build of the tabs.
    ASSERT_EQ(form.Notebook()->count(), 2);
    EXPECT_EQ(form.Notebook()->tabText(1), "Products caption");
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(CodeOf(errors.Messages()[0]), 1073);

    form.Notebook()->setCurrentIndex(1);
    EXPECT_TRUE(form.NavigationPending());
    EXPECT_EQ(form.PendingPage(), "Products");
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(MainPage, OpeningReadsNoOtherPage) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    for (const char* name : {"One", "Two"}) {
        project.AddPage(TestPage(name, pkSubPage));
        WriteFileBytes(project.File(std::string("AutoRunSource/") + name + ".pg"), {0xff});
    }
    ErrorCollector errors;
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildMainPage());
    form.show();
    QApplication::processEvents();
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(ExitForm, ItsAnswerDecidesWhetherTheMainWindowCloses) {
    for (const bool accept : {false, true}) {
        PlayerProject project;
        project.AddPage(TestPage("Main", pkMainPage));
        project.AddPage(TestPage("Bye", pkExitForm));
        TAutoRunForm main;
        main.IsMainWindow = true;
        ASSERT_TRUE(main.BuildPage("Main", TPageReadMode::Build));
        main.show();
        int closed = 0;
        QObject::connect(&main, &TAutoRunForm::Closed, [&] { ++closed; });
        WhenShown("Bye", [accept](TAutoRunForm& bye) {
            bye.SetResult(accept);
            bye.close();
        });
        main.close();
        EXPECT_EQ(closed, accept ? 1 : 0) << accept;
        EXPECT_EQ(main.isVisible(), !accept);
    }
}

} // namespace
} // namespace brelvane::test
