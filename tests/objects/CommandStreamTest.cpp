#include "objects/records/CommandStream.h"

#include "objects/ObjectTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TCommand FilledCommand() {
    TCommand c;
    c.ActionType = 7;
    c.ShowCommand = 3;
    c.ActionFile = "\\Setup\\setup.exe";
    c.ActionParams = "/q";
    c.ActionDir = "\\Setup";
    c.CloseAfterAction = 1;
    c.ClickSound = "\\click.wav";
    c.MouseDownSound = "\\down.wav";
    c.MouseUpSound = "\\up.wav";
    c.MouseEnterSound = "\\enter.wav";
    c.MouseLeaveSound = "\\leave.wav";
    c.Cursor = "\\hand.cur";
    c.Name = "Button1";
    c.Comment = "Installs it";
    c.CommentViewer = "StatusBar[0]";
    c.GraphicCommentViewer = "Image1";
    c.SelectForOpenRun = "\\a.exe";
    c.SelectForOpenRunParams = "-x";
    c.SelectForOpenRunDir = "\\dir";
    c.SelectForOpenRunWait = "Y";
    c.WindowMoveHandle = true;
    c.Enabled = false;
    c.Visible = true;
    c.GroupName = "Tabs";
    c.CheckStyleInGroup = true;
    c.Checked = false;
    return c;
}

Bytes Text(std::string_view text) {
    return {text.begin(), text.end()};
}

TEST(PackedStrings, DefaultsPackToTheirExactBytes) {
    const TCommand defaults;
    EXPECT_EQ(Text(PackStringB(defaults)), Bytes({1, 1, 1, 1}));
    EXPECT_EQ(Text(PackStringA(defaults)),
              Bytes({2, 2, 2, ' ', 2, 1, ' ', 1, 'Y', 1, 'Y', 1, 1, ' ', 1, ' ', 1}));
}

TEST(PackedStrings, FilledFieldsPackInOrder) {
    const auto c = FilledCommand();
    EXPECT_EQ(PackStringB(c), "Button1\x01Installs it\x01StatusBar[0]\x01Image1\x01");
    EXPECT_EQ(PackStringA(c),
              "\\a.exe\x02-x\x02\\dir\x02Y\x02\x01Y\x01 \x01Y\x01Tabs\x01Y\x01 \x01");
}

TEST(PackedStrings, UnpackRestoresEveryPackedField) {
    const auto c = FilledCommand();
    TCommand back;
    back.SavedViewerText = "kept";
    UnpackStringA(PackStringA(c), back);
    UnpackStringB(PackStringB(c), back);
    EXPECT_EQ(back.SelectForOpenRun, c.SelectForOpenRun);
    EXPECT_EQ(back.SelectForOpenRunParams, c.SelectForOpenRunParams);
    EXPECT_EQ(back.SelectForOpenRunDir, c.SelectForOpenRunDir);
    EXPECT_EQ(back.SelectForOpenRunWait, "Y");
    EXPECT_TRUE(back.WindowMoveHandle);
    EXPECT_FALSE(back.Enabled);
    EXPECT_TRUE(back.Visible);
    EXPECT_EQ(back.GroupName, "Tabs");
    EXPECT_TRUE(back.CheckStyleInGroup);
    EXPECT_FALSE(back.Checked);
    EXPECT_EQ(back.Name, "Button1");
    EXPECT_EQ(back.Comment, "Installs it");
    EXPECT_EQ(back.CommentViewer, "StatusBar[0]");
    EXPECT_EQ(back.GraphicCommentViewer, "Image1");
}

// Streams written before the flags existed: objects must come up enabled and visible.
TEST(PackedStrings, OlderStreamsLeaveObjectsEnabledAndVisible) {
    for (const std::string packed : {"", "\\a.exe", "\\a.exe\x02-x\x01"}) {
        TCommand c;
        c.Enabled = false;
        c.Visible = false;
        c.Checked = true;
        c.GroupName = "old";
        UnpackStringA(packed, c);
        EXPECT_TRUE(c.Enabled) << packed;
        EXPECT_TRUE(c.Visible) << packed;
        EXPECT_FALSE(c.WindowMoveHandle);
        EXPECT_FALSE(c.Checked);
        EXPECT_EQ(c.GroupName, "");
        EXPECT_EQ(c.SelectForOpenRunWait, "") << packed;
    }
    TCommand c;
    UnpackStringA("\\a.exe\x02-x\x01", c);
    EXPECT_EQ(c.SelectForOpenRun, "\\a.exe");
    EXPECT_EQ(c.SelectForOpenRunParams, "-x");
    EXPECT_EQ(c.SelectForOpenRunDir, "");
}

TEST(PackedStrings, UnpackingStopsAtTheFirstMissingSeparator) {
    TCommand c;
    UnpackStringA("\x02\x02\x02Y\x02\x01Y\x01 \x01Y", c);
    EXPECT_TRUE(c.WindowMoveHandle);
    EXPECT_FALSE(c.Enabled);
    EXPECT_TRUE(c.Visible); // its piece has no end byte
    EXPECT_EQ(c.SelectForOpenRunWait, "Y");

    c.Name = "old";
    c.CommentViewer = "old";
    UnpackStringB("Button2\x01Half a comment", c);
    EXPECT_EQ(c.Name, "Button2");
    EXPECT_EQ(c.Comment, "");
    EXPECT_EQ(c.CommentViewer, "");
    EXPECT_EQ(c.GraphicCommentViewer, "");
}

TEST(CommandRecord, StoresFieldsInTheirOrder) {
    const auto c = FilledCommand();
    const auto expected = Concat({U8Bytes(7), Int32Bytes(3), StringBytes(PackStringA(c)),
                                  StringBytes(c.ActionFile), StringBytes(c.ActionParams),
                                  StringBytes(c.ActionDir), U8Bytes(1), StringBytes(c.ClickSound),
                                  StringBytes(c.MouseDownSound), StringBytes(c.MouseUpSound),
                                  StringBytes(c.MouseEnterSound), StringBytes(c.MouseLeaveSound),
                                  StringBytes(c.Cursor), StringBytes(PackStringB(c))});
    EXPECT_EQ(Stored([](TStream& s, const TCommand& v) { return WriteCommand(s, v); }, c),
              expected);
}

TEST(CommandRecord, ReadsBackAndHandsOutPackedStringB) {
    auto c = FilledCommand();
    c.SavedViewerText = "never stored";
    TMemoryStream stream;
    ASSERT_TRUE(WriteCommand(stream, c));
    stream.Seek(0);
    TCommand back;
    std::string packedB;
    ErrorCollector errors;
    ASSERT_TRUE(ReadCommand(stream, back, &packedB));
    EXPECT_TRUE(errors.Messages().empty());
    c.SavedViewerText.clear();
    EXPECT_EQ(back, c);
    EXPECT_EQ(packedB, PackStringB(c));
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(CommandRecord, EmptyPackedStringBIsReportedAsEmpty) {
    TMemoryStream stream(
        Concat({U8Bytes(0), Int32Bytes(1), StringBytes(""), StringBytes(""), StringBytes(""),
                StringBytes(""), U8Bytes(0), StringBytes(""), StringBytes(""), StringBytes(""),
                StringBytes(""), StringBytes(""), StringBytes(""), StringBytes("")}));
    TCommand back;
    std::string packedB = "x";
    ASSERT_TRUE(ReadCommand(stream, back, &packedB));
    EXPECT_EQ(packedB, "");
    EXPECT_TRUE(back.Visible);
}

TEST(CommandRecord, CutRecordFailsWithOneBox) {
    TMemoryStream full;
    ASSERT_TRUE(WriteCommand(full, FilledCommand()));
    auto bytes = full.Bytes();
    bytes.resize(bytes.size() - 3); // inside packed string B
    TMemoryStream cutInString(bytes);
    ErrorCollector errors;
    TCommand back;
    EXPECT_FALSE(ReadCommand(cutInString, back));
    EXPECT_EQ(errors.Messages().size(), 1u);

    ExpectReadFails<TCommand>([](TStream& s, TCommand& v) { return ReadCommand(s, v); }, {7, 1, 0},
                              kReadCommandError);
}

} // namespace
} // namespace brelvane::test
