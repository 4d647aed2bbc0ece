#include "storage/exe/VersionStrings.h"

#include "ExeTestSupport.h"
#include "OtherReader.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/PeImage.h"
#include "storage/exe/VersionInfo.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

struct Strings {
    std::string Description, Company, Legal;
};

Strings Read(const std::string& path) {
    Strings s;
    EXPECT_TRUE(ReadVersionStrings(path, s.Description, s.Company, s.Legal));
    return s;
}

std::uint32_t ChecksumField(const std::string& path) {
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const auto image = ReadPeImage(file);
    std::uint32_t value = 0;
    std::memcpy(&value, image.Headers.data() + image.ChecksumOffset(), 4);
    return value;
}

TEST(VersionStrings, AreReadTrimmedFromFilesWithVersionInformation) {
    const Strings s = Read(test::FixturePath("full32.exe"));
    EXPECT_EQ(s.Description, "Fixture description");
    EXPECT_EQ(s.Company, "Fixture Company");
    EXPECT_EQ(s.Legal, "(C) Fixture");
    EXPECT_EQ(Read(test::FixturePath("wide64.exe")).Company, "Fixture Company");

    std::string a = "x", b = "y", c = "z";
    EXPECT_FALSE(ReadVersionStrings(test::FixturePath("six.ico"), a, b, c));
    EXPECT_FALSE(ReadVersionStrings(test::FixturePath("missing.exe"), a, b, c));
    // A table in another language is version information without these strings.
    EXPECT_TRUE(ReadVersionStrings(test::FixturePath("german32.exe"), a, b, c));
    EXPECT_EQ(a + b + c, "");
}

TEST(VersionStrings, ChecksumMatchesTheLinkersAndIsKeptUpToDate) {
    test::TempFolder folder;
    const auto path = test::FixtureCopy(folder, "full32.exe");
    const Bytes before = test::ReadFileBytes(path);
    const std::uint32_t linked = ChecksumField(path);
    ASSERT_NE(linked, 0u);
    {
        TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
        ASSERT_EQ(PeChecksum(file, ReadPeImage(file).ChecksumOffset()), linked);
    }

    RewriteVersionStrings(path, PadToVersionSlot("New Company"), PadToVersionSlot("0123456789"),
                          PadToVersionSlot("(C) New"));
    const Bytes after = test::ReadFileBytes(path);
    // Only the three slots (100 characters of two bytes) and the checksum change.
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    const std::size_t checksum = ReadPeImage(file).ChecksumOffset();
    const std::uint32_t size = SeekResourceData(file);
    const std::uint64_t base = file.Position();
    Bytes resource(size);
    file.ReadBuffer(resource.data(), size);
    std::vector<std::pair<std::size_t, std::size_t>> changeable = {{checksum, checksum + 4}};
    for (const std::string_view key : {"CompanyName", "FileDescription", "LegalCopyright"}) {
        const std::string_view keys[] = {"VS_VERSION_INFO", "StringFileInfo", "040904E4", key};
        const auto value = FindVersionValue(resource, keys);
        ASSERT_TRUE(value.has_value());
        EXPECT_EQ(value->Characters, kVersionSlotLength);
        changeable.push_back({base + value->Offset, base + value->Offset + 2 * kVersionSlotLength});
    }
    const auto changed = test::DifferingBytes(before, after);
    EXPECT_FALSE(changed.empty());
    for (const auto at : changed) {
        const bool allowed = std::any_of(changeable.begin(), changeable.end(), [&](const auto& r) {
            return at >= r.first && at < r.second;
        });
        EXPECT_TRUE(allowed) << "byte " << at << " changed outside the slots and the checksum";
    }
    EXPECT_EQ(PeChecksum(file, checksum), ChecksumField(path));
    EXPECT_NE(ChecksumField(path), linked);

    const Strings s = Read(path);
    EXPECT_EQ(s.Company, "New Company");
    EXPECT_EQ(s.Description, "0123456789");
    EXPECT_EQ(s.Legal, "(C) New");
    // Untrimmed, the ten characters are followed by 90 blanks.
    EXPECT_EQ(test::VersionStringsListing(path),
              "CompanyName=" + PadToVersionSlot("New Company") + "|\n" +
                  "FileDescription=" + PadToVersionSlot("0123456789") + "|\n" +
                  "LegalCopyright=" + PadToVersionSlot("(C) New") + "|\n");
}

TEST(VersionStrings, LongerTextsStayInsideTheirSlots) {
    test::TempFolder folder;
    const auto path = test::FixtureCopy(folder, "full32.exe");
    const std::string longText(150, 'L');
    RewriteVersionStrings(path, longText, longText, longText);
    EXPECT_EQ(Read(path).Company, std::string(kVersionSlotLength, 'L'));
    EXPECT_EQ(ReadFileVersion(path), "1.2.3.4");
}

TEST(VersionStrings, FormatFaultsLeaveTheFileUntouched) {
    test::TempFolder folder;
    const auto expectRefused = [&](const std::string& fixture, const std::string& message) {
        const auto path = test::FixtureCopy(folder, fixture);
        const Bytes before = test::ReadFileBytes(path);
        EXPECT_EQ(test::ResourceErrorOf([&] { RewriteVersionStrings(path, "a", "b", "c"); }),
                  "Resource update error: " + message)
            << fixture;
        EXPECT_EQ(test::ReadFileBytes(path), before) << fixture;
    };
    expectRefused("german32.exe", "Unexpected version resource format (1)");
    expectRefused("nolegal32.exe", "Unexpected version resource format (1)");
    expectRefused("six.ico", "File isn't an EXE file (1)");
}

TEST(VersionStrings, A64BitProgramIsRelabelledLikeA32BitOne) {
    // The Windows player is a 64-bit program: its copies must take new texts too.
    test::TempFolder folder;
    const auto path = test::FixtureCopy(folder, "wide64.exe");
    const auto version = ReadFileVersion(path);
    ASSERT_FALSE(version.empty());
    RewriteVersionStrings(path, PadToVersionSlot("Wide Company"), PadToVersionSlot("Wide Menu"),
                          PadToVersionSlot("(C) Wide"));
    EXPECT_EQ(Read(path).Company, "Wide Company");
    EXPECT_EQ(ReadFileVersion(path), version);
}

TEST(VersionStrings, HeaderChecksFollowTheirOrder) {
    test::TempFolder folder;
    Bytes base = test::ReadFileBytes(test::FixturePath("full32.exe"));
    std::uint32_t header = 0;
    std::memcpy(&header, base.data() + 60, 4);
    const auto refused = [&](Bytes bytes) {
        test::WriteFileBytes(folder.File("x.exe"), bytes);
        return test::ResourceErrorOf(
            [&] { RewriteVersionStrings(folder.File("x.exe"), "a", "b", "c"); });
    };
    Bytes noHeader = base;
    std::fill_n(noHeader.begin() + 60, 4, 0);
    EXPECT_EQ(refused(noHeader), "Resource update error: File isn't a PE file (1)");
    Bytes noSignature = base;
    noSignature[header] = 'X';
    EXPECT_EQ(refused(noSignature), "Resource update error: File isn't a PE file (2)");
    Bytes oddOptionalHeader = base;
    oddOptionalHeader[header + 4 + 16] = 200;
    EXPECT_EQ(refused(oddOptionalHeader), "Resource update error: File isn't a PE file (3)");
    Bytes noMagic = base;
    noMagic[header + 24] = 0x0C;
    EXPECT_EQ(refused(noMagic), "Resource update error: File isn't a PE file (4)");
    // The resource data directory: third entry after the 96 bytes of fields.
    Bytes noResources = base;
    std::fill_n(noResources.begin() + header + 24 + 96 + 16, 8, 0);
    EXPECT_EQ(refused(noResources), "Resource update error: No resources (1)");
    Bytes elsewhere = base;
    elsewhere[header + 24 + 96 + 16] ^= 0x10;
    EXPECT_EQ(refused(elsewhere), "Resource update error: No resources (2)");

    // A file shorter than its headers ends with the file error of the read.
    test::WriteFileBytes(folder.File("short.exe"), Bytes{'M', 'Z', 0});
    try {
        RewriteVersionStrings(folder.File("short.exe"), "a", "b", "c");
        ADD_FAILURE() << "no error";
    } catch (const EFileError& error) {
        EXPECT_EQ(error.Code(), kFileErrorEndOfFile);
        EXPECT_STREQ(error.what(), "Reached the end of the file");
    }
}

// Headers the resource writer would refuse (an alignment that is no power of
// two) still take a relabelling, checksum included.
TEST(VersionStrings, ChecksumNeedsOnlyTheCheckedHeaders) {
    test::TempFolder folder;
    Bytes bytes = test::ReadFileBytes(test::FixturePath("full32.exe"));
    std::uint32_t header = 0;
    std::memcpy(&header, bytes.data() + 60, 4);
    const std::uint32_t fileAlignment = header + 24 + 36, checksum = header + 24 + 64;
    bytes[fileAlignment] = 0x00;
    bytes[fileAlignment + 1] = 0x03;
    const auto path = folder.File("odd.exe");
    test::WriteFileBytes(path, bytes);
    RewriteVersionStrings(path, "Odd", "Odd", "Odd");
    const Bytes after = test::ReadFileBytes(path);
    std::uint32_t stored = 0;
    std::memcpy(&stored, after.data() + checksum, 4);
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::Read, TFileSharing::Read);
    EXPECT_EQ(PeChecksum(file, checksum), stored);
    // Unpadded texts replace only their own characters.
    EXPECT_EQ(Read(path).Company, "Oddture Company");
}

TEST(VersionStrings, SeekFindsTheDataAndChecksItsBounds) {
    test::TempFolder folder;
    const auto path = test::FixtureCopy(folder, "full32.exe");
    TFile file(path, TFileCreation::OpenExisting, TFileAccess::ReadWrite, TFileSharing::None);
    const std::uint32_t size = SeekResourceData(file);
    std::vector<std::uint8_t> data(size);
    file.ReadBuffer(data.data(), size);
    EXPECT_EQ(data[6], 'V'); // the key of the root node
    EXPECT_EQ(data[0] | data[1] << 8, static_cast<int>(size));
}

} // namespace
} // namespace brelvane
