#include "designer/ProjectSaver.h"

#include "project/PageStream.h"
#include "storage/StorageTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

std::string Text(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// A project whose pages are plain marker files, so that what a save moves is visible.
struct SaveFixture {
    TempFolder Root;
    std::string Base = Root.File("CDROM");
    std::string Temp = Root.File("Temp");
    std::string Program = Root.File("Brelvane");
    TDesignerProject Project;
    TSaveSources Sources;
    std::string CurrentContent = "current page";
    ErrorCollector Errors;

    SaveFixture() {
        fs::create_directories(Base);
        fs::create_directories(Temp);
        std::ofstream(Program) << "program bytes";
        std::ofstream(Root.File("Default.ico")) << "icon bytes";
        Project.BaseFolder = Base;
        Sources.TempFolder = Temp;
        Sources.Root = {Program, "2.0", Root.File("Default.ico"), {}};
        Sources.SaveCurrentPage = [this](const std::string& path) {
            std::ofstream(path) << CurrentContent;
            return true;
        };
    }
    TAutoFormInfo& Add(const std::string& name, const std::string& workingCopy) {
        Project.Index.Pages.push_back(std::make_unique<TAutoFormInfo>());
        auto& entry = *Project.Index.Pages.back();
        entry.Name = entry.SavedName = name;
        entry.Kind = Project.Index.Pages.size() == 1 ? pkMainPage : pkSubPage;
        entry.InDesignerTemp = true;
        std::ofstream(WorkingCopyPath(Temp, name)) << workingCopy;
        return entry;
    }
    bool Save() { return SaveProjectFiles(Project, Base, Sources); }
    std::string Page(const std::string& name) const { return Text(SourcePagePath(Base, name)); }
    std::vector<std::string> SourceFiles() const {
        std::vector<std::string> names;
        for (const auto& item : fs::directory_iterator(Base + "/AutoRunSource"))
            names.push_back(item.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
};

TEST(ProjectSaver, WritesRootFilesChangedPagesAndTheIndex) {
    SaveFixture f;
    f.Add("Main Page", "main copy");
    f.Add("Sub Page", "sub copy");
    f.Project.CurrentPageIndex = 1;
    ASSERT_TRUE(f.Save());
    EXPECT_TRUE(f.Errors.Messages().empty());
    EXPECT_EQ(f.Page("Main Page"), "main copy");
    EXPECT_EQ(f.Page("Sub Page"), "current page");
    const auto inf = Text(f.Base + "/autorun.inf");
    EXPECT_EQ(inf, "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(inf.size(), 47u);
    EXPECT_EQ(Text(f.Base + "/autorun.exe"), "program bytes");
    struct stat info {};
    ASSERT_EQ(::stat((f.Base + "/autorun.exe").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    EXPECT_EQ(Text(f.Base + "/autorun.ico"), "icon bytes");
    TProjectIndex index;
    ASSERT_TRUE(LoadIndexFile(IndexPathOf(f.Base), index, TTrailer::Read));
    ASSERT_EQ(index.Pages.size(), 2u);
    EXPECT_EQ(index.Pages[1]->Name, "Sub Page");
    for (const auto& entry : f.Project.Index.Pages) {
        EXPECT_FALSE(entry->InDesignerTemp);
        EXPECT_FALSE(fs::exists(WorkingCopyPath(f.Temp, entry->Name)));
    }
}

// The autostart script a desktop runs after mounting the disc starts the
// player from the disc's root whatever the current folder is.
TEST(ProjectSaver, TheAutostartScriptStartsThePlayerBesideIt) {
    SaveFixture f;
    f.Add("Main Page", "main");
    ASSERT_TRUE(f.Save());
    const auto script = f.Base + "/autorun";
    EXPECT_EQ(Text(script), "#!/bin/sh\ncd \"$(dirname \"$0\")\" && exec ./autorun.exe \"$@\"\n");
    struct stat info {};
    ASSERT_EQ(::stat(script.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);

    // A stand-in player that writes where it ran and what it was given.
    {
        std::ofstream player(f.Base + "/autorun.exe");
        player << "#!/bin/sh\npwd > started.txt\necho \"$1\" >> started.txt\n";
    }
    fs::permissions(f.Base + "/autorun.exe", fs::perms(0755));
    const auto command = "cd / && '" + script + "' 'two words'";
    ASSERT_EQ(std::system(command.c_str()), 0);
    EXPECT_EQ(Text(f.Base + "/started.txt"), fs::canonical(f.Base).string() + "\ntwo words\n");

    // A hand-edited script is written again at the next save.
    std::ofstream(script) << "edited";
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(Text(script).substr(0, 10), "#!/bin/sh\n");
}

TEST(ProjectSaver, APlayerOfTheDesignersVersionIsKeptAndAMissingOneCopied) {
    SaveFixture f;
    f.Add("Main Page", "main");
    std::vector<std::string> asked;
    f.Sources.Root.ReadFileVersion = [&](const std::string& path) {
        asked.push_back(path);
        return std::string("2.0");
    };
    std::ofstream(f.Base + "/autorun.exe") << "custom player";
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(Text(f.Base + "/autorun.exe"), "custom player");
    EXPECT_EQ(asked.size(), 1u);

    f.Sources.Root.ReadFileVersion = [](const std::string&) { return std::string("1.0"); };
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(Text(f.Base + "/autorun.exe"), "program bytes");

    fs::remove(f.Base + "/autorun.exe");
    f.Sources.Root.ReadFileVersion = [](const std::string&) { return std::string("2.0"); };
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(Text(f.Base + "/autorun.exe"), "program bytes");
}

TEST(ProjectSaver, APageRenamedTwiceLeavesOneFile) {
    SaveFixture f;
    f.Add("Main Page", "main");
    auto& sub = f.Add("Sub Page", "sub");
    ASSERT_TRUE(f.Save());
    sub.Name = "Middle";
    sub.Name = "Final";
    sub.InDesignerTemp = true;
    std::ofstream(WorkingCopyPath(f.Temp, "Final")) << "renamed";
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(f.SourceFiles(),
              (std::vector<std::string>{"AutoRun.src", "Final.pg", "Main Page.pg"}));
    EXPECT_EQ(f.Page("Final"), "renamed");
    EXPECT_EQ(sub.SavedName, "Final");
}

TEST(ProjectSaver, APageDeletedAndAddedUnderItsNameEndsWithTheNewFile) {
    SaveFixture f;
    f.Add("Main Page", "main");
    f.Add("Sub Page", "old");
    ASSERT_TRUE(f.Save());
    f.Project.DeletedPages.push_back(std::move(f.Project.Index.Pages[1]));
    f.Project.Index.Pages.pop_back();
    f.Add("Sub Page", "new");
    ASSERT_TRUE(f.Save());
    EXPECT_EQ(f.Page("Sub Page"), "new");
    EXPECT_TRUE(f.Project.DeletedPages.empty());
}

TEST(ProjectSaver, DeletedPagesGoOnlyAfterTheIndex) {
    SaveFixture f;
    f.Add("Main Page", "main");
    f.Add("Sub Page", "sub");
    ASSERT_TRUE(f.Save());
    f.Project.DeletedPages.push_back(std::move(f.Project.Index.Pages[1]));
    f.Project.Index.Pages.pop_back();
    fs::remove(IndexPathOf(f.Base));
    fs::create_directory(IndexPathOf(f.Base));
    EXPECT_FALSE(f.Save());
    ExpectOneError(f.Errors, kSaveIndexFileError);
    EXPECT_TRUE(fs::exists(SourcePagePath(f.Base, "Sub Page")));
    EXPECT_EQ(f.Project.DeletedPages.size(), 1u);
}

struct FailingSave : ::testing::TestWithParam<std::pair<const char*, int>> {};

// A folder where a file must go fails the save with one box, keeps the
// changes to save again, and leaves the previous project loadable.
TEST_P(FailingSave, KeepsThePreviousProjectAndTheChanges) {
    const auto [blocked, code] = GetParam();
    SaveFixture f;
    f.Add("Main Page", "main v1");
    f.Add("Sub Page", "sub v1");
    ASSERT_TRUE(f.Save());
    for (const auto& entry : f.Project.Index.Pages)
        entry->InDesignerTemp = true;
    std::ofstream(WorkingCopyPath(f.Temp, "Main Page")) << "main v2";
    std::ofstream(WorkingCopyPath(f.Temp, "Sub Page")) << "sub v2";
    const auto path = f.Base + "/" + blocked;
    fs::remove(path);
    fs::create_directory(path);
    EXPECT_FALSE(f.Save());
    ExpectOneError(f.Errors, code);
    EXPECT_NE(f.Errors.Messages().front().find(blocked), std::string::npos);
    for (const auto& entry : f.Project.Index.Pages) {
        EXPECT_TRUE(entry->InDesignerTemp);
        EXPECT_TRUE(fs::exists(WorkingCopyPath(f.Temp, entry->Name)));
    }
    // The index itself is what the test replaced by a folder.
    if (code == kSaveIndexFileError) return;
    TProjectIndex index;
    EXPECT_TRUE(LoadIndexFile(IndexPathOf(f.Base), index, TTrailer::Read));
    EXPECT_EQ(index.Pages.size(), 2u);
}

INSTANTIATE_TEST_SUITE_P(
    Blocked, FailingSave,
    ::testing::Values(std::pair{"AutoRunSource/AutoRun.src", int(kSaveIndexFileError)},
                      std::pair{"AutoRunSource/Sub Page.pg", int(kSavePageFileError)},
                      std::pair{"autorun.inf", int(kCopyPlayerError)},
                      std::pair{"autorun", int(kCopyPlayerError)},
                      std::pair{"autorun.exe", int(kCopyPlayerError)}));

TEST(ProjectSaver, AMissingBaseFolderWritesNothing) {
    SaveFixture f;
    f.Add("Main Page", "main");
    fs::remove_all(f.Base);
    EXPECT_FALSE(f.Save());
    ASSERT_EQ(f.Errors.Messages().size(), 1u);
    EXPECT_EQ(f.Errors.Messages().front(), "Directory \"" + f.Base + "\" not found");
    EXPECT_FALSE(fs::exists(f.Base));
}

} // namespace
} // namespace brelvane::test
