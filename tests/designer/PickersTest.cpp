#include "DesignerFixture.h"
#include "designer/ProjectPickers.h"

#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;
using platform::TAnswer;

struct PickerFixture {
    bool Ready = (EnsureDesignerApplication(), true);
    TempFolder Root;
    std::string Base = Root.File("CDROM");
    ScriptedPickerDialogs Dialogs;
    BoxLog Boxes;
    TProjectPickers Pickers{[this] { return Base; }, Dialogs, nullptr};
    PickerFixture() { fs::create_directories(Base + "/Media"); }
};

TEST(Pickers, FoldersInTheProjectComeBackRelative) {
    PickerFixture f;
    f.Dialogs.Folders = {f.Base, f.Base + "/Media/"};
    std::string start = "\\Media";
    ASSERT_TRUE(f.Pickers.ChooseFolderInProject(start));
    EXPECT_EQ(start, "\\");
    EXPECT_EQ(f.Dialogs.Calls[0].Title, "Select Folder");
    EXPECT_EQ(f.Dialogs.Calls[0].Root, f.Base);
    EXPECT_EQ(f.Dialogs.Calls[0].Start, f.Base + "/Media");
    ASSERT_TRUE(f.Pickers.ChooseFolderInProject(start, "Pictures"));
    EXPECT_EQ(start, "\\Media");
}

TEST(Pickers, AVanishedStartFolderOpensOnTheBaseAndCancelKeepsTheValue) {
    PickerFixture f;
    std::string start = "\\Gone";
    EXPECT_FALSE(f.Pickers.ChooseFolderInProject(start));
    EXPECT_EQ(start, "\\Gone");
    EXPECT_EQ(f.Dialogs.Calls[0].Start, f.Base);
}

TEST(Pickers, TheSourceFolderAndPlacesOutsideAreRefused) {
    PickerFixture f;
    fs::create_directories(f.Base + "/AutoRunSource");
    f.Dialogs.Folders = {f.Base + "/autorunsource", f.Root.File("CDROM2")};
    std::string start;
    EXPECT_FALSE(f.Pickers.ChooseFolderInProject(start));
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: You can not select the \"AutoRunSource\" folder, "
                                    "it includes auto run source files.");
    EXPECT_FALSE(f.Pickers.ChooseFolderInProject(start));
    EXPECT_EQ(start, "");
}

TEST(Pickers, FilesInTheProjectComeBackRelative) {
    PickerFixture f;
    WriteText(f.Base + "/intro.wav", "x");
    WriteText(f.Base + "/Media/logo.png", "x");
    f.Dialogs.Files = {f.Base + "/intro.wav", f.Base + "/Media/logo.png"};
    std::string start;
    ASSERT_TRUE(f.Pickers.ChooseFileInProject(start));
    EXPECT_EQ(start, "\\intro.wav");
    EXPECT_EQ(f.Dialogs.Calls[0].Start, f.Base);
    ASSERT_TRUE(f.Pickers.ChooseFileInProject(start, kPictureFilter));
    EXPECT_EQ(start, "\\Media\\logo.png");
    EXPECT_EQ(f.Dialogs.Calls[1].Start, f.Base + "/intro.wav");
    EXPECT_TRUE(f.Boxes.Shown.empty());
}

TEST(Pickers, AFileFromOutsideIsCopiedInWhenTheUserAgrees) {
    PickerFixture f;
    const auto outside = f.Root.File("song.mp3");
    WriteText(outside, "music");
    f.Dialogs.Files = {outside, outside};
    f.Dialogs.Folders = {f.Base, f.Base};
    std::string start;
    ASSERT_TRUE(f.Pickers.ChooseFileInProject(start));
    EXPECT_EQ(start, "\\song.mp3");
    EXPECT_EQ(ReadFileBytes(f.Base + "/song.mp3"), ReadFileBytes(outside));
    EXPECT_EQ(f.Boxes.Shown[0], "Copy file: The file you selected is not in project folder (CD-ROM "
                                "base folder), copy it to project folder?");
    EXPECT_EQ(f.Dialogs.Calls[1].Title,
              "Copy selected file to project folder (CD-ROM base folder)");
    f.Boxes.Answers = {TAnswer::Yes, TAnswer::No};
    start = "\\old.mp3";
    EXPECT_FALSE(f.Pickers.ChooseFileInProject(start));
    EXPECT_EQ(f.Boxes.Shown.back(), "File Exists: \"\\song.mp3\" already exists, overwrite?");
    EXPECT_EQ(start, "\\old.mp3");
}

TEST(Pickers, ASourceFolderChosenAsProjectFolderOffersItsParent) {
    PickerFixture f;
    const auto source = f.Base + "/AutoRunSource";
    fs::create_directories(source);
    WriteText(source + "/AutoRun.src", "");
    f.Dialogs.Folders = {source, f.Base + "/Media/AutoRunSource"};
    fs::create_directories(f.Base + "/Media/AutoRunSource");
    std::string folder;
    ASSERT_TRUE(f.Pickers.ChooseProjectFolder(folder));
    EXPECT_EQ(folder, f.Base);
    EXPECT_EQ(f.Boxes.Shown.size(), 1u);
    ASSERT_TRUE(f.Pickers.ChooseProjectFolder(folder));
    EXPECT_EQ(folder, f.Base + "/Media/AutoRunSource");
    EXPECT_EQ(f.Boxes.Shown.size(), 1u);
}

TEST(Pickers, NamesOutsideTheCodePageAreRefusedWithAMessage) {
    PickerFixture f;
    const auto name = f.Base + "/\xe6\x97\xa5.png";
    WriteText(name, "x");
    f.Dialogs.Files = {name};
    std::string start;
    EXPECT_FALSE(f.Pickers.ChooseFileInProject(start));
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(start, "");
}

} // namespace
} // namespace brelvane::test
