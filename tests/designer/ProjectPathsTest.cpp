#include "designer/ProjectPaths.h"

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(ProjectPaths, RelativePathsBeginWithABackslash) {
    TempFolder root;
    const auto base = root.File("CDROM");
    std::filesystem::create_directories(base + "/Media/Sounds");
    EXPECT_EQ(MakeProjectRelative(base, base), "\\");
    EXPECT_EQ(MakeProjectRelative(base, base + "/"), "\\");
    EXPECT_EQ(MakeProjectRelative(base, base + "/intro.wav"), "\\intro.wav");
    EXPECT_EQ(MakeProjectRelative(base, base + "/Media/Sounds/a.wav"), "\\Media\\Sounds\\a.wav");
    EXPECT_EQ(MakeProjectRelative(base, root.File("cdrom") + "/x.bmp"), "\\x.bmp");
    EXPECT_EQ(MakeProjectRelative(base, base + "/Media/../logo.png"), "\\logo.png");
}

TEST(ProjectPaths, SiblingsAndEmptyBasesAreOutside) {
    TempFolder root;
    const auto base = root.File("CDROM");
    EXPECT_EQ(MakeProjectRelative(base, root.File("CDROM2") + "/a.bmp"), "");
    EXPECT_EQ(MakeProjectRelative(base, root.Path()), "");
    EXPECT_EQ(MakeProjectRelative("", base + "/a.bmp"), "");
}

TEST(ProjectPaths, NamesTheCodePageCannotHoldAreRefused) {
    TempFolder root;
    const auto base = root.File("CDROM");
    EXPECT_EQ(StoredRelativePath(base, base + "/caf\xc3\xa9.txt"), std::string("\\caf\xe9.txt"));
    EXPECT_EQ(StoredRelativePath(base, base + "/\xe6\x97\xa5.txt"), std::nullopt);
    EXPECT_EQ(MakeProjectRelative(base, base + "/\xe6\x97\xa5.txt"), "");
}

TEST(ProjectPaths, StoredPathsResolveAgainstTheBase) {
    TempFolder root;
    const auto base = root.File("CDROM");
    std::filesystem::create_directories(base + "/Media");
    EXPECT_EQ(ProjectPathOf(base, ""), base);
    EXPECT_EQ(ProjectPathOf(base, "\\"), base);
    EXPECT_EQ(ProjectPathOf(base, " media "), base + "/Media");
}

TEST(ProjectPaths, SubfoldersAreListedInOrderWithoutHiddenOnes) {
    TempFolder root;
    for (const char* name : {"beta", "Alpha", ".hidden", "gamma"})
        std::filesystem::create_directories(root.File(name));
    std::ofstream(root.File("file.txt")) << "x";
    const auto listing = ListSubfolders(root.Path());
    ASSERT_TRUE(listing.Ok);
    EXPECT_EQ(listing.Text, "Alpha\r\nbeta\r\ngamma\r\n");
    const auto missing = ListSubfolders(root.File("none"));
    EXPECT_FALSE(missing.Ok);
    EXPECT_FALSE(missing.Error.empty());
}

} // namespace
} // namespace brelvane::test
