#include "objects/records/ObjectStream.h"
#include "project/PageSource.h"
#include "project/PageTestSupport.h"
#include "storage/FileSystem.h"

#include <cerrno>
#include <csignal>
#include <filesystem>
#include <gtest/gtest.h>
#ifndef _WIN32
#include <sys/resource.h>
#endif

namespace brelvane::test {
namespace {

std::vector<std::string> FileNames(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(NativePath(folder)))
        names.push_back(Utf8Path(entry.path().filename()));
    return names;
}

#ifndef _WIN32
// While alive, files cannot grow beyond `bytes`: writes past it fail with EFBIG.
// (Windows has no such limit for a process.)
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previous_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previous_);
    }

private:
    rlimit saved_{};
    void (*previous_)(int) = nullptr;
};
#endif

// Saved over an older file of the same name, too; a name outside ASCII keeps
// its characters.
TEST(PageFile, SavesAndLoadsThePageStream) {
    for (const std::string name : {"Main Page.pg", "\xc3\x9c"
                                                   "berblick \xe2\x80\x93 Seite 2.pg"}) {
        SCOPED_TRACE(name);
        TempFolder folder;
        const auto path = folder.File(name);
        ASSERT_TRUE(SavePageFile(path, TPageRecord{}));
        const auto page = FullPage();
        ASSERT_TRUE(SavePageFile(path, page));
        EXPECT_EQ(ReadFileBytes(path), PageBytes(page));
        TPageRecord back;
        ErrorCollector errors;
        ASSERT_TRUE(LoadPageFile(path, back, TPageReadMode::Build, {}));
        EXPECT_TRUE(errors.Messages().empty());
        EXPECT_EQ(PageBytes(back), PageBytes(page));
        EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{name});
    }
}

TEST(PageFile, MissingFileIsOneBoxWithThePath) {
    TempFolder folder;
    const auto path = folder.File("none.pg");
    ErrorCollector errors;
    TPageRecord page;
    EXPECT_FALSE(LoadPageFile(path, page, TPageReadMode::Build, {}));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], FileErrorText(ENOENT, kLoadPageFileError, path));
}

TEST(PageFile, DamagedFileIsOnlyTheReadersBox) {
    TempFolder folder;
    const auto path = folder.File("cut.pg");
    auto bytes = PageBytes(FullPage());
    bytes.resize(bytes.size() / 2);
    WriteFileBytes(path, bytes);
    ErrorCollector errors;
    TPageRecord page;
    EXPECT_FALSE(LoadPageFile(path, page, TPageReadMode::Build, {}));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(CodeOf(errors.Messages()[0]), kLoadPageFileError);
    // A cut file is no system failure: the box says so in words, never "Success".
    EXPECT_NE(errors.Messages()[0].find("The data is damaged or incomplete. (Error Code: 0/"),
              std::string::npos)
        << errors.Messages()[0];
    EXPECT_EQ(errors.Messages()[0].find("Success"), std::string::npos);
}

TEST(PageFile, SaveIntoAnImpossiblePlaceReportsThePath) {
    TempFolder folder;
    WriteFileBytes(folder.File("plain"), {1});
    const auto path = folder.File("plain/page.pg");
    ErrorCollector errors;
    EXPECT_FALSE(SavePageFile(path, FullPage()));
    ASSERT_EQ(errors.Messages().size(), 1u);
    // Windows does not tell a file in the way from a missing folder.
#ifdef _WIN32
    EXPECT_EQ(errors.Messages()[0], FileErrorText(ENOENT, kSavePageFileError, path));
#else
    EXPECT_EQ(errors.Messages()[0], FileErrorText(ENOTDIR, kSavePageFileError, path));
#endif
}

TEST(PageFile, FailedWriteLeavesTheOldFileIntact) {
    TempFolder folder;
    const auto path = folder.File("page.pg");
    const TPageRecord small;
    ASSERT_TRUE(SavePageFile(path, small));
    const auto old = ReadFileBytes(path);
    ErrorCollector errors;
#ifndef _WIN32
    {
        const FileSizeLimit limit(old.size() + 10);
        EXPECT_FALSE(SavePageFile(path, FullPage()));
    }
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], FileErrorText(EFBIG, kSavePageFileError, path));
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"page.pg"});
#endif

    // A page the writer refuses leaves it as well.
    auto refused = FullPage();
    Add(refused.Objects, ObjectWithAForeignPayload("Object1"));
    errors.Clear();
    EXPECT_FALSE(SavePageFile(path, refused));
    ExpectOneError(errors, kWriteObjectError);
    EXPECT_EQ(ReadFileBytes(path), old);
    EXPECT_EQ(FileNames(folder.Path()), std::vector<std::string>{"page.pg"});
}

struct PageSources : ::testing::Test {
    TempFolder folder;
    TPageSource source{dsProjectSource, folder.Path(), folder.Path() + "/Temp"};
    TAutoFormInfo entry;
    TPageRecord page = FullPage();

    void SetUp() override {
        entry.Name = "Main Page";
        std::filesystem::create_directories(folder.Path() + "/AutoRunSource");
        std::filesystem::create_directories(source.DesignerTempFolder);
    }
};

TEST_F(PageSources, ProjectSourceAndDesignerTemporaryCopy) {
    ASSERT_TRUE(SavePageFile(folder.File("AutoRunSource/Main Page.pg"), page));
    TPageRecord loaded;
    ASSERT_TRUE(LoadPage(source, entry, loaded, TPageReadMode::Build, {}));
    EXPECT_EQ(loaded.Caption, "Welcome");

    page.Caption = "Being edited";
    ASSERT_TRUE(SavePageFile(source.DesignerTempFolder + "/Main Page.pg", page));
    entry.InDesignerTemp = true;
    ASSERT_TRUE(LoadPage(source, entry, loaded, TPageReadMode::Build, {}));
    EXPECT_EQ(loaded.Caption, "Being edited");
    TPageTitle title;
    ASSERT_TRUE(ReadPageTitle(source, entry, title));
    EXPECT_EQ(title.Caption, "Being edited");
    EXPECT_EQ(title.PageIcon, page.PageIcon);
}

TEST_F(PageSources, TargetFileAtTheEntrysOffset) {
    const Bytes before(37, 0xee);
    const auto bytes = PageBytes(page);
    WriteFileBytes(TargetFilePathIn(folder.Path()), Concat({before, bytes, Bytes(5, 0xdd)}));
    source.DataSource = dsTargetFile;
    entry.Offset = static_cast<std::int32_t>(before.size());
    TPageRecord loaded;
    ErrorCollector errors;
    ASSERT_TRUE(LoadPage(source, entry, loaded, TPageReadMode::Build, {}));
    EXPECT_EQ(PageBytes(loaded), bytes);
    TPageTitle title;
    ASSERT_TRUE(ReadPageTitle(source, entry, title));
    EXPECT_EQ(title.Caption, "Welcome");
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(PageSources, FailuresCarryTheirCodes) {
    ErrorCollector errors;
    TPageRecord loaded;
    TPageTitle title;
    EXPECT_FALSE(LoadPage(source, entry, loaded, TPageReadMode::Build, {}));
    ExpectOneError(errors, kLoadPageFileError);
    errors.Clear();
    EXPECT_FALSE(ReadPageTitle(source, entry, title));
    ExpectOneError(errors, kReadPageTitleError);

    source.DataSource = dsTargetFile;
    errors.Clear();
    EXPECT_FALSE(LoadPage(source, entry, loaded, TPageReadMode::Build, {}));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kLoadPageFromTargetError, TargetFilePathIn(folder.Path())));

    // A title cut short in the target file.
    WriteFileBytes(TargetFilePathIn(folder.Path()), {7, 2, 0});
    errors.Clear();
    EXPECT_FALSE(ReadPageTitle(source, entry, title));
    ExpectOneError(errors, kReadPageTitleError);
}

} // namespace
} // namespace brelvane::test
