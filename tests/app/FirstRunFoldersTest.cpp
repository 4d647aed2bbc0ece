#include "app/FirstRunFolders.h"

#include "storage/StorageTestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

namespace fs = std::filesystem;
using test::TempFolder;

void Touch(const std::string& path) {
    fs::create_directories(fs::path(path).parent_path());
    test::WriteFileBytes(path, {'x'});
}

bool Exists(const std::string& path) {
    return fs::exists(path);
}

TEST(CopyFolderTree, CopiesSubfoldersAndSkipsDiscRootFilesInAnyCase) {
    TempFolder source, target;
    Touch(source.File("page.pg"));
    Touch(source.File("AutoRunSource/AutoRun.src"));
    Touch(source.File("AutoRunSource/Media/deep/a.wav"));
    for (const char* skipped : {"AUTORUN.INF", "autorun.exe", "AutoRun.Ico", "autorun.TGT"}) {
        Touch(source.File(skipped));
        Touch(source.File(std::string("AutoRunSource/") + skipped));
    }
    CopyFolderTree(source.Path(), target.Path());

    EXPECT_TRUE(Exists(target.File("page.pg")));
    EXPECT_TRUE(Exists(target.File("AutoRunSource/AutoRun.src")));
    EXPECT_TRUE(Exists(target.File("AutoRunSource/Media/deep/a.wav")));
    for (const char* skipped : {"AUTORUN.INF", "autorun.exe", "AutoRun.Ico", "autorun.TGT"}) {
        EXPECT_FALSE(Exists(target.File(skipped))) << skipped;
        EXPECT_FALSE(Exists(target.File(std::string("AutoRunSource/") + skipped))) << skipped;
    }
}

TEST(CopyFolderTree, OverwritesExistingFiles) {
    TempFolder source, target;
    test::WriteFileBytes(source.File("a.txt"), {'n', 'e', 'w'});
    test::WriteFileBytes(target.File("a.txt"), {'o', 'l', 'd', '!'});
    CopyFolderTree(source.Path(), target.Path());
    EXPECT_EQ(test::ReadFileBytes(target.File("a.txt")), (test::Bytes{'n', 'e', 'w'}));
}

TEST(CreateDefaultProjectFolders, CopiesSamplesZeroToTwentyAndTheFixedFolders) {
    TempFolder documents, program;
    for (int n : {0, 7, 20, 21, 100})
        Touch(program.File("SampleCD" + std::to_string(n) + "/x.pg"));
    Touch(program.File("CDROM/AutoRunSource/AutoRun.src"));
    Touch(program.File("CDROM/autorun.exe"));
    Touch(program.File("AutoRunSource/Main.pg"));

    ASSERT_TRUE(CreateDefaultProjectFolders(documents.Path(), program.Path()));
    const auto projects = documents.File("Brelvane Projects");
    EXPECT_TRUE(Exists(projects + "/CDROM/AutoRunSource/AutoRun.src"));
    EXPECT_FALSE(Exists(projects + "/CDROM/autorun.exe"));
    EXPECT_TRUE(Exists(projects + "/SampleCD0/x.pg"));
    EXPECT_TRUE(Exists(projects + "/SampleCD7/x.pg"));
    EXPECT_TRUE(Exists(projects + "/SampleCD20/x.pg"));
    EXPECT_FALSE(Exists(projects + "/SampleCD21"));
    EXPECT_FALSE(Exists(projects + "/SampleCD100"));
    EXPECT_FALSE(Exists(projects + "/SampleCD1"));
    EXPECT_TRUE(Exists(projects + "/AutoRunSource/Main.pg"));
}

TEST(CreateDefaultProjectFolders, ExistingProjectsFolderStopsEverythingEvenWhenEmpty) {
    TempFolder documents, program;
    fs::create_directory(documents.File("Brelvane Projects"));
    Touch(program.File("SampleCD0/x.pg"));
    Touch(program.File("CDROM/a.pg"));
    ErrorCollector errors;
    EXPECT_FALSE(CreateDefaultProjectFolders(documents.Path(), program.Path()));
    EXPECT_TRUE(fs::is_empty(documents.File("Brelvane Projects")));
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(CreateDefaultProjectFolders, FailureToCreateReportsThePath) {
    TempFolder program;
    ErrorCollector errors;
    EXPECT_FALSE(CreateDefaultProjectFolders("/nonexistent/documents", program.Path()));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0],
              "Create folder \"/nonexistent/documents/Brelvane Projects\" failed!");
}

TEST(CreateDefaultProjectFolders, CreatesAMissingDocumentsFolderButNotItsParents) {
    TempFolder home, program;
    ASSERT_TRUE(CreateDefaultProjectFolders(home.File("Documents"), program.Path()));
    EXPECT_TRUE(fs::is_directory(home.File("Documents/Brelvane Projects/CDROM")));

    ErrorCollector errors;
    EXPECT_FALSE(CreateDefaultProjectFolders(home.File("missing/Documents"), program.Path()));
    EXPECT_FALSE(Exists(home.File("missing")));
    EXPECT_EQ(errors.Messages().size(), 1u);
}

TEST(CreateDefaultProjectFolders, WithoutSamplesCreatesTheEmptyCdromFolder) {
    TempFolder documents, program;
    ASSERT_TRUE(CreateDefaultProjectFolders(documents.Path(), program.Path()));
    EXPECT_TRUE(fs::is_empty(documents.File("Brelvane Projects/CDROM")));
}

} // namespace
} // namespace brelvane
