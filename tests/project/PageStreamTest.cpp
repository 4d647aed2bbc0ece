#include "objects/records/CommandStream.h"
#include "objects/records/ObjectStream.h"
#include "project/PageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// Fields 1 to 42 of a new page.
Bytes NewPageHead() {
    const TPageRecord page;
    return Concat({U8Bytes(7),
                   U8Bytes(2),
                   Int32Bytes(0),
                   StringBytes(""),
                   StringBytes(""),
                   U8Bytes(0),
                   U8Bytes(0),
                   Int32Bytes(0),
                   U8Bytes(0),
                   PictureBytes({}),
                   Int32Bytes(16777215),
                   Int32Bytes(16711680),
                   U8Bytes(1),
                   PictureBytes({}),
                   U8Bytes(3),
                   U8Bytes(1),
                   Int32Bytes(0),
                   Int32Bytes(8),
                   Int32Bytes(8),
                   U8Bytes(80),
                   U8Bytes(1),
                   U8Bytes(1),
                   Int32Bytes(20),
                   Int32Bytes(20),
                   Int32Bytes(20),
                   Int32Bytes(20),
                   StringBytes(""),
                   U8Bytes(0),
                   Int32Bytes(0),
                   U8Bytes(0),
                   U8Bytes(1),
                   Int32Bytes(0),
                   U8Bytes(0),
                   U8Bytes(0),
                   Int32Bytes(5),
                   U8Bytes(1),
                   Int32Bytes(0),
                   Int32Bytes(0),
                   Int32Bytes(640),
                   Int32Bytes(480),
                   CommandBytes(page.StartAction),
                   PictureBytes({})});
}

TEST(PageStream, EmptyListsStillCarryTheirMarkersAndCounts) {
    TPageRecord page;
    page.PageName = "Empty";
    const TFont font;
    const auto expected =
        Concat({NewPageHead(), Int32Bytes(-1), Int32Bytes(0), Int32Bytes(-1), Int32Bytes(0),
                Int32Bytes(-1), Int32Bytes(19), FontBytes(font), Int32Bytes(0), U8Bytes(0),
                U8Bytes(0), FontBytes(font), Int32Bytes(16), Int32Bytes(16), Int32Bytes(0),
                Int32Bytes(0), StringBytes("Empty")});
    EXPECT_EQ(PageBytes(page), expected);
}

TEST(PageStream, NewPageStartActionDefaults) {
    const TPageRecord page;
    EXPECT_EQ(page.StartAction.ShowCommand, 1);
    EXPECT_EQ(page.StartAction.SelectForOpenRunWait, " ");
    EXPECT_EQ(page.Reserved31, 1);
    EXPECT_TRUE(page.ClickContinue);
}

TEST(PageStream, WrittenPagesReadBackAndWriteAgainIdentically) {
    const auto original = FullPage();
    const auto bytes = PageBytes(original);
    TPageRecord back;
    ErrorCollector errors;
    ASSERT_TRUE(ReadPageBytes(bytes, back));
    EXPECT_TRUE(errors.Messages().empty()) << ::testing::PrintToString(errors.Messages());
    EXPECT_EQ(PageBytes(back), bytes);

    EXPECT_EQ(back.MenuBar, original.MenuBar);
    EXPECT_EQ(back.MenuBar[0].Items[1].Items[0].Caption, "File.2.1");
    EXPECT_EQ(back.PopupMenu, original.PopupMenu);
    EXPECT_EQ(back.StatusPanels, original.StatusPanels);
    EXPECT_EQ(back.ToolButtons, original.ToolButtons);
    EXPECT_EQ(back.StartAction, original.StartAction);
    EXPECT_EQ(back.GraphicComment, original.GraphicComment);
    EXPECT_EQ(back.PageIcon, original.PageIcon);
    EXPECT_EQ(back.PageName, "Main Page");
    ASSERT_EQ(back.Objects.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(back.Objects[i]->Props, original.Objects[i]->Props);
        EXPECT_EQ(back.Objects[i]->Kind, original.Objects[i]->Kind);
    }
    EXPECT_EQ(back.Objects[3]->PopupMenu, original.Objects[3]->PopupMenu);
}

// Streams from before menus and bars: the int32 after the start action is the object count.
TEST(PageStream, OlderFormHasTheObjectCountAfterTheStartAction) {
    auto shape = FullPage();
    const auto objectBytes = ObjectBytes(*shape.Objects[3]);
    const auto older = Concat({NewPageHead(), Int32Bytes(1), objectBytes, StringBytes("Old Page")});
    auto page = FullPage();
    ASSERT_TRUE(ReadPageBytes(older, page));
    EXPECT_TRUE(page.MenuBar.empty());
    EXPECT_TRUE(page.PopupMenu.empty());
    EXPECT_TRUE(page.StatusPanels.empty());
    EXPECT_TRUE(page.ToolButtons.empty());
    ASSERT_EQ(page.Objects.size(), 1u);
    EXPECT_EQ(page.Objects[0]->Kind, okShape);
    EXPECT_EQ(page.PageName, "Old Page");

    // A menu bar but neither pop-up menu nor bars.
    const auto withMenu =
        Concat({NewPageHead(), Int32Bytes(-1), Int32Bytes(1), MenuItemBytes(MenuTree("File")),
                Int32Bytes(0), StringBytes("P")});
    ASSERT_TRUE(ReadPageBytes(withMenu, page));
    EXPECT_EQ(page.MenuBar, std::vector<TMenuItem>{MenuTree("File")});
    EXPECT_TRUE(page.Objects.empty());
}

TEST(PageStream, ObjectsKeepTheirOrderAndLoseTheirSelection) {
    auto page = FullPage();
    for (auto& object : page.Objects)
        object->Selected = true;
    TPageRecord back;
    ASSERT_TRUE(ReadPageBytes(PageBytes(page), back));
    for (std::size_t i = 0; i < page.Objects.size(); ++i) {
        EXPECT_EQ(back.Objects[i]->Props.Name, page.Objects[i]->Props.Name);
        EXPECT_FALSE(back.Objects[i]->Selected);
    }
}

TEST(PageStream, TitleFieldsAreTheFirstTen) {
    const auto bytes = PageBytes(FullPage());
    TMemoryStream stream(bytes);
    TPageTitle title;
    ASSERT_TRUE(ReadPageTitleFields(stream, title));
    EXPECT_EQ(title.Caption, "Welcome");
    EXPECT_EQ(title.PageIcon, SamplePicture(TPictureKind::Bitmap));
}

} // namespace
} // namespace brelvane::test
