#include "project/TargetFile.h"

#include "project/PageSource.h"
#include "project/PageTestSupport.h"
#include "storage/FileSystem.h"

#include <cctype>
#include <cerrno>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

struct TargetFile : ::testing::Test {
    TempFolder base;
    TPageSource source{dsProjectSource, base.Path(), base.Path() + "/Temp"};
    TProjectIndex index;
    std::vector<TPageRecord> pages;
    ErrorCollector errors;

    void SetUp() override {
        std::filesystem::create_directories(base.File("AutoRunSource"));
        std::filesystem::create_directories(source.DesignerTempFolder);
        const std::pair<const char*, std::uint8_t> entries[] = {
            {"Main Page", pkMainPage}, {"Intro", pkSplashScreen}, {"Products", pkSubPage}};
        for (const auto& [name, kind] : entries) {
            auto entry = std::make_unique<TAutoFormInfo>();
            entry->Name = name;
            entry->Kind = kind;
            entry->Offset = 12345; // stale from an earlier target file
            index.Pages.push_back(std::move(entry));
            auto page = FullPage();
            page.Caption = name;
            page.PageName = name;
            page.PageKind = kind;
            if (kind == pkSplashScreen) page.Objects.clear();
            EXPECT_TRUE(SavePageFile(PageFilePath(source, *index.Pages.back()), page));
            pages.push_back(std::move(page));
        }
    }

    std::uint64_t IndexLength() {
        TMemoryStream stream;
        EXPECT_TRUE(WriteProjectIndex(stream, index));
        return stream.Size() + 1;
    }
};

TEST_F(TargetFile, ThreePagesEachAtItsOffsetTheFirstRightAfterTheIndex) {
    ASSERT_TRUE(WriteTargetFile(base.Path(), index, PagesFromSource(source)));
    EXPECT_TRUE(errors.Messages().empty());

    TProjectIndex read;
    ASSERT_TRUE(ReadTargetFile(TargetFilePathIn(base.Path()), read));
    ASSERT_EQ(read.Pages.size(), 3u);
    const auto bytes = ReadFileBytes(TargetFilePathIn(base.Path()));
    std::uint64_t expected = IndexLength();
    EXPECT_EQ(bytes[expected - 1], 1) << "trailing flag byte";
    TPageSource target{dsTargetFile, base.Path(), {}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(pages[i].PageName);
        const auto stored = PageBytes(pages[i]);
        EXPECT_EQ(static_cast<std::uint64_t>(read.Pages[i]->Offset), expected);
        EXPECT_EQ(read.Pages[i]->Offset, index.Pages[i]->Offset);
        EXPECT_EQ(read.Pages[i]->Name, index.Pages[i]->Name);
        EXPECT_TRUE(std::equal(stored.begin(), stored.end(), bytes.begin() + expected));
        TPageRecord loaded;
        ASSERT_TRUE(LoadPage(target, *read.Pages[i], loaded, TPageReadMode::Build, {}));
        EXPECT_EQ(loaded.Caption, pages[i].Caption);
        expected += stored.size();
    }
    EXPECT_EQ(bytes.size(), expected);
}

TEST_F(TargetFile, DesignerWorkingCopyAndLivePageAreWhatIsWritten) {
    index.Pages[1]->InDesignerTemp = true;
    auto edited = FullPage();
    edited.Caption = "Unsaved edit";
    ASSERT_TRUE(SavePageFile(PageFilePath(source, *index.Pages[1]), edited));
    auto live = FullPage();
    live.Caption = "Live model";
    const auto fromSource = PagesFromSource(source);
    const TPageWriter writer = [&](TStream& stream, const TAutoFormInfo& entry) {
        return &entry == index.Pages[2].get() ? WritePage(stream, live) : fromSource(stream, entry);
    };
    ASSERT_TRUE(WriteTargetFile(base.Path(), index, writer));
    TPageSource target{dsTargetFile, base.Path(), {}};
    TPageRecord loaded;
    ASSERT_TRUE(LoadPage(target, *index.Pages[1], loaded, TPageReadMode::Build, {}));
    EXPECT_EQ(loaded.Caption, "Unsaved edit");
    ASSERT_TRUE(LoadPage(target, *index.Pages[2], loaded, TPageReadMode::Build, {}));
    EXPECT_EQ(loaded.Caption, "Live model");
}

TEST_F(TargetFile, MissingPageFailsWithTheLoadersBoxAndKeepsTheOldFile) {
    const Bytes old{1, 2, 3};
    WriteFileBytes(TargetFilePathIn(base.Path()), old);
    std::filesystem::remove(PageFilePath(source, *index.Pages[1]));
    EXPECT_FALSE(WriteTargetFile(base.Path(), index, PagesFromSource(source)));
    ExpectOneError(errors, kLoadPageFileError);
    EXPECT_EQ(ReadFileBytes(TargetFilePathIn(base.Path())), old);
}

TEST_F(TargetFile, FailuresOfTheFileCarryTheirCodesAndPaths) {
    const auto nowhere = base.File("missing");
    EXPECT_FALSE(WriteTargetFile(nowhere, index, PagesFromSource(source)));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kCreateTargetFileError, nowhere + "/autorun.tgt"));

    errors.Clear();
    TProjectIndex read;
    EXPECT_FALSE(ReadTargetFile(nowhere + "/autorun.tgt", read));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              FileErrorText(ENOENT, kLoadProjectDataError, nowhere + "/autorun.tgt"));

    // A page count that runs past the end of the file.
    WriteFileBytes(TargetFilePathIn(base.Path()), Concat({Int32Bytes(3), StringBytes("Main")}));
    errors.Clear();
    EXPECT_FALSE(ReadTargetFile(TargetFilePathIn(base.Path()), read));
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST_F(TargetFile, WrittenUnderTheNameAlreadyThereInAnyCase) {
    WriteFileBytes(base.File("AUTORUN.TGT"), {0});
    ASSERT_TRUE(WriteTargetFile(base.Path(), index, PagesFromSource(source)));
    // One file, under the name it had (on Windows too, where both names would open it).
    std::vector<std::string> targets;
    for (const auto& entry : ListFolder(base.Path())) {
        auto lower = entry.Name;
        for (auto& c : lower)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (lower == "autorun.tgt") targets.push_back(entry.Name);
    }
    EXPECT_EQ(targets, std::vector<std::string>{"AUTORUN.TGT"});
    TProjectIndex read;
    ASSERT_TRUE(ReadTargetFile(base.File("AUTORUN.TGT"), read));
    EXPECT_EQ(read.Pages.size(), 3u);
}

} // namespace
} // namespace brelvane::test
