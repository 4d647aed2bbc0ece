#include "storage/exe/VersionInfo.h"

#include "ExeTestSupport.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/VersionStrings.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

Bytes VersionResourceOf(const std::string& path) {
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const auto tree = ReadExecutableResources(file);
    const auto* version = tree.Find(TResourceId::Of(kResourceVersion), TResourceId::Of(1));
    return version ? version->Data : Bytes{};
}

// The values MakeFixtures.py gives windres.
TVersionBlock FixtureBlock() {
    TVersionBlock block;
    block.FileVersion = block.ProductVersion = {1, 2, 3, 4};
    block.Strings = {{"CompanyName", PadToVersionSlot("Fixture Company")},
                     {"FileDescription", PadToVersionSlot("Fixture description")},
                     {"FileVersion", "1.2.3.4"},
                     {"LegalCopyright", PadToVersionSlot("(C) Fixture")},
                     {"ProductName", "Fixture"}};
    return block;
}

TEST(VersionInfo, BuiltBlockIsLaidOutAsTheResourceCompilerDoes) {
    const Bytes compiled = VersionResourceOf(test::FixturePath("full32.exe"));
    ASSERT_FALSE(compiled.empty());
    EXPECT_EQ(BuildVersionResource(FixtureBlock()), compiled);
    // The generic tree reads it and writes the same bytes.
    EXPECT_EQ(WriteVersionTree(ReadVersionTree(compiled)), compiled);
}

TEST(VersionInfo, ValuesAreFoundWithKeysFoldedToUpperCase) {
    const Bytes block = BuildVersionResource(FixtureBlock());
    const std::string_view lower[] = {"vs_version_info", "stringfileinfo", "040904e4",
                                      "fileversion"};
    const auto value = FindVersionValue(block, lower);
    ASSERT_TRUE(value.has_value());
    EXPECT_EQ(VersionValueText(block, *value), "1.2.3.4");
    const auto slot = QueryVersionString(block, kVersionTable, "CompanyName");
    EXPECT_EQ(slot.size(), kVersionSlotLength);
    EXPECT_EQ(slot.substr(0, 16), "Fixture Company ");
    EXPECT_EQ(QueryVersionString(block, "040704B0", "CompanyName"), "");
    EXPECT_EQ(QueryVersionString(block, kVersionTable, "Comments"), "");
}

TEST(VersionInfo, DamagedNodesAreRefused) {
    const Bytes good = BuildVersionResource(FixtureBlock());
    const std::string_view path[] = {"VS_VERSION_INFO", "StringFileInfo", "040904E4",
                                     "ProductName"};
    ASSERT_TRUE(FindVersionValue(good, path).has_value());

    // The first child (StringFileInfo) follows the 92-byte root header and value.
    const std::size_t child = 92;
    ASSERT_EQ(good[child + 6], 'S');
    Bytes zero = good;
    zero[child] = zero[child + 1] = 0;
    EXPECT_THROW(FindVersionValue(zero, path), EExeFormat);
    EXPECT_THROW(ReadVersionTree(zero), EExeFormat);

    Bytes past = good;
    past[child] = 0xFF;
    past[child + 1] = 0x7F;
    EXPECT_THROW(FindVersionValue(past, path), EExeFormat);

    Bytes cut(good.begin(), good.begin() + 40);
    EXPECT_THROW(FindVersionValue(cut, path), EExeFormat);
    EXPECT_THROW(ReadVersionTree({}), EExeFormat);
}

TEST(FileVersion, IsReadFromPeFilesOfBothWidthsAndEmptyOtherwise) {
    EXPECT_EQ(ReadFileVersion(test::FixturePath("full32.exe")), "1.2.3.4");
    EXPECT_EQ(ReadFileVersion(test::FixturePath("wide64.exe")), "1.2.3.4");
    EXPECT_EQ(ReadFileVersion(test::FixturePath("german32.exe")), "");
    EXPECT_EQ(ReadFileVersion(test::FixturePath("no-such.exe")), "");
    EXPECT_EQ(ReadFileVersion(test::FixturePath("six.ico")), "");

    test::TempFolder folder;
    // Cut in the middle of the section table: no throw, no version.
    Bytes bytes = test::ReadFileBytes(test::FixturePath("full32.exe"));
    bytes.resize(0x200);
    test::WriteFileBytes(folder.File("cut.exe"), bytes);
    EXPECT_EQ(ReadFileVersion(folder.File("cut.exe")), "");
}

} // namespace
} // namespace brelvane
