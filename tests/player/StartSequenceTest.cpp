#include "player/StartSequence.h"

#include "objects/records/AutoObject.h"
#include "objects/records/ObjectKinds.h"
#include "player/ActionInterpreter.h"
#include "player/PageSurface.h"
#include "player/PlayerProject.h"
#include "player/SpecialPages.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTimer>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Hands every page window that appears to `answer` once, noting its name,
// whether it was modal and whether it was the only page window showing.
class PageWatcher {
public:
    explicit PageWatcher(std::function<void(TAutoRunForm&)> answer) : answer_(std::move(answer)) {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start(5);
    }
    std::vector<std::string> Seen;
    bool AllModal = true;
    bool AlwaysAlone = true;

private:
    void Poll() {
        std::erase_if(known_, [](const QPointer<TAutoRunForm>& form) { return form.isNull(); });
        std::vector<TAutoRunForm*> visible;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* form = qobject_cast<TAutoRunForm*>(window); form && form->isVisible())
                visible.push_back(form);
        for (auto* form : visible) {
            if (std::find(known_.begin(), known_.end(), form) != known_.end()) continue;
            known_.emplace_back(form);
            Seen.push_back(form->Page().PageName);
            AllModal = AllModal && form->isModal();
            AlwaysAlone = AlwaysAlone && visible.size() == 1;
            answer_(*form);
        }
    }
    std::function<void(TAutoRunForm&)> answer_;
    std::vector<QPointer<TAutoRunForm>> known_;
    QTimer timer_;
};

// Closes a page with the answer its OK or Cancel button would give.
void Answer(TAutoRunForm& form, bool accept) {
    form.SetResult(accept);
    form.close();
}

// An index entry whose page file does not exist.
void AddMissingPage(PlayerProject& project, const std::string& name, std::uint8_t kind) {
    auto entry = std::make_unique<TAutoFormInfo>();
    entry->Name = name;
    entry->Kind = kind;
    project.Index().Pages.push_back(std::move(entry));
}

TEST(SplashPages, ShownOneAfterTheOtherInIndexOrderEachModal) {
    PlayerProject project;
    for (const char* name : {"Second", "First", "Third"})
        project.AddPage(TestPage(name, pkSplashScreen));
    project.AddPage(TestPage("Main", pkMainPage));
    PageWatcher watcher([](TAutoRunForm& page) { page.close(); });
    EXPECT_TRUE(ShowSplashPages());
    EXPECT_EQ(watcher.Seen, (std::vector<std::string>{"Second", "First", "Third"}));
    EXPECT_TRUE(watcher.AllModal);
    EXPECT_TRUE(watcher.AlwaysAlone);
}

TEST(SplashPages, OneThatCannotBeBuiltEndsTheProgram) {
    PlayerProject project;
    ErrorCollector errors;
    AddMissingPage(project, "Broken", pkSplashScreen);
    project.AddPage(TestPage("Later", pkSplashScreen));
    project.AddPage(TestPage("Main", pkMainPage));
    PageWatcher watcher([](TAutoRunForm& page) { page.close(); });
    TStartSequence sequence;
    EXPECT_EQ(sequence.Run(), TStartOutcome::Failed);
    EXPECT_TRUE(watcher.Seen.empty());
    EXPECT_EQ(sequence.MainWindow(), nullptr);
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(GatePages, DecliningTheAgreementEndsBeforeSecurityAndMainPage) {
    PlayerProject project;
    project.AddPage(TestPage("Main", pkMainPage));
    project.AddPage(TestPage("Agreement", pkAgreementForm));
    project.AddPage(TestPage("Security", pkSecurityForm));
    PageWatcher watcher([](TAutoRunForm& page) { Answer(page, false); });
    TStartSequence sequence;
    EXPECT_EQ(sequence.Run(), TStartOutcome::Declined);
    EXPECT_EQ(watcher.Seen, std::vector<std::string>{"Agreement"});
    EXPECT_EQ(sequence.MainWindow(), nullptr);
}

TEST(GatePages, AcceptedAgreementThenSecurityThenTheMainPage) {
    PlayerProject project;
    project.AddPage(TestPage("Security", pkSecurityForm));
    project.AddPage(TestPage("Agreement", pkAgreementForm));
    project.AddPage(TestPage("Second Agreement", pkAgreementForm));
    project.AddPage(TestPage("Main", pkMainPage));
    PageWatcher watcher([](TAutoRunForm& page) { Answer(page, true); });
    TStartSequence sequence;
    ASSERT_EQ(sequence.Run(), TStartOutcome::Running);
    // Only the first agreement form counts.
    EXPECT_EQ(watcher.Seen, (std::vector<std::string>{"Agreement", "Security"}));
    EXPECT_TRUE(watcher.AllModal);
    ASSERT_NE(sequence.MainWindow(), nullptr);
    EXPECT_TRUE(sequence.MainWindow()->IsMainWindow);
    EXPECT_TRUE(sequence.MainWindow()->isVisible());
    EXPECT_EQ(sequence.MainWindow()->Page().PageName, "Main");
}

TEST(GatePages, TheSecurityFormsResultDecides) {
    for (const bool accept : {false, true}) {
        PlayerProject project;
        project.AddPage(TestPage("Main", pkMainPage));
        project.AddPage(TestPage("Security", pkSecurityForm));
        PageWatcher watcher([accept](TAutoRunForm& page) { Answer(page, accept); });
        EXPECT_EQ(CreateMainWindow() != nullptr, accept) << accept;
        EXPECT_EQ(watcher.Seen, std::vector<std::string>{"Security"});
    }
}

TEST(GatePages, ClosedWithoutAnAnswerOrBrokenTheGateStaysShut) {
    PlayerProject project;
    project.AddPage(TestPage("Agreement", pkAgreementForm));
    PageWatcher watcher([](TAutoRunForm& page) { page.close(); });
    EXPECT_FALSE(ShowGatePage(pkAgreementForm));
    // No such page: nothing to pass.
    EXPECT_TRUE(ShowGatePage(pkSecurityForm));

    ErrorCollector errors;
    AddMissingPage(project, "Broken", pkSecurityForm);
    EXPECT_FALSE(ShowGatePage(pkSecurityForm));
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(ExitForm, ClosedAnyOtherWayOrMissingTheMainWindowCloses) {
    PlayerProject project;
    EXPECT_TRUE(ShowExitForm());
    AddMissingPage(project, "Broken", pkExitForm);
    {
        ErrorCollector errors;
        EXPECT_TRUE(ShowExitForm());
    }
    project.Index().Pages.clear();
    project.AddPage(TestPage("Bye", pkExitForm));
    project.AddPage(TestPage("Bye Again", pkExitForm));
    PageWatcher closer([](TAutoRunForm& page) { page.close(); });
    EXPECT_TRUE(ShowExitForm());
    EXPECT_EQ(closer.Seen, std::vector<std::string>{"Bye"});
}

TEST(MainWindow, WithoutMainPageItIsEmptyAndStillShown) {
    PlayerProject project;
    project.AddPage(TestPage("Sub", pkSubPage));
    TStartSequence sequence;
    ASSERT_EQ(sequence.Run(), TStartOutcome::Running);
    ASSERT_NE(sequence.MainWindow(), nullptr);
    EXPECT_TRUE(sequence.MainWindow()->isVisible());
    EXPECT_TRUE(sequence.MainWindow()->Page().Objects.empty());
    EXPECT_EQ(sequence.MainWindow()->Page().PageName, "");
}

TEST(MainWindow, ItsCaptionIsTheApplicationTitleUnlessTheSettingsGiveOne) {
    for (const std::string title : {"", "Set Title"}) {
        PlayerProject project;
        project.Index().Settings.ApplicationTitle = title;
        PlayerEnvironment().ApplicationTitle = title.empty() ? "AutoRun" : title;
        project.AddPage(TestPage("Main", pkMainPage));
        const auto window = CreateMainWindow();
        ASSERT_NE(window, nullptr);
        const std::string expected = title.empty() ? "Main caption" : title;
        EXPECT_EQ(PlayerEnvironment().ApplicationTitle, expected);
        if (title.empty()) {
            EXPECT_EQ(QApplication::applicationName(), "Main caption");
        }
    }
}

TEST(ScreenBackgrounds, MaximizedBorderlessOpaqueAndDeafTheLastIsTheScreenBackground) {
    PlayerProject project;
    WriteFileBytes(project.File("music.wav"), {1});
    auto first = TestPage("Back One", pkScreenBackground);
    auto last = TestPage("Back Two", pkScreenBackground);
    AddObjectRecord(last.Objects, okButton, 10, 10)->Props = Action(atPlaySound, "music.wav");
    project.AddPage(first);
    project.AddPage(last);
    TStartSequence sequence;
    ASSERT_TRUE(sequence.ShowScreenBackgrounds());
    ASSERT_EQ(sequence.ScreenBackgrounds().size(), 2u);
    auto& background = *sequence.ScreenBackgrounds().back();
    EXPECT_EQ(PlayerEnvironment().ScreenBackground, &background);
    for (const auto& window : sequence.ScreenBackgrounds()) {
        EXPECT_TRUE(window->isVisible());
        EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
        EXPECT_EQ(window->windowOpacity(), 1.0);
        EXPECT_EQ(window->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    }

    // A click on its button reaches nothing; its controls keep their looks.
    auto* button = dynamic_cast<QWidget*>(background.Page().Objects.front()->Control.get());
    ASSERT_NE(button, nullptr);
    EXPECT_TRUE(button->isEnabled());
    const QPointF at(2, 2);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, button->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(button, &event);
    }
    EXPECT_TRUE(project.Sounds().Played.empty());

    // "Stop All Sound" on another page reaches the screen background's sounds.
    ASSERT_TRUE(background.PlayActionSound("music.wav"));
    const int closedBefore = project.Sounds().Closed;
    TAutoRunForm main;
    ASSERT_TRUE(ExecuteAction(main, Action(atStopAllSound)));
    EXPECT_GT(project.Sounds().Closed, closedBefore);
}

TEST(ScreenBackgrounds, OneThatCannotBeBuiltEndsTheProgram) {
    PlayerProject project;
    ErrorCollector errors;
    project.AddPage(TestPage("Main", pkMainPage));
    AddMissingPage(project, "Broken", pkScreenBackground);
    TStartSequence sequence;
    EXPECT_EQ(sequence.Run(), TStartOutcome::Failed);
    EXPECT_EQ(sequence.MainWindow(), nullptr);
}

} // namespace
} // namespace brelvane::test
