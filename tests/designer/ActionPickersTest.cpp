#include "designer/ActionPickers.h"

#include "DesignerFixture.h"
#include "designer/ProjectPickers.h"

#include <filesystem>

namespace brelvane::test {
namespace {

TEST(ActionPickers, DialogsChooseThroughTheProjectPickersWithTheFittingFilter) {
    EnsureDesignerApplication();
    TempFolder root;
    const auto base = root.File("CDROM");
    std::filesystem::create_directories(base + "/Setup");
    WriteText(base + "/Setup/vc.msi", "x");
    WriteText(base + "/logo.png", "x");
    ScriptedPickerDialogs dialogs;
    BoxLog boxes;
    TProjectPickers pickers{[&base] { return base; }, dialogs, nullptr};
    TActionContext context;
    UseProjectPickers(context, pickers);

    dialogs.Files = {base + "/Setup/vc.msi", base + "/logo.png"};
    std::string path;
    ASSERT_TRUE(context.ChooseFile(path, TFilePurpose::Installer));
    EXPECT_EQ(path, "\\Setup\\vc.msi");
    EXPECT_EQ(dialogs.Calls.back().Title, kProgramFilter);
    ASSERT_TRUE(context.ChooseFile(path, TFilePurpose::Picture));
    EXPECT_EQ(path, "\\logo.png");
    EXPECT_EQ(dialogs.Calls.back().Title, kPictureFilter);
    EXPECT_FALSE(context.ChooseFile(path, TFilePurpose::Sound)); // cancelled
    EXPECT_EQ(dialogs.Calls.back().Title, kAllFilesFilter);

    dialogs.Folders = {base + "/Setup"};
    std::string folder;
    ASSERT_TRUE(context.ChooseFolder(folder));
    EXPECT_EQ(folder, "\\Setup");
}

} // namespace
} // namespace brelvane::test
