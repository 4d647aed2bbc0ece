#include "designer/TemplateLibrary.h"

#include "storage/ProjectIndex.h"
#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

void Touch(const std::string& path, const std::string& text = "x") {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
}

TEST(TemplateNames, FirstFreeNumberWithThreeDigitsUntilAThousand) {
    TempFolder folder;
    EXPECT_EQ(UniqueTemplateName(folder.Path(), ""), "001");
    Touch(folder.File("001"));
    Touch(folder.File("003"));
    EXPECT_EQ(UniqueTemplateName(folder.Path(), ""), "002");
    for (int n = 1; n <= 999; ++n) {
        char name[8];
        std::snprintf(name, sizeof name, "%03d", n);
        Touch(folder.File(name));
    }
    EXPECT_EQ(UniqueTemplateName(folder.Path(), ""), "1000");
    // A prefix counts on its own: the numbered pages do not take its numbers.
    EXPECT_EQ(UniqueTemplateName(folder.Path(), "Button"), "Button001");
    Touch(folder.File("Button001"));
    EXPECT_EQ(UniqueTemplateName(folder.Path(), "Button"), "Button002");
}

TEST(TemplateNames, ItemsAreVisibleFilesInNameOrderWithoutRegardToCase) {
    TempFolder folder;
    for (const char* name : {"beta", "Alpha", "gamma", ".hidden"})
        Touch(folder.File(name));
    fs::create_directories(folder.File("Icons"));
    fs::create_directories(folder.File("Another folder"));
    EXPECT_EQ(TemplateItems(folder.Path()), (std::vector<std::string>{"Alpha", "beta", "gamma"}));
    EXPECT_TRUE(TemplateItems(folder.File("missing")).empty());
}

TEST(TemplateNames, PlainFileNamesOnly) {
    for (const char* name : {"Blue", "My Page 2", "a.b", "Über"})
        EXPECT_TRUE(IsPlainFileName(name)) << name;
    for (const char* name : {"", ".", "..", "a/b", "a\\b", "c:", "x*", "x?", "\"q\"", "<", ">",
                             "a|b", "tab\there", "\x7f"})
        EXPECT_FALSE(IsPlainFileName(name)) << name;
}

TEST(TemplateNames, GroupsAreTheSubfoldersOfTheObjectLibrary) {
    TempFolder folder;
    for (const char* group : {"02Shapes", "01Buttons", "03Background"})
        fs::create_directories(folder.File(group));
    Touch(folder.File("stray file"));
    EXPECT_EQ(TemplateGroups(folder.Path()),
              (std::vector<std::string>{"01Buttons", "02Shapes", "03Background"}));
    EXPECT_TRUE(TemplateGroups(folder.File("missing")).empty());
}

TEST(TemplateTabs, PickerTabOfEveryPageKind) {
    EXPECT_EQ(PageTemplateTabOf(pkMainPage), 0);
    EXPECT_EQ(PageTemplateTabOf(pkSubPage), 0);
    EXPECT_EQ(PageTemplateTabOf(pkSplashScreen), 1);
    EXPECT_EQ(PageTemplateTabOf(pkScreenBackground), 2);
    EXPECT_EQ(PageTemplateTabOf(pkAgreementForm), 3);
    EXPECT_EQ(PageTemplateTabOf(pkSecurityForm), 4);
    EXPECT_EQ(PageTemplateTabOf(pkExitForm), 5);
    const TTemplateLibrary library{"/lib"};
    EXPECT_EQ(library.PagesFolder(5), "/lib/Pages/Exit Form");
    EXPECT_EQ(library.GroupFolder("01Buttons"), "/lib/Objects/01Buttons");
}

TEST(FitIconRect, ShrinksToFitAndCentresInTheWholePicture) {
    EXPECT_EQ(FitIconRect(128, 96, 5, 640, 480), QRect(3, 2, 121, 91));
    EXPECT_EQ(FitIconRect(128, 96, 5, 246, 182), QRect(2, 2, 123, 91));
    // Never enlarged.
    EXPECT_EQ(FitIconRect(64, 48, 0, 40, 20), QRect(12, 14, 40, 20));
    // Only the height too large, then only the width.
    EXPECT_EQ(FitIconRect(64, 48, 0, 30, 96), QRect(24, 0, 15, 48));
    EXPECT_EQ(FitIconRect(64, 48, 0, 128, 20), QRect(0, 19, 64, 10));
    // Both too large, the width deciding.
    EXPECT_EQ(FitIconRect(64, 48, 0, 640, 100), QRect(0, 19, 64, 10));
    // Empty sizes count as one pixel.
    EXPECT_EQ(FitIconRect(64, 48, 0, 0, 0), QRect(31, 23, 1, 1));
}

TEST(TemplateFiles, RenameKeepsThePreviewAndRefusesTakenOrImproperNames) {
    TempFolder folder;
    Touch(folder.File("001"), "one");
    Touch(folder.File("002"), "two");
    Touch(folder.File("Icons/001"), "preview");
    EXPECT_FALSE(RenameTemplate(folder.Path(), "001", "002"));
    EXPECT_EQ(ReadFileBytes(folder.File("002")), (Bytes{'t', 'w', 'o'}));
    for (const char* name : {"", "..", "../outside", "a/b", "x:y"})
        EXPECT_FALSE(RenameTemplate(folder.Path(), "001", name)) << name;
    EXPECT_FALSE(fs::exists(fs::path(folder.Path()).parent_path() / "outside"));
    ASSERT_TRUE(RenameTemplate(folder.Path(), "001", "Blue"));
    EXPECT_FALSE(fs::exists(folder.File("001")));
    EXPECT_EQ(ReadFileBytes(folder.File("Blue")), (Bytes{'o', 'n', 'e'}));
    EXPECT_TRUE(fs::exists(folder.File("Icons/Blue")));
    // A template without a preview renames all the same.
    EXPECT_TRUE(RenameTemplate(folder.Path(), "002", "Green"));
    EXPECT_FALSE(RenameTemplate(folder.Path(), "missing", "Red"));
}

TEST(TemplateFiles, DeletingNeverLeavesTheFolder) {
    TempFolder folder;
    Touch(folder.File("lib/001"));
    Touch(folder.File("keep"));
    EXPECT_FALSE(DeleteTemplateFile(folder.File("lib"), "../keep"));
    EXPECT_TRUE(fs::exists(folder.File("keep")));
    EXPECT_TRUE(DeleteTemplateFile(folder.File("lib"), "001"));
    EXPECT_FALSE(DeleteTemplateFile(folder.File("lib"), "001"));
}

} // namespace
} // namespace brelvane::test
