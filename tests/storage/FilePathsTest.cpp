#include "storage/FilePaths.h"

#include "storage/StorageTestSupport.h"

#include <cctype>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

// Windows finds names in any case by itself, so there a path names the same
// file whatever the case of its letters; elsewhere it is spelled as on disk.
void ExpectSamePath(std::string actual, std::string expected) {
#ifdef _WIN32
    for (auto* path : {&actual, &expected})
        for (auto& c : *path)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
#endif
    EXPECT_EQ(actual, expected);
}

TEST(FilePaths, ComponentsMatchWithoutRegardToCaseWhenExactCaseIsMissing) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/AutoRunSource/Media");
    test::WriteFileBytes(folder.Path() + "/AutoRunSource/Media/Intro.WAV", {1});

    ExpectSamePath(ResolvePath(folder.Path() + "/autorunsource/MEDIA/intro.wav"),
                   folder.Path() + "/AutoRunSource/Media/Intro.WAV");
    EXPECT_TRUE(FileExists(folder.Path() + "\\AUTORUNSOURCE\\media\\INTRO.wav"));
    EXPECT_TRUE(FolderExists(folder.Path() + "/autorunsource"));
    EXPECT_FALSE(FileExists(folder.Path() + "/autorunsource"));
}

TEST(FilePaths, ExactPathsAndMissingTailsAreKept) {
    test::TempFolder folder;
    std::filesystem::create_directories(folder.Path() + "/Data");
    EXPECT_EQ(ResolvePath(folder.Path() + "/Data"), folder.Path() + "/Data");
    // The tail that matches nothing stays as given, after the part that did match.
    ExpectSamePath(ResolvePath(folder.Path() + "/data/New/File.txt"),
                   folder.Path() + "/Data/New/File.txt");
    EXPECT_FALSE(FileExists(folder.Path() + "/data/New/File.txt"));
}

TEST(FilePaths, BackslashesBecomeSlashes) {
    EXPECT_EQ(ResolvePath("\\nonexistent\\a\\b.txt"), "/nonexistent/a/b.txt");
}

TEST(FilePaths, InsideAFolderMeansBelowItsRealLocationComponentByComponent) {
    test::TempFolder folder;
    const std::string base = folder.Path() + "/Base";
    std::filesystem::create_directories(base + "/Docs");
    std::filesystem::create_directories(folder.Path() + "/BaseCopy");
    std::filesystem::create_directories(folder.Path() + "/Outside");
    EXPECT_TRUE(IsInsideFolder(base, base));
    EXPECT_TRUE(IsInsideFolder(base + "/Docs", base + "/"));
    EXPECT_TRUE(IsInsideFolder(base + "/docs/New/file.txt", base)); // case and a missing tail
    EXPECT_FALSE(
        IsInsideFolder(folder.Path() + "/BaseCopy", base)); // a name that only starts alike
    EXPECT_FALSE(IsInsideFolder(base + "/../Outside", base));
    EXPECT_FALSE(IsInsideFolder(base, base + "/Docs"));
#ifndef _WIN32
    std::filesystem::create_directory_symlink(folder.Path() + "/Outside", base + "/Link");
    EXPECT_FALSE(IsInsideFolder(base + "/Link", base));
    std::filesystem::create_directory_symlink(base + "/Docs", folder.Path() + "/Outside/Back");
    EXPECT_TRUE(IsInsideFolder(folder.Path() + "/Outside/Back", base));
#endif
}

} // namespace
} // namespace brelvane
