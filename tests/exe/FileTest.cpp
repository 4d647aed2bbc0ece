#include "storage/exe/File.h"

#include "ExeTestSupport.h"
#include "OtherReader.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(File, MessagesAreThePlatformTextsWithoutTrailingPunctuation) {
    // The system's text ("No such file or directory" here, "The system cannot find the file
    // specified." on Windows) loses its closing period and line end.
    const std::string missing = test::SystemErrorText(ENOENT);
    ASSERT_FALSE(missing.empty());
    EXPECT_EQ(FileErrorMessage(ENOENT), missing.substr(0, missing.find_last_not_of(".\r\n") + 1));
    EXPECT_EQ(FileErrorMessage(ENOENT).find_first_of(".\r\n"), std::string::npos);
    // The two short-transfer codes keep their own texts.
    EXPECT_EQ(FileErrorMessage(kFileErrorEndOfFile), "Reached the end of the file");
    EXPECT_EQ(FileErrorMessage(kFileErrorWriteFault),
              "The system cannot write to the specified device");
    EXPECT_EQ(FileErrorMessage(987654), "File I/O error 987654");
    EXPECT_EQ(EFileError(ENOENT).what(), FileErrorMessage(ENOENT));
}

TEST(File, ShortReadsAndMissingFilesRaiseTheirCodes) {
    test::TempFolder folder;
    test::WriteFileBytes(folder.File("three"), {1, 2, 3});
    TFile file(folder.File("three"), TFileCreation::OpenExisting, TFileAccess::Read,
               TFileSharing::Read);
    std::uint8_t buffer[8] = {};
    EXPECT_EQ(file.Read(buffer, sizeof buffer), 3u);
    file.Seek(1);
    try {
        file.ReadBuffer(buffer, 3);
        ADD_FAILURE() << "no error";
    } catch (const EFileError& error) {
        EXPECT_EQ(error.Code(), kFileErrorEndOfFile);
    }
    try {
        TFile missing(folder.File("none"), TFileCreation::OpenExisting, TFileAccess::Read,
                      TFileSharing::Read);
        ADD_FAILURE() << "opened";
    } catch (const EFileError& error) {
        EXPECT_EQ(error.Code(), ENOENT);
    }
    // Create new refuses an existing file.
    EXPECT_THROW(TFile(folder.File("three"), TFileCreation::CreateNew, TFileAccess::Write,
                       TFileSharing::None),
                 EFileError);
}

TEST(File, LargeFilesReportTheLargestThirtyTwoBitSize) {
    test::TempFolder folder;
    TFile file(folder.File("sparse"), TFileCreation::CreateAlways, TFileAccess::ReadWrite,
               TFileSharing::None);
    file.Resize(0x7FFFFFFFull);
    EXPECT_EQ(file.Size32(), 0x7FFFFFFFu);
    file.Resize(0x80000000ull + 5);
    EXPECT_EQ(file.Size(), 0x80000005ull);
    EXPECT_EQ(file.Size32(), 0x7FFFFFFFu);
    file.Resize(10);
    EXPECT_EQ(file.Size32(), 10u);
}

TEST(File, AHolderWithoutSharingKeepsOthersOut) {
    test::TempFolder folder;
    test::WriteFileBytes(folder.File("f"), {1});
    TFile reader(folder.File("f"), TFileCreation::OpenExisting, TFileAccess::Read,
                 TFileSharing::Read);
    TFile other(folder.File("f"), TFileCreation::OpenExisting, TFileAccess::Read,
                TFileSharing::Read);
    EXPECT_THROW(TFile(folder.File("f"), TFileCreation::OpenExisting, TFileAccess::ReadWrite,
                       TFileSharing::None),
                 EFileError);
}

TEST(File, ReplacementThroughACopyKeepsModeOrLeavesTheOriginal) {
    test::TempFolder folder;
    const auto path = folder.File("f");
    test::WriteFileBytes(path, {1, 2, 3, 4});
    test::GiveDistinctMode(path);
    EXPECT_THROW(ReplaceFileThroughCopy(path,
                                        [](TFile&, TFile& copy) {
                                            copy.WriteBuffer("xx", 2);
                                            throw EFileError(EIO);
                                        }),
                 EFileError);
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{1, 2, 3, 4}));
    ReplaceFileThroughCopy(path, [](TFile& original, TFile& copy) {
        copy.CopyFrom(original, 1, 2);
        copy.WriteBuffer("\x09", 1);
    });
    EXPECT_EQ(test::ReadFileBytes(path), (test::Bytes{2, 3, 9}));
    EXPECT_TRUE(test::HasDistinctMode(path));
    // Nothing is left beside it.
    std::size_t entries = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        ++entries;
    EXPECT_EQ(entries, 1u);
}

} // namespace
} // namespace brelvane
