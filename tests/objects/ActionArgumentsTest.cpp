#include "objects/records/ActionArguments.h"

#include "objects/records/LinkCommand.h"
#include "objects/records/ShortCommand.h"
#include "storage/ErrorReport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(Pieces, OnlyTextFollowedByItsSeparatorIsAPiece) {
    EXPECT_EQ(SplitPieces("a\x01"
                          "\x01"
                          "b\x01tail",
                          '\x01'),
              (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(SplitPieces("no separator", '\x01').empty());
    EXPECT_EQ(Trimmed("  \t x y \r\n"), "x y");
    EXPECT_EQ(Trimmed("   "), "");
    EXPECT_EQ(DecimalValue(" -12 "), -12);
    EXPECT_EQ(DecimalValue("+7"), 7);
    EXPECT_FALSE(DecimalValue(""));
    EXPECT_FALSE(DecimalValue("1x"));
    EXPECT_FALSE(DecimalValue("99999999999"));
}

TEST(FileList, EntriesInOrderWithWaitFlagAndMissingPiecesEmpty) {
    const std::string list = "\\setup.exe\x01/q\x01\\bin\x01Y\x01\x02"
                             "readme.txt\x01\x01\x01 \x01\x02"
                             "short\x01only\x01\x02"
                             "ignored without entry end";
    ASSERT_TRUE(IsFileList(list));
    EXPECT_FALSE(IsFileList("\\setup.exe"));
    const auto entries = ParseFileList(list);
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].File, "\\setup.exe");
    EXPECT_EQ(entries[0].Parameters, "/q");
    EXPECT_EQ(entries[0].Folder, "\\bin");
    EXPECT_TRUE(entries[0].Wait);
    EXPECT_EQ(entries[1].File, "readme.txt");
    EXPECT_FALSE(entries[1].Wait); // a blank is false
    EXPECT_EQ(entries[2].Parameters, "only");
    EXPECT_EQ(entries[2].Folder, "");
    EXPECT_FALSE(entries[2].Wait);
}

TEST(LoadFile, PiecesTrimmedAndBothRequired) {
    const auto argument = ParseLoadFile("  Image1 \x01 \\pics\\a.png  \x01");
    EXPECT_EQ(argument.ObjectName, "Image1");
    EXPECT_EQ(argument.FileName, "\\pics\\a.png");
    EXPECT_TRUE(argument.Complete());
    EXPECT_FALSE(ParseLoadFile("Image1\x01   \x01").Complete());
    EXPECT_FALSE(ParseLoadFile("Image1\x01 a.png").Complete()); // file without separator
}

TEST(ShowHide, ListsOfNamesOneLineEachAndCountOfPresentLists) {
    std::string packed = "Top\r\nBottom\r\n\x01"
                         "\x01"
                         "\x01"
                         "\x01";
    auto lists = ParseShowHideLists(packed);
    EXPECT_EQ(lists.Present, 4);
    EXPECT_FALSE(lists.Complete());
    EXPECT_EQ(lists.Names[shShowGroups], (std::vector<std::string>{"Top", "Bottom"}));
    EXPECT_TRUE(lists.Names[shHideGroups].empty()); // no empty name that would match all

    packed += "Button1\x01\x01\x01"
              "Edit1\r\n\x01tail";
    lists = ParseShowHideLists(packed);
    EXPECT_EQ(lists.Present, 8);
    EXPECT_TRUE(lists.Complete());
    EXPECT_EQ(lists.Names[shShowObjects], (std::vector<std::string>{"Button1"}));
    EXPECT_EQ(lists.Names[shDisableObjects], (std::vector<std::string>{"Edit1"}));
}

TEST(SlideShow, NinePiecesWithDecimalNumbers) {
    const auto settings = ParseSlideShow("\\pics\x01Y\x01"
                                         "17\x01"
                                         "2\x01"
                                         "5\x01"
                                         "30\x01"
                                         "4\x01"
                                         "16777215\x01"
                                         "\\music.mid\x01");
    ASSERT_TRUE(settings);
    EXPECT_EQ(settings->Folder, "\\pics");
    EXPECT_TRUE(settings->Loop);
    EXPECT_EQ(settings->TransitionStyle, 17);
    EXPECT_EQ(settings->ImageStyle, 2);
    EXPECT_EQ(settings->Step, 5);
    EXPECT_EQ(settings->StepDelay, 30);
    EXPECT_EQ(settings->Interval, 4);
    EXPECT_EQ(settings->BackgroundColor, 0xffffff);
    EXPECT_EQ(settings->MusicFile, "\\music.mid");
    EXPECT_FALSE(ParseSlideShow("\\pics\x01Y\x01"
                                "17\x01")); // pieces missing
    EXPECT_FALSE(ParseSlideShow("\\pics\x01 \x01x\x01"
                                "2\x01"
                                "5\x01"
                                "30\x01"
                                "4\x01"
                                "0\x01"
                                "\x01")); // style not a number
}

TEST(CopyThenOpen, TenPiecesSourceAndTargetTrimmed) {
    const auto argument = ParseCopyThenOpen(" \\data \x01 [Desktop] \x01Y\x01 \x01"
                                            "Copy\x01"
                                            "Copy now?\x01"
                                            "1\x01run.sh\x01-v\x01\\bin\x01");
    EXPECT_EQ(argument.Source, "\\data");
    EXPECT_EQ(argument.Target, "[Desktop]");
    EXPECT_TRUE(argument.Overwrite);
    EXPECT_FALSE(argument.ShowMessage);
    EXPECT_EQ(argument.MessageCaption, "Copy");
    EXPECT_EQ(argument.MessageText, "Copy now?");
    EXPECT_EQ(argument.MessageType, "1");
    EXPECT_EQ(argument.OpenFile, "run.sh");
    EXPECT_EQ(argument.OpenParameters, "-v");
    EXPECT_EQ(argument.OpenFolder, "\\bin");
    const auto cut = ParseCopyThenOpen("\\data\x01/tmp\x01");
    EXPECT_EQ(cut.Target, "/tmp");
    EXPECT_FALSE(cut.Overwrite);
    EXPECT_EQ(cut.OpenFile, "");
}

TEST(ActionGroup, CommandsInOrderAndTheCloseFlagOnlyBeforeAFurtherSeparator) {
    const auto group = ParseActionGroup("4\x03"
                                        "1\x03\\a.wav\x03\x03\x03Y\x04"
                                        "1\x03"
                                        "3\x03setup.exe\x03/q\x03\\bin\x03Y\x03\x04");
    ASSERT_EQ(group.Commands.size(), 2u);
    EXPECT_FALSE(group.BadNumber);
    EXPECT_EQ(group.Commands[0].ActionType, 4);
    EXPECT_EQ(group.Commands[0].ActionFile, "\\a.wav");
    EXPECT_EQ(group.Commands[0].CloseAfterAction, 0); // "Y" as written by the designer
    EXPECT_EQ(group.Commands[1].ActionType, 1);
    EXPECT_EQ(group.Commands[1].ShowCommand, 3);
    EXPECT_EQ(group.Commands[1].ActionParams, "/q");
    EXPECT_EQ(group.Commands[1].ActionDir, "\\bin");
    EXPECT_EQ(group.Commands[1].CloseAfterAction, 1);
}

TEST(ActionGroup, StopsAtAPieceThatIsNotANumber) {
    const auto group = ParseActionGroup("9\x03"
                                        "1\x03\x03\x03\x03 \x04"
                                        "x\x03"
                                        "1\x03\x03\x03\x03 \x04"
                                        "8\x03"
                                        "1\x03\x03\x03\x03 \x04");
    ASSERT_EQ(group.Commands.size(), 1u);
    EXPECT_EQ(group.BadNumber, "x");
    EXPECT_EQ(ParseActionGroup("1\x03?\x03\x04").BadNumber, "?");
    EXPECT_EQ(ParseActionGroup("300\x03"
                               "1\x03\x04")
                  .Commands.at(0)
                  .ActionType,
              255);
    EXPECT_TRUE(ParseActionGroup("1\x03"
                                 "1\x03 no command end")
                    .Commands.empty());
}

TEST(LinkCommand, MarkersInTheirOrderWithBackslashForFiles) {
    auto command = ParseLinkCommand("about:blank#CMD_PRINT=doc.txt&CMD_OPEN=setup.exe");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->ActionType, 1);
    EXPECT_EQ(command->ActionFile, "\\setup.exe"); // the rest of the address after the marker
    command = ParseLinkCommand("x:CMD_OPEN=\\a.pdf");
    EXPECT_EQ(command->ActionFile, "\\a.pdf");
    command = ParseLinkCommand("CMD_EMAIL=me@example.com");
    EXPECT_EQ(command->ActionType, 3);
    EXPECT_EQ(command->ActionFile, "me@example.com");
    EXPECT_EQ(ParseLinkCommand("CMD_SOUND=a.wav")->ActionFile, "\\a.wav");
    EXPECT_EQ(ParseLinkCommand("CMD_PRINT=a.txt")->ActionType, 5);
    command = ParseLinkCommand("CMD_BROWSEdocs");
    EXPECT_EQ(command->ActionType, 7);
    EXPECT_EQ(command->ActionFile, "docs");
    command = ParseLinkCommand("file:///x/CMD_EXIT");
    EXPECT_EQ(command->ActionType, 8);
    EXPECT_EQ(command->ActionFile, "");
    command = ParseLinkCommand("CMD_GOTOPAGE=Second");
    EXPECT_EQ(command->ActionType, 6);
    EXPECT_EQ(command->ActionFile, "Second");
    EXPECT_EQ(command->ShowCommand, 1);
    EXPECT_FALSE(command->CloseAfterAction);
    EXPECT_FALSE(ParseLinkCommand("https://example.com/cmd_open=x"));
}

TEST(LinkCommand, SlashesInFileArgumentsAreBackslashesAndPageNamesKeepTheirs) {
    // The browser hands back the author's backslashes as slashes.
    EXPECT_EQ(ParseLinkCommand("file:///base/CMD_OPEN=docs/a b.pdf")->ActionFile,
              "\\docs\\a b.pdf");
    EXPECT_EQ(ParseLinkCommand("CMD_PRINT=/x/y.txt")->ActionFile, "\\x\\y.txt");
    EXPECT_EQ(ParseLinkCommand("CMD_SOUND=s/a.wav")->ActionFile, "\\s\\a.wav");
    EXPECT_EQ(ParseLinkCommand("CMD_BROWSEdocs/sub")->ActionFile, "docs\\sub");
    EXPECT_EQ(ParseLinkCommand("CMD_GOTOPAGE=A/B")->ActionFile, "A/B");
    EXPECT_EQ(ParseLinkCommand("CMD_EMAIL=a/b@example.com")->ActionFile, "a/b@example.com");
}

TEST(LinkCommand, AtMostAThousandCharactersAfterTheMarker) {
    const std::string name(1500, 'p');
    EXPECT_EQ(ParseLinkCommand("CMD_GOTOPAGE=" + name)->ActionFile, name.substr(0, 1000));
    EXPECT_EQ(ParseLinkCommand("CMD_OPEN=" + name)->ActionFile, "\\" + name.substr(0, 1000));
}

TEST(ShortCommand, RoundTripAndEmptyHintIsNoAction) {
    TCommand command;
    command.ActionType = 17;
    command.ShowCommand = 3;
    command.ActionFile = std::string("a\x01"
                                     "b\x01",
                                     4);
    command.ActionParams = "p";
    command.ActionDir = "\\d";
    command.CloseAfterAction = 1;
    std::string hint;
    ASSERT_TRUE(EncodeShortCommand(command, hint));
    TCommand decoded;
    decoded.ActionType = 9;
    ASSERT_TRUE(DecodeShortCommand(hint, decoded));
    EXPECT_EQ(decoded, command);
    ASSERT_TRUE(DecodeShortCommand("", decoded));
    EXPECT_EQ(decoded, TCommand());

    ErrorCollector errors;
    EXPECT_FALSE(DecodeShortCommand(hint.substr(0, 3), decoded));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("1002"), std::string::npos);
}

} // namespace
} // namespace brelvane
