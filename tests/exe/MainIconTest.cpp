#include "storage/exe/MainIcon.h"

#include "ExeTestSupport.h"
#include "OtherReader.h"
#include "storage/exe/ExecutableResources.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/IconGroup.h"
#include "storage/exe/PeImage.h"
#include "storage/exe/VersionStrings.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

// An .ico of one image whose data fills the file to `size` bytes.
Bytes IconOfSize(std::size_t size) {
    Bytes bytes = {0, 0, 1, 0, 1, 0, 16, 16, 0, 0, 1, 0, 32, 0};
    const auto imageSize = static_cast<std::uint32_t>(size - 22);
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<std::uint8_t>(imageSize >> (8 * i)));
    for (const std::uint8_t b : {22, 0, 0, 0})
        bytes.push_back(b);
    bytes.resize(size, 0x5A);
    return bytes;
}

std::string ReplaceError(const std::string& exe, const Bytes& icon,
                         const test::TempFolder& folder) {
    test::WriteFileBytes(folder.File("icon.ico"), icon);
    return test::ResourceErrorOf([&] { ReplaceMainIcon(exe, folder.File("icon.ico")); });
}

TEST(MainIcon, IconFilesAreCheckedBeforeTheExecutableIsTouched) {
    test::TempFolder folder;
    const auto exe = test::FixtureCopy(folder, "full32.exe");
    const Bytes before = test::ReadFileBytes(exe);
    EXPECT_EQ(ReplaceError(exe, IconOfSize(kLargestIconFile + 1), folder),
              "Resource update error: Icon file is too large");
    EXPECT_EQ(ReplaceError(exe, before, folder), "Resource update error: Icon file is invalid");
    EXPECT_EQ(ReplaceError(exe, Bytes{0, 0, 1, 0, 1}, folder),
              "Resource update error: Icon file is invalid");
    Bytes pastEnd = IconOfSize(200);
    pastEnd[14] += 1; // the image one byte longer than the file holds
    EXPECT_EQ(ReplaceError(exe, pastEnd, folder), "Resource update error: Icon file is invalid");
    Bytes directoryCut = IconOfSize(200);
    directoryCut[4] = 20; // twenty entries do not fit
    EXPECT_EQ(ReplaceError(exe, directoryCut, folder),
              "Resource update error: Icon file is invalid");
    Bytes overflow = IconOfSize(200);
    for (int i = 18; i < 22; ++i)
        overflow[i] = 0xFF;
    EXPECT_EQ(ReplaceError(exe, overflow, folder), "Resource update error: Icon file is invalid");
    EXPECT_EQ(test::ReadFileBytes(exe), before);

    // Exactly 1 MiB is accepted.
    test::WriteFileBytes(folder.File("big.ico"), IconOfSize(kLargestIconFile));
    ReplaceMainIcon(exe, folder.File("big.ico"));
    const Bytes icon = ReadMainIcon(exe);
    EXPECT_EQ(icon, IconOfSize(kLargestIconFile));
}

TEST(MainIcon, ThreeImagesReplaceSixAndTheFileStaysSound) {
    test::TempFolder folder;
    const auto exe = test::FixtureCopy(folder, "full32.exe");
    test::GiveDistinctMode(exe);
    const auto icon = test::FixturePath("three.ico");
    ReplaceMainIcon(exe, icon);

    EXPECT_TRUE(test::HasDistinctMode(exe));
    EXPECT_EQ(ReadMainIcon(exe), test::ReadFileBytes(icon));
    EXPECT_EQ(ReadFileVersion(exe), "1.2.3.4");

    TFile file(exe, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const auto tree = ReadExecutableResources(file);
    std::vector<std::string> icons;
    for (const auto& entry : tree.Entries())
        if (entry.Type.Number == kResourceIcon) icons.push_back(entry.Name.Text());
    EXPECT_EQ(icons, (std::vector<std::string>{"1", "2", "3"}));
    const auto image = ReadPeImage(file);
    std::uint32_t checksum = 0;
    std::memcpy(&checksum, image.Headers.data() + image.ChecksumOffset(), 4);
    EXPECT_EQ(PeChecksum(file, image.ChecksumOffset()), checksum);

    // The listing of an independent reader: "MAINICON" and icons 1..3 only,
    // each image as the icon file holds it.
    EXPECT_EQ(test::ListedResources(exe),
              (std::vector<std::string>{"3/1", "3/2", "3/3", "14/MAINICON", "16/1"}));
    TIconFile expected;
    const Bytes iconBytes = test::ReadFileBytes(icon);
    ASSERT_TRUE(ParseIconFile(iconBytes, expected));
    for (std::size_t i = 0; i < expected.Images.size(); ++i)
        EXPECT_EQ(test::ResourceBytes(exe, kResourceIcon, std::to_string(i + 1)),
                  std::string(expected.Images[i].Data.begin(), expected.Images[i].Data.end()))
            << "image " << i + 1;
    EXPECT_EQ(test::ResourceBytes(exe, kResourceGroupIcon, "MAINICON").size(), 6u + 3 * 14);
    const auto strings = test::VersionStringsListing(exe);
    EXPECT_EQ(strings.rfind("CompanyName=Fixture Company ", 0), 0u) << strings;
    EXPECT_EQ(std::count(strings.begin(), strings.end(), '\n'), 3) << strings;
}

// Growing resources move the discardable sections behind them; the loader's
// view of the file stays consistent.
TEST(MainIcon, GrowthMovesTheSectionsBehindTheResources) {
    test::TempFolder folder;
    const auto exe = test::FixtureCopy(folder, "full32.exe");
    TPeImage before;
    {
        TFile file(exe, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
        before = ReadPeImage(file);
    }
    ReplaceMainIcon(exe, test::FixturePath("three.ico"));
    TFile file(exe, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const TPeImage after = ReadPeImage(file);
    ASSERT_EQ(after.Sections.size(), before.Sections.size());
    const int resources = after.SectionAt(after.DirectoryAddress(kDirectoryResource));
    ASSERT_GE(resources, 0);
    const auto& grown = after.Sections[static_cast<std::size_t>(resources)];
    EXPECT_GT(grown.RawSize, before.Sections[static_cast<std::size_t>(resources)].RawSize);
    EXPECT_EQ(grown.VirtualSize, after.DirectorySize(kDirectoryResource));
    for (std::size_t i = 0; i + 1 < after.Sections.size(); ++i) {
        const auto& s = after.Sections[i];
        const auto& next = after.Sections[i + 1];
        EXPECT_LE(s.VirtualAddress + s.VirtualSize, next.VirtualAddress) << "section " << i;
        if (s.RawSize != 0 && next.RawSize != 0) {
            EXPECT_LE(s.RawOffset + s.RawSize, next.RawOffset) << "section " << i;
        }
        if (static_cast<int>(i) < resources) {
            EXPECT_EQ(s.VirtualAddress, before.Sections[i].VirtualAddress);
            EXPECT_EQ(s.RawOffset, before.Sections[i].RawOffset);
        }
    }
    // The relocations moved with their section; they still lie in it.
    const int relocations = after.SectionAt(after.DirectoryAddress(5));
    EXPECT_EQ(relocations, resources + 1);
    const auto& last = after.Sections.back();
    std::uint32_t sizeOfImage = 0;
    std::memcpy(&sizeOfImage, after.Headers.data() + after.OptionalHeader + 56, 4);
    EXPECT_EQ(sizeOfImage, (last.VirtualAddress + last.VirtualSize + 0xFFF) / 0x1000 * 0x1000);
    // The symbol table (long section names live in its string table) moved too.
    if (const auto listing = test::SectionHeaderListing(exe)) {
        EXPECT_NE(listing->find(".debug_info"), std::string::npos) << *listing;
    }
}

TEST(MainIcon, FailuresAfterTheStartLeaveTheFileByteIdentical) {
    test::TempFolder folder;
    // Only discardable sections may move: here the relocations may not.
    const auto fixed = test::FixtureCopy(folder, "fixed32.exe");
    const Bytes before = test::ReadFileBytes(fixed);
    EXPECT_EQ(
        test::ResourceErrorOf([&] { ReplaceMainIcon(fixed, test::FixturePath("three.ico")); }),
        "Resource update error: EndUpdateResource failed (" + std::to_string(ENOSPC) + ")");
    EXPECT_EQ(test::ReadFileBytes(fixed), before);
    // A smaller set fits where the old one was.
    test::WriteFileBytes(folder.File("one.ico"), IconOfSize(400));
    ReplaceMainIcon(fixed, folder.File("one.ico"));
    EXPECT_EQ(ReadMainIcon(fixed), IconOfSize(400));

    const auto plain = folder.File("plain.exe");
    test::WriteFileBytes(plain, Bytes(100, 0));
    EXPECT_EQ(
        test::ResourceErrorOf([&] { ReplaceMainIcon(plain, test::FixturePath("three.ico")); }),
        "Resource update error: BeginUpdateResource failed (1) (" + std::to_string(ENOEXEC) + ")");
    EXPECT_THROW(ReplaceMainIcon(plain, folder.File("no-such.ico")), EFileError);
}

// A signature cannot survive changed bytes: the update drops it.
TEST(MainIcon, ACertificateIsDropped) {
    test::TempFolder folder;
    Bytes bytes = test::ReadFileBytes(test::FixturePath("full32.exe"));
    std::uint32_t header = 0;
    std::memcpy(&header, bytes.data() + 60, 4);
    const std::size_t certificateSlot = header + 24 + 96 + 8 * kDirectoryCertificate;
    const auto certificateAt = static_cast<std::uint32_t>(bytes.size());
    const std::string marker = "CERTIFICATE-BYTES-16";
    bytes.insert(bytes.end(), marker.begin(), marker.end());
    const auto markerSize = static_cast<std::uint32_t>(marker.size());
    std::memcpy(bytes.data() + certificateSlot, &certificateAt, 4);
    std::memcpy(bytes.data() + certificateSlot + 4, &markerSize, 4);
    const auto exe = folder.File("signed.exe");
    test::WriteFileBytes(exe, bytes);

    ReplaceMainIcon(exe, test::FixturePath("three.ico"));
    const Bytes after = test::ReadFileBytes(exe);
    TFile file(exe, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const TPeImage image = ReadPeImage(file);
    EXPECT_EQ(image.DirectoryAddress(kDirectoryCertificate), 0u);
    EXPECT_EQ(image.DirectorySize(kDirectoryCertificate), 0u);
    EXPECT_EQ(std::search(after.begin(), after.end(), marker.begin(), marker.end()), after.end());
    EXPECT_EQ(ReadMainIcon(exe), test::ReadFileBytes(test::FixturePath("three.ico")));
}

TEST(MainIcon, ImagesOfOtherGroupsAreLeftAlone) {
    test::TempFolder folder;
    const auto exe = test::FixtureCopy(folder, "full32.exe");
    // Rename the group: the file then has icons but no "MAINICON".
    {
        TResourceUpdate update(exe);
        auto& tree = update.Resources();
        const TResource group =
            *tree.Find(TResourceId::Of(kResourceGroupIcon), TResourceId::Of(kMainIconName));
        tree.Remove(group.Type, group.Name, group.Language);
        tree.Put({group.Type, TResourceId::Of("OTHER"), group.Language, 0, group.Data});
        update.Write();
    }
    const Bytes before = test::ReadFileBytes(exe);
    EXPECT_EQ(test::ResourceErrorOf([&] { ReplaceMainIcon(exe, test::FixturePath("three.ico")); }),
              "Resource update error: FindResource failed (1) (" + std::to_string(ENOENT) + ")");
    EXPECT_EQ(test::ReadFileBytes(exe), before);
    EXPECT_TRUE(ReadMainIcon(exe).empty());
}

} // namespace
} // namespace brelvane
