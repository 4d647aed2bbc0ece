#include "app/Cleanup.h"

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

namespace fs = std::filesystem;

TEST(Cleanup, ReverseWalkRemovesFilesBeforeFoldersAndSubfoldersBeforeParents) {
    test::TempFolder temp;
    const auto root = temp.File("Brelvane0");
    std::vector<std::string> list;
    // The order in which unpacking records what it creates.
    fs::create_directory(root);
    AddCleanupFolder(list, root);
    fs::create_directory(root + "/AutoRunSource");
    AddCleanupFolder(list, root + "/AutoRunSource");
    fs::create_directory(root + "/AutoRunSource/Media");
    AddCleanupFolder(list, root + "/AutoRunSource/Media");
    for (const char* file :
         {"/autorun.exe", "/AutoRunSource/AutoRun.src", "/AutoRunSource/Media/a.wav"}) {
        test::WriteFileBytes(root + file, {1, 2, 3});
        AddCleanupFile(list, root + file);
    }
    RunCleanup(list);
    EXPECT_FALSE(fs::exists(root));
}

TEST(Cleanup, FolderWithForeignFilesStaysAndFailuresAreIgnored) {
    test::TempFolder temp;
    const auto root = temp.File("Brelvane1");
    fs::create_directory(root);
    test::WriteFileBytes(root + "/written-later.txt", {1});
    std::vector<std::string> list;
    AddCleanupFolder(list, root);
    AddCleanupFile(list, root + "/already-gone.txt");
    RunCleanup(list);
    EXPECT_TRUE(fs::exists(root + "/written-later.txt"));
}

TEST(Cleanup, FileEntryNeverRemovesAFolder) {
    test::TempFolder temp;
    const auto folder = temp.File("empty");
    fs::create_directory(folder);
    std::vector<std::string> list;
    AddCleanupFile(list, folder);
    RunCleanup(list);
    EXPECT_TRUE(fs::is_directory(folder));
}

} // namespace
} // namespace brelvane
