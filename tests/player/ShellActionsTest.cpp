#include "objects/records/ActionArguments.h"
#include "objects/records/ShortCommand.h"
#include "platform/MessageBoxes.h"
#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"
#include "player/ShellErrors.h"
#include "storage/ErrorReport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

using platform::ShellRequest;

// A shown main page of a project, a recording shell and collected errors.
struct ActionFixture {
    PlayerProject Project;
    RecordingShell Shell;
    ErrorCollector Errors;
    TAutoRunForm Form;

    ActionFixture() {
        Project.AddPage(TestPage("Main", pkMainPage));
        Project.AddPage(TestPage("Second", pkSubPage));
        EXPECT_TRUE(Form.BuildPage("Main", TPageReadMode::Build));
        Form.show();
    }
    std::string Base() { return Project.File(""); }
};

TCommand Full(std::uint8_t type, const std::string& file, const std::string& params,
              const std::string& dir, bool close = false) {
    auto command = Action(type, file);
    command.ActionParams = params;
    command.ActionDir = dir;
    command.ShowCommand = 3;
    command.CloseAfterAction = close ? 1 : 0;
    return command;
}

TEST(ShellActions, EachTypeHandsTheShellItsArguments) {
    ActionFixture f;
    const auto base = f.Project.File("");
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atOpenRunFile, "setup.exe", "/q", "")));
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atOpenRunFile, "\\bin\\run.sh", "-v", "bin")));
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atVisitWebsite, "www.Example.com/A b", "x", "d")));
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atSendEmail, "me@example.com", "?subject=Hi", "d")));
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atPrintDocument, "doc.txt", "p", "d")));
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atBrowseFolder, "", "p", "d")));
    const std::vector<ShellRequest> expected = {
        {"open", base + "setup.exe", "/q", PlayerEnvironment().Source.BaseFolder, 3},
        {"open", base + "bin/run.sh", "-v", base + "bin", 3},
        {"open", "www.Example.com/A b", "", "", 3},
        {"open", "mailto:me@example.com", "?subject=Hi", "", 3},
        {"print", base + "doc.txt", "p", "", 3},
        {"explore", base, "p", "", 3},
    };
    EXPECT_EQ(f.Shell.Requests, expected);
    EXPECT_TRUE(f.Errors.Messages().empty());
    EXPECT_TRUE(f.Form.isVisible());
}

TEST(ShellActions, FailureCodesShowTheirMessageAndKeepThePageOpen) {
    ActionFixture f;
    const auto open = Full(atOpenRunFile, "missing.exe", "", "", true);
    for (int code : {0, 2, 3, 5, 8, 11, 26, 27, 28, 29, 30, 31, 32, 1, 4, 12}) {
        f.Shell.Code = code;
        f.Errors.Clear();
        EXPECT_FALSE(ExecuteAction(f.Form, open)) << code;
        ASSERT_EQ(f.Errors.Messages().size(), 1u);
        EXPECT_EQ(f.Errors.Messages()[0], ShellErrorMessage(code));
    }
    EXPECT_EQ(ShellErrorMessage(2), "The specified file was not found.");
    EXPECT_EQ(ShellErrorMessage(31),
              "There is no application associated with the given filename extension.");
    EXPECT_EQ(ShellErrorMessage(4), "Operation Error");
    EXPECT_EQ(ShellErrorMessage(33), "Operation Error");

    f.Shell.Code = platform::scNoAssociation;
    f.Errors.Clear();
    EXPECT_FALSE(ExecuteAction(f.Form, Full(atSendEmail, "me@example.com", "", "", true)));
    EXPECT_EQ(f.Errors.Messages(),
              std::vector<std::string>{"Default email program not found on your system."});
    EXPECT_TRUE(f.Form.isVisible());
}

TEST(ShellActions, SuccessClosesWhenAskedButGotoNever) {
    ActionFixture f;
    EXPECT_FALSE(ExecuteAction(f.Form, Full(atGotoPage, "Second", "", "", true)));
    EXPECT_TRUE(f.Form.isVisible());
    EXPECT_TRUE(f.Form.NavigationPending());
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atVisitWebsite, "https://example.com", "", "")));
    EXPECT_TRUE(f.Form.isVisible());
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atVisitWebsite, "https://example.com", "", "", true)));
    EXPECT_FALSE(f.Form.isVisible());
}

TEST(ShellActions, FileListRunsEveryEntryAndWaitsWhereAsked) {
    ActionFixture f;
    const auto base = f.Project.File("");
    const std::string list = "a.sh\x01-1\x01\\bin\x01 \x01\x02"
                             "\\b.sh\x01-2\x01\x01Y\x01\x02";
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atOpenRunFile, list, "ignored", "ignored")));
    ASSERT_EQ(f.Shell.Requests.size(), 2u);
    EXPECT_EQ(f.Shell.Requests[0], (ShellRequest{"open", base + "a.sh", "-1", base + "bin", 3}));
    EXPECT_EQ(f.Shell.Waited, (std::vector<bool>{false, true}));
    EXPECT_EQ(f.Shell.Requests[1].File, base + "b.sh");
    EXPECT_EQ(f.Shell.Requests[1].Parameters, "-2");

    f.Shell.Code = platform::scFileNotFound;
    EXPECT_FALSE(ExecuteAction(f.Form, Full(atOpenRunFile, list, "", "", true)));
    EXPECT_EQ(f.Shell.Requests.size(), 4u); // every entry still runs
    EXPECT_EQ(f.Errors.Messages().size(), 2u);
    EXPECT_TRUE(f.Form.isVisible());
}

TEST(LinkCommands, ExitCloses_OpenWinsOverPrint_GotoShowsThePageModally) {
    ActionFixture f;
    const auto base = f.Project.File("");
    EXPECT_FALSE(ExecuteLinkCommand(f.Form, "https://example.com/page.html"));
    EXPECT_TRUE(f.Shell.Requests.empty());

    EXPECT_TRUE(ExecuteLinkCommand(f.Form, "about:CMD_PRINT=a.txt;CMD_OPEN=b.pdf"));
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0],
              (ShellRequest{"open", base + "b.pdf", "", PlayerEnvironment().Source.BaseFolder, 1}));

    bool shown = false;
    WhenShown("Second", [&](TAutoRunForm& second) {
        shown = second.isModal() || second.windowModality() != Qt::NonModal;
        second.close();
    });
    EXPECT_TRUE(ExecuteLinkCommand(f.Form, "about:CMD_GOTOPAGE=Second"));
    EXPECT_TRUE(shown);
    EXPECT_TRUE(f.Form.isVisible());

    EXPECT_TRUE(ExecuteLinkCommand(f.Form, "about:blank#CMD_EXIT"));
    EXPECT_FALSE(f.Form.isVisible());
    EXPECT_FALSE(f.Form.ExitAll);
}

TEST(ShortCommands, AnEmptyMenuHintDoesNothing) {
    ActionFixture f;
    TCommand command;
    ASSERT_TRUE(DecodeShortCommand("", command));
    EXPECT_FALSE(ExecuteAction(f.Form, command));
    EXPECT_TRUE(f.Shell.Requests.empty());
    EXPECT_TRUE(f.Project.Sounds().Played.empty());
    EXPECT_TRUE(f.Form.isVisible());
}

TEST(ActionGroups, RunTheirCommandsInOrderOnTheSamePage) {
    ActionFixture f;
    WriteFileBytes(f.Project.File("click.wav"), {1});
    std::vector<std::size_t> soundsBeforeShell;
    f.Shell.OnRequest = [&] { soundsBeforeShell.push_back(f.Project.Sounds().Played.size()); };
    const std::string group = "4\x03"
                              "1\x03\\click.wav\x03\x03\x03Y\x04"
                              "1\x03"
                              "1\x03setup.exe\x03\x03\x03Y\x04";
    EXPECT_TRUE(ExecuteAction(f.Form, Full(atActionGroup, group, "", "", true)));
    EXPECT_EQ(f.Project.Sounds().Played, std::vector<std::string>{f.Project.File("click.wav")});
    EXPECT_EQ(soundsBeforeShell, std::vector<std::size_t>{1});
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0].File, f.Project.File("setup.exe"));
    EXPECT_TRUE(f.Form.isVisible()); // grouped commands do not close

    EXPECT_FALSE(ExecuteAction(f.Form, Action(atActionGroup, "1\x03one\x03\x03\x03\x03 \x04")));
    EXPECT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Errors.Messages(), std::vector<std::string>{"'one' is not a valid integer value"});
}

TEST(ActionMessages, ShowMessageAndDesignTimeNotice) {
    ActionFixture f;
    std::vector<QString> shown;
    const auto previous = platform::SetMessageResponder(
        [&](platform::TMessageKind, const QString& caption, const QString& text) {
            shown.push_back(caption + "|" + text);
            return true;
        });
    PlayerEnvironment().ApplicationTitle = "Menu";
    EXPECT_TRUE(ExecuteAction(f.Form, Action(atShowMessage, "Hello")));
    PlayerEnvironment().DesignerMode = true;
    EXPECT_FALSE(ExecuteAction(f.Form, Action(atGotoPage, "Second")));
    EXPECT_FALSE(f.Form.NavigationPending());
    platform::SetMessageResponder(previous);
    EXPECT_EQ(shown, (std::vector<QString>{
                         "Menu|Hello", "Click action|The page can not be shown at design time"}));
}

TEST(ActionsWithoutObjects, DoNothingAndDoNotSucceed) {
    ActionFixture f;
    for (int type : std::initializer_list<int>{atNone, atShowPicture, atLaunchMediaFile,
                                               atLaunchSlideShow, 29, 200}) {
        auto command = Action(static_cast<std::uint8_t>(type), "Slides");
        command.CloseAfterAction = 1;
        EXPECT_FALSE(ExecuteAction(f.Form, command)) << type;
    }
    // The media commands succeed whether or not an object has the name.
    for (int type : std::initializer_list<int>{atPlay, atStop, atPause, atPrevious, atNext,
                                               atFirstBack, atLastStep})
        EXPECT_TRUE(ExecuteAction(f.Form, Action(static_cast<std::uint8_t>(type), "Slides")))
            << type;
    EXPECT_TRUE(f.Shell.Requests.empty());
    EXPECT_TRUE(f.Form.isVisible());
}

} // namespace
} // namespace brelvane::test
