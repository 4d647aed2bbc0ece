#include "objects/records/ActionArguments.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

// Byte 1 to 4 spelled out so the expected texts read as stored.
const std::string S1 = "\x01", S2 = "\x02", S3 = "\x03", S4 = "\x04";

TEST(ActionCompose, FileListWritesEveryPieceAndBothSeparators) {
    const std::string text = "\\setup.exe" + S1 + "/q" + S1 + "\\bin" + S1 + "Y" + S1 + S2 +
                             "\\a b\\read.txt" + S1 + S1 + "\\a b" + S1 + " " + S1 + S2;
    const auto entries = ParseFileList(text);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(ComposeFileList(entries), text);
    EXPECT_EQ(ComposeFileList({}), "");
}

TEST(ActionCompose, LoadFileIsNameThenFile) {
    const std::string text = "Image1" + S1 + "\\pics\\a.png" + S1;
    EXPECT_EQ(ComposeLoadFile(ParseLoadFile(text)), text);
    EXPECT_EQ(ComposeLoadFile({}), S1 + S1);
}

TEST(ActionCompose, ShowHideWritesEightListsWithCrLfNames) {
    const std::string text = "G1\r\nG2\r\n" + S1 + S1 + S1 + "G3\r\n" + S1 + "Button1\r\n" + S1 +
                             S1 + "Text 2\r\n" + S1 + S1;
    const auto lists = ParseShowHideLists(text);
    ASSERT_TRUE(lists.Complete());
    EXPECT_EQ(ComposeShowHideLists(lists), text);
    EXPECT_EQ(ComposeShowHideLists({}), std::string(8, '\x01'));
}

TEST(ActionCompose, SlideShowNumbersAreDecimalAndLoopIsYOrBlank) {
    const std::string text = "\\photos" + S1 + "Y" + S1 + "17" + S1 + "3" + S1 + "4" + S1 + "50" +
                             S1 + "2" + S1 + "-2147483633" + S1 + "\\music.mp3" + S1;
    const auto parsed = ParseSlideShow(text);
    ASSERT_TRUE(parsed);
    EXPECT_EQ(ComposeSlideShow(*parsed), text);
    TSlideShowArgument noLoop;
    noLoop.BackgroundColor = 16777215;
    EXPECT_EQ(ComposeSlideShow(noLoop), S1 + " " + S1 + "0" + S1 + "0" + S1 + "0" + S1 + "0" + S1 +
                                            "0" + S1 + "16777215" + S1 + S1);
}

TEST(ActionCompose, CopyThenOpenTrimsEveryPiece) {
    const std::string text = "\\data" + S1 + "[Program Files]" + S1 + " " + S1 + "Y" + S1 +
                             "Copy File" + S1 + "Continue?" + S1 + "1" + S1 + "\\run.exe" + S1 +
                             "-x" + S1 + "\\" + S1;
    EXPECT_EQ(ComposeCopyThenOpen(ParseCopyThenOpen(text)), text);
    TCopyThenOpenArgument padded;
    padded.Source = "  \\src ";
    padded.MessageCaption = " Caption\t";
    padded.OpenFolder = " \\ ";
    EXPECT_EQ(ComposeCopyThenOpen(padded), "\\src" + S1 + S1 + " " + S1 + " " + S1 + "Caption" +
                                               S1 + S1 + S1 + S1 + S1 + "\\" + S1);
}

TEST(ActionCompose, GroupEndsEachCommandWithFlagAndByteFour) {
    const std::string text = "4" + S3 + "1" + S3 + "\\ding.wav" + S3 + S3 + S3 + " " + S4 + "1" +
                             S3 + "3" + S3 + "\\setup.exe" + S3 + "/s" + S3 + "\\" + S3 + " " + S4;
    const auto group = ParseActionGroup(text);
    ASSERT_EQ(group.Commands.size(), 2u);
    EXPECT_EQ(ComposeActionGroup(group.Commands), text);
    TCommand closing;
    closing.ActionType = 9;
    closing.CloseAfterAction = 1;
    EXPECT_EQ(ComposeActionGroup({closing}), "9" + S3 + "1" + S3 + S3 + S3 + S3 + "Y" + S4);
}

} // namespace
} // namespace brelvane
