#include "ExeTestSupport.h"
#include "storage/exe/ElfImage.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/IconGroup.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionInfo.h"
#include "storage/exe/VersionStrings.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

std::string ThisProgram() {
    return std::filesystem::read_symlink("/proc/self/exe").string();
}

// A copy of this test program with a resource section as the build adds it
// to ours: an icon group of the fixture's six images and a version block.
std::string ElfWithResources(const test::TempFolder& folder) {
    const Bytes iconBytes = test::ReadFileBytes(test::FixturePath("six.ico"));
    TIconFile icon;
    EXPECT_TRUE(ParseIconFile(iconBytes, icon));
    TResourceTree tree;
    TGroupIcon group;
    for (std::size_t i = 0; i < icon.Images.size(); ++i) {
        const auto id = static_cast<std::uint16_t>(i + 1);
        group.Entries.push_back({icon.Images[i].Directory, id});
        tree.Put({TResourceId::Of(kResourceIcon), TResourceId::Of(id), 1033, 0,
                  Bytes(icon.Images[i].Data.begin(), icon.Images[i].Data.end())});
    }
    tree.Put({TResourceId::Of(kResourceGroupIcon), TResourceId::Of(kMainIconName), 1033, 0,
              WriteGroupIcon(group)});
    TVersionBlock block;
    block.Strings = {{"CompanyName", PadToVersionSlot("Elf Company")},
                     {"FileDescription", PadToVersionSlot("Elf description")},
                     {"FileVersion", "0.1 (abcdef012345)"},
                     {"LegalCopyright", PadToVersionSlot("(C) Elf")}};
    tree.Put({TResourceId::Of(kResourceVersion), TResourceId::Of(1), 1033, 0,
              BuildVersionResource(block)});
    test::WriteFileBytes(folder.File("section.bin"), WriteResourceDirectory(tree, 0));
    const auto program = folder.File("program");
    const auto added = test::RunCommand(
        std::string(BRELVANE_OBJCOPY) + " --add-section .rsrc='" + folder.File("section.bin") +
        "' --set-section-flags .rsrc=contents,readonly '" + ThisProgram() + "' '" + program + "'");
    EXPECT_EQ(added.Status, 0) << added.Output;
    return program;
}

TElfSection ResourceSection(const std::string& path) {
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const auto image = ReadElfImage(file);
    const int index = FindElfSection(image, ".rsrc");
    EXPECT_GE(index, 0);
    return index < 0 ? TElfSection{} : image.Sections[static_cast<std::size_t>(index)];
}

TEST(ElfResources, VersionAndIconAreReadFromTheSection) {
    test::TempFolder folder;
    const auto program = ElfWithResources(folder);
    EXPECT_EQ(ResourceSection(program).Flags & kElfSectionAllocated, 0u);
    EXPECT_EQ(ReadFileVersion(program), "0.1 (abcdef012345)");
    EXPECT_EQ(ReadMainIcon(program), test::ReadFileBytes(test::FixturePath("six.ico")));
    std::string description, company, legal;
    EXPECT_TRUE(ReadVersionStrings(program, description, company, legal));
    EXPECT_EQ(description + "|" + company + "|" + legal, "Elf description|Elf Company|(C) Elf");
    // Without the section the program has no version.
    EXPECT_EQ(ReadFileVersion(ThisProgram()), "");
}

TEST(ElfResources, RelabellingWritesOnlyTheSlots) {
    test::TempFolder folder;
    const auto program = ElfWithResources(folder);
    const Bytes before = test::ReadFileBytes(program);
    RewriteVersionStrings(program, PadToVersionSlot("Ours"), PadToVersionSlot("Menu"),
                          PadToVersionSlot("(C) Us"));
    const auto section = ResourceSection(program);
    for (const auto at : test::DifferingBytes(before, test::ReadFileBytes(program))) {
        EXPECT_GE(at, section.Offset);
        EXPECT_LT(at, section.Offset + section.Size);
    }
    std::string description, company, legal;
    EXPECT_TRUE(ReadVersionStrings(program, description, company, legal));
    EXPECT_EQ(description + "|" + company + "|" + legal, "Menu|Ours|(C) Us");
}

TEST(ElfResources, AGrowingSectionMovesToTheEndAndStillRuns) {
    test::TempFolder folder;
    const auto program = ElfWithResources(folder);
    const auto old = ResourceSection(program);
    const auto oldSize = test::ReadFileBytes(program).size();
    ASSERT_LT(old.Offset + old.Size, oldSize); // section headers follow it

    ReplaceMainIcon(program, test::FixturePath("three.ico"));
    const auto moved = ResourceSection(program);
    EXPECT_GT(moved.Size, old.Size);
    EXPECT_GE(moved.Offset, oldSize);
    EXPECT_EQ(moved.Offset + moved.Size, test::ReadFileBytes(program).size());
    EXPECT_EQ(ReadMainIcon(program), test::ReadFileBytes(test::FixturePath("three.ico")));
    EXPECT_EQ(ReadFileVersion(program), "0.1 (abcdef012345)");

    // Now at the end, it shrinks in place and the file with it.
    test::WriteFileBytes(folder.File("small.ico"),
                         test::ReadFileBytes(test::FixturePath("six.ico")));
    ReplaceMainIcon(program, folder.File("small.ico"));
    const auto shrunk = ResourceSection(program);
    EXPECT_EQ(shrunk.Offset, moved.Offset);
    EXPECT_EQ(shrunk.Offset + shrunk.Size, test::ReadFileBytes(program).size());

    // The copy still runs: only a test listing, so nothing else happens.
    const auto run = test::RunCommand("'" + program + "' --gtest_list_tests --gtest_filter=Elf*");
    EXPECT_EQ(run.Status, 0) << run.Output;
    EXPECT_NE(run.Output.find("AGrowingSectionMovesToTheEndAndStillRuns"), std::string::npos);
}

TEST(ElfResources, DamagedSectionHeadersAreRefused) {
    test::TempFolder folder;
    const auto program = ElfWithResources(folder);
    Bytes bytes = test::ReadFileBytes(program);
    // The section header table offset (64-bit field at 0x28) past the end.
    Bytes far = bytes;
    far[0x2F] = 0x7F;
    test::WriteFileBytes(folder.File("far"), far);
    EXPECT_EQ(ReadFileVersion(folder.File("far")), "");
    EXPECT_TRUE(ReadMainIcon(folder.File("far")).empty());
    EXPECT_EQ(test::ResourceErrorOf([&] { RewriteVersionStrings(folder.File("far"), "", "", ""); }),
              "Resource update error: File isn't an EXE file (1)");
    EXPECT_EQ(test::ReadFileBytes(folder.File("far")), far);

    Bytes big = bytes;
    big[4] = 1; // says 32-bit: every field lands elsewhere
    test::WriteFileBytes(folder.File("narrow"), big);
    EXPECT_EQ(ReadFileVersion(folder.File("narrow")), "");
}

} // namespace
} // namespace brelvane
