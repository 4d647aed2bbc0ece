#include "storage/ProjectIndex.h"

#include "StorageTestSupport.h"
#include "storage/SaveFile.h"

#include <csignal>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace brelvane {
namespace {

using test::Bytes;

Bytes IndexBytes(const TProjectIndex& index) {
    return test::Stored(WriteProjectIndex, index);
}

Bytes PageBytes(std::string_view name, std::uint8_t kind, std::int32_t offset) {
    return test::Concat({test::StringBytes(name), {kind}, test::Int32Bytes(offset)});
}

std::vector<std::string> PageNames(const TProjectIndex& index) {
    std::vector<std::string> names;
    for (const auto& page : index.Pages)
        names.push_back(page->Name);
    return names;
}

TEST(ProjectIndex, ZeroPagesIsMarkerSettingsAndAZeroCount) {
    TProjectIndex index;
    const Bytes expected = test::Concat(
        {{0xff, 0xff, 0xff, 0xff}, test::Stored(WriteSettings, index.Settings), {0, 0, 0, 0}});
    EXPECT_EQ(IndexBytes(index), expected);

    TMemoryStream stream(expected);
    TProjectIndex back = test::SampleIndex();
    ASSERT_TRUE(ReadProjectIndex(stream, back));
    EXPECT_TRUE(back.Pages.empty());
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(ProjectIndex, PagesRoundTripWithTheirDesignerState) {
    const TProjectIndex stored = test::SampleIndex();
    TMemoryStream stream(IndexBytes(stored));
    TProjectIndex back;
    ASSERT_TRUE(ReadProjectIndex(stream, back));
    ASSERT_EQ(back.Pages.size(), stored.Pages.size());
    for (std::size_t i = 0; i < back.Pages.size(); ++i) {
        EXPECT_EQ(back.Pages[i]->Name, stored.Pages[i]->Name);
        EXPECT_EQ(back.Pages[i]->Kind, stored.Pages[i]->Kind);
        EXPECT_EQ(back.Pages[i]->Offset, stored.Pages[i]->Offset);
        EXPECT_EQ(back.Pages[i]->SavedName, stored.Pages[i]->Name);
        EXPECT_FALSE(back.Pages[i]->InDesignerTemp);
    }
    EXPECT_TRUE(back.Settings == stored.Settings);
}

TEST(ProjectIndex, WithoutTheMarkerLoadsWithDefaultSettings) {
    const Bytes bytes = test::Concat(
        {test::Int32Bytes(2), PageBytes("Main", pkMainPage, 0), PageBytes("", pkSubPage, 77)});
    TMemoryStream stream(bytes);
    TProjectIndex index = test::SampleIndex();
    ASSERT_TRUE(ReadProjectIndex(stream, index));
    EXPECT_TRUE(index.Settings == TSettings());
    EXPECT_EQ(PageNames(index), (std::vector<std::string>{"Main", ""}));
    EXPECT_EQ(index.Pages[1]->Kind, pkSubPage);
    EXPECT_EQ(index.Pages[1]->Offset, 77);
}

TEST(ProjectIndex, EmptyPageNameIsFourZeroBytes) {
    TProjectIndex index;
    index.Pages.push_back(std::make_unique<TAutoFormInfo>());
    const Bytes bytes = IndexBytes(index);
    const Bytes tail(bytes.end() - 13, bytes.end());
    EXPECT_EQ(tail, test::Concat({{1, 0, 0, 0}, {0, 0, 0, 0}, {0}, {0, 0, 0, 0}}));
}

TEST(ProjectIndex, ReadingTwiceKeepsOnlyTheSecondIndex) {
    TProjectIndex second;
    for (const char* name : {"B1", "B2"}) {
        second.Pages.push_back(std::make_unique<TAutoFormInfo>());
        second.Pages.back()->Name = name;
    }
    TMemoryStream stream(test::Concat({IndexBytes(test::SampleIndex()), IndexBytes(second)}));
    TProjectIndex index;
    ASSERT_TRUE(ReadProjectIndex(stream, index));
    ASSERT_TRUE(ReadProjectIndex(stream, index));
    EXPECT_EQ(PageNames(index), (std::vector<std::string>{"B1", "B2"}));
    EXPECT_TRUE(index.Settings.InstallWares.empty());
}

TEST(ProjectIndex, ACutReadIntoAFullIndexKeepsOnlyTheEntriesReadInFull) {
    TProjectIndex stored;
    for (const char* name : {"C1", "C2", "C3"}) {
        stored.Pages.push_back(std::make_unique<TAutoFormInfo>());
        stored.Pages.back()->Name = name;
    }
    Bytes bytes = IndexBytes(stored);
    bytes.resize(bytes.size() - 3); // inside the last entry's offset
    TProjectIndex index = test::SampleIndex();
    for (auto& page : index.Pages) {
        page->SavedName = "old";
        page->InDesignerTemp = true;
    }
    ASSERT_GE(index.Pages.size(), 3u);
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    EXPECT_FALSE(ReadProjectIndex(stream, index));
    EXPECT_EQ(PageNames(index), (std::vector<std::string>{"C1", "C2"}));
    for (const auto& page : index.Pages) {
        EXPECT_EQ(page->SavedName, page->Name);
        EXPECT_FALSE(page->InDesignerTemp);
    }
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(ProjectIndex, AReadThatFailsInTheSettingsLeavesNoPagesOfTheIndexReadBefore) {
    const Bytes bytes = test::Concat({test::Int32Bytes(-1), test::StringBytes("Title"),
                                      test::Int32Bytes(0), test::Int32Bytes(0x7ffffff0)});
    TProjectIndex index = test::SampleIndex();
    ASSERT_FALSE(index.Pages.empty());
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    EXPECT_FALSE(ReadProjectIndex(stream, index));
    EXPECT_TRUE(index.Pages.empty());
}

TEST(ProjectIndex, NegativePageCountFailsWith1066) {
    test::ExpectReadFails<TProjectIndex>(ReadProjectIndex, test::Int32Bytes(-2), 1066);
}

TEST(ProjectIndex, BadStringInsideTheSettingsGivesOneBox1054) {
    // The TabSheetList length asks for far more than the stream holds.
    const Bytes bytes = test::Concat({test::Int32Bytes(-1), test::StringBytes("Title"),
                                      test::Int32Bytes(0), test::Int32Bytes(0x7ffffff0)});
    test::ExpectReadFails<TProjectIndex>(ReadProjectIndex, bytes, 1054);
}

TEST(ProjectIndex, BadStringInsideAnInstallWareGivesOneBox1054) {
    TProjectIndex stored = test::SampleIndex();
    stored.Settings.InstallWares[2]->PromptText = "TEXT";
    Bytes bytes = IndexBytes(stored);
    // Find the last record's PromptText length word and corrupt it.
    const Bytes needle = test::StringBytes("TEXT");
    const auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    ASSERT_NE(at, bytes.end());
    at[3] = 0x80; // negative length
    test::ExpectReadFails<TProjectIndex>(ReadProjectIndex, bytes, 1054);
}

TEST(ProjectIndex, EveryTruncationFailsWithExactlyOneBox) {
    const Bytes full = IndexBytes(test::SampleIndex());
    for (std::size_t length = 0; length < full.size(); ++length) {
        TMemoryStream stream(Bytes(full.begin(), full.begin() + static_cast<long>(length)));
        ErrorCollector errors;
        TProjectIndex index;
        EXPECT_FALSE(ReadProjectIndex(stream, index)) << "length " << length;
        ASSERT_EQ(errors.Messages().size(), 1u) << "length " << length;
        const int code = test::CodeOf(errors.Messages().front());
        EXPECT_TRUE(code == 1052 || code == 1054 || code == 1056 || code == 1061 || code == 1063 ||
                    code == 1066)
            << "length " << length << ": " << errors.Messages().front();
    }
}

class IndexFileTest : public ::testing::Test {
protected:
    test::TempFolder folder;
    std::string path = folder.File("AutoRun.src");

    std::size_t FilesInFolder() const {
        return static_cast<std::size_t>(
            std::distance(std::filesystem::directory_iterator(folder.Path()),
                          std::filesystem::directory_iterator()));
    }
};

TEST_F(IndexFileTest, SaveWritesTheIndexAndTheTrailingByte) {
    const TProjectIndex index = test::SampleIndex();
    ErrorCollector errors;
    ASSERT_TRUE(SaveIndexFile(path, index));
    EXPECT_EQ(test::ReadFileBytes(path), test::Concat({IndexBytes(index), {1}}));
    EXPECT_EQ(FilesInFolder(), 1u);
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(IndexFileTest, LoadsWithAndWithoutTheTrailingByteInBothModes) {
    const Bytes bytes = IndexBytes(test::SampleIndex());
    for (const Bytes& file : {bytes, test::Concat({bytes, {1}})}) {
        test::WriteFileBytes(path, file);
        for (auto trailer : {TTrailer::Skip, TTrailer::Read}) {
            ErrorCollector errors;
            TProjectIndex index;
            EXPECT_TRUE(LoadIndexFile(path, index, trailer));
            EXPECT_EQ(index.Pages.size(), 4u);
            EXPECT_TRUE(errors.Messages().empty());
        }
    }
}

TEST_F(IndexFileTest, MissingFileReports1071WithThePath) {
    const std::string missing = folder.File("none.src");
    ErrorCollector errors;
    TProjectIndex index;
    EXPECT_FALSE(LoadIndexFile(missing, index, TTrailer::Read));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "\"" + missing + "\", " + std::strerror(ENOENT) +
                                        " (Error Code: " + std::to_string(ENOENT) + "/1071).");
}

TEST_F(IndexFileTest, DamagedFileReportsOnlyTheInnermostError) {
    Bytes bytes = IndexBytes(test::SampleIndex());
    bytes.resize(bytes.size() - 3); // inside the last page's offset
    test::WriteFileBytes(path, bytes);
    ErrorCollector errors;
    TProjectIndex index;
    EXPECT_FALSE(LoadIndexFile(path, index, TTrailer::Skip));
    test::ExpectOneError(errors, 1066);
}

TEST_F(IndexFileTest, SaveIntoAMissingFolderReports1072WithThePath) {
    const std::string target = folder.File("gone/AutoRun.src");
    ErrorCollector errors;
    EXPECT_FALSE(SaveIndexFile(target, test::SampleIndex()));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "\"" + target + "\", " + std::strerror(ENOENT) +
                                        " (Error Code: " + std::to_string(ENOENT) + "/1072).");
}

#ifndef _WIN32
// Caps the size of files this process may write, so that writes fail with EFBIG.
// (Windows has no such limit for a process.)
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &previous_);
        const rlimit limit{bytes, previous_.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &previous_);
        std::signal(SIGXFSZ, previousHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit previous_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(IndexFileTest, FailedFinalWriteReports1072AndKeepsTheOldFile) {
    const Bytes old{0xff, 0xff, 0xff, 0xff, 'o', 'l', 'd'};
    test::WriteFileBytes(path, old);
    ErrorCollector errors;
    {
        const FileSizeLimit limit(16);
        EXPECT_FALSE(SaveIndexFile(path, test::SampleIndex()));
    }
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], "\"" + path + "\", " + std::strerror(EFBIG) +
                                        " (Error Code: " + std::to_string(EFBIG) + "/1072).");
    EXPECT_EQ(test::ReadFileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(IndexFileTest, WriteFailingHalfWayKeepsTheOldFile) {
    const Bytes old = test::Concat({IndexBytes(test::SampleIndex()), {1}});
    test::WriteFileBytes(path, old);
    TProjectIndex index = test::SampleIndex();
    // Large enough that its bytes go to the file while the picture is written.
    index.Settings.Hint->BackImage.Data.resize(300 * 1024);
    ErrorCollector errors;
    {
        const FileSizeLimit limit(100 * 1024);
        EXPECT_FALSE(SaveIndexFile(path, index));
    }
    test::ExpectOneError(errors, 1055);
    EXPECT_EQ(test::ReadFileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}
#endif

TEST_F(IndexFileTest, AtomicSaveKeepsTheOldFileWhenTheWriterGivesUp) {
    const Bytes old{1, 2, 3};
    test::WriteFileBytes(path, old);
    const bool saved = SaveFileAtomically(path, [](TStream& stream) {
        const Bytes half(70000, 0xee);
        stream.Write(half.data(), half.size());
        return false;
    });
    EXPECT_FALSE(saved);
    EXPECT_EQ(test::ReadFileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST_F(IndexFileTest, AtomicSaveKeepsTheOldFileWhenTheWriterThrows) {
    const Bytes old{4, 5, 6};
    test::WriteFileBytes(path, old);
    EXPECT_THROW(SaveFileAtomically(path,
                                    [](TStream& stream) -> bool {
                                        stream.Write("abc", 3);
                                        throw StreamError("disk gone");
                                    }),
                 StreamError);
    EXPECT_EQ(test::ReadFileBytes(path), old);
    EXPECT_EQ(FilesInFolder(), 1u);
}

TEST(PageKinds, NamesAsShownToTheAuthor) {
    EXPECT_EQ(PageKindName(pkSplashScreen), "Splash Screen");
    EXPECT_EQ(PageKindName(pkScreenBackground), "Screen Background");
    EXPECT_EQ(PageKindName(pkMainPage), "Main Page");
    EXPECT_EQ(PageKindName(pkSubPage), "Sub Page");
    EXPECT_EQ(PageKindName(pkExitForm), "Exit Form");
    EXPECT_EQ(PageKindName(pkSecurityForm), "Security Form");
    EXPECT_EQ(PageKindName(pkAgreementForm), "Agreement Form");
    EXPECT_EQ(PageKindName(7), "");
}

} // namespace
} // namespace brelvane
