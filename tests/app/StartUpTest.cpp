#include "app/StartUp.h"

#include "app/Cleanup.h"
#include "app/ErrorBoxes.h"
#include "app/ProjectData.h"
#include "player/HintStyle.h"
#include "project/PageSource.h"
#include "storage/FileSystem.h"
#include "storage/LittleEndian.h"
#include "storage/StorageTestSupport.h"

#include <QApplication>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

namespace fs = std::filesystem;

class PlayerStart : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        static int argc = 1;
        static char name[] = "app_tests";
        static char* argv[] = {name};
        if (!QCoreApplication::instance()) new QApplication(argc, argv);
    }

    // A player executable path inside the base folder.
    TProcessState PlayerIn(const std::string& folder) {
        TProcessState state;
        SetProgramPaths(state, folder + "/autorun.exe");
        return state;
    }

    static TProjectIndex
    IndexWithPages(std::initializer_list<std::pair<const char*, std::uint8_t>> pages) {
        TProjectIndex index;
        for (const auto& [name, kind] : pages) {
            auto page = std::make_unique<TAutoFormInfo>();
            page->Name = name;
            page->Kind = kind;
            index.Pages.push_back(std::move(page));
        }
        return index;
    }

    test::TempFolder base;
    ErrorCollector errors;
};

TEST_F(PlayerStart, ProjectSourceWinsOverTargetFile) {
    fs::create_directory(base.File("AutoRunSource"));
    ASSERT_TRUE(SaveIndexFile(base.File("AutoRunSource/AutoRun.src"),
                              IndexWithPages({{"FromSource", pkMainPage}})));
    ASSERT_TRUE(
        SaveIndexFile(base.File("autorun.tgt"), IndexWithPages({{"FromTarget", pkMainPage}})));
    auto state = PlayerIn(base.Path());
    EXPECT_TRUE(StartPlayer(state));
    EXPECT_EQ(state.DataSource, dsProjectSource);
    EXPECT_EQ(state.BaseFolder, base.Path());
    ASSERT_EQ(state.Project.Pages.size(), 1u);
    EXPECT_EQ(state.Project.Pages[0]->Name, "FromSource");
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(PlayerStart, CustomizedHintIsInstalledWhenTheProjectAsks) {
    fs::create_directory(base.File("AutoRunSource"));
    auto index = IndexWithPages({{"Main", pkMainPage}});
    ASSERT_TRUE(SaveIndexFile(base.File("AutoRunSource/AutoRun.src"), index));
    auto plain = PlayerIn(base.Path());
    EXPECT_TRUE(StartPlayer(plain));
    EXPECT_EQ(InstalledHintStyle(), nullptr);

    index.Settings.Hint->UseCustomizedHint = true;
    index.Settings.Hint->Direction = 3;
    index.Settings.Hint->ShowPause = 150;
    ASSERT_TRUE(SaveIndexFile(base.File("AutoRunSource/AutoRun.src"), index));
    auto custom = PlayerIn(base.Path());
    EXPECT_TRUE(StartPlayer(custom));
    ASSERT_NE(InstalledHintStyle(), nullptr);
    EXPECT_EQ(InstalledHintStyle()->Hint().Settings().Direction, 3);
    EXPECT_EQ(InstalledHintStyle()->ShowTimer().interval(), 150);
    InstallHintStyle(nullptr);
}

TEST_F(PlayerStart, ProjectSourceIsFoundInAnyCase) {
    fs::create_directory(base.File("autorunsource"));
    ASSERT_TRUE(SaveIndexFile(base.File("autorunsource/AUTORUN.SRC"),
                              IndexWithPages({{"Main", pkMainPage}})));
    auto state = PlayerIn(base.Path());
    EXPECT_TRUE(StartPlayer(state));
    EXPECT_EQ(state.DataSource, dsProjectSource);
}

TEST_F(PlayerStart, TargetFileIsReadFromItsBeginning) {
    // The index stands first; page streams follow it in a target file.
    TMemoryStream stream;
    ASSERT_TRUE(
        WriteProjectIndex(stream, IndexWithPages({{"Main", pkMainPage}, {"Sub", pkSubPage}})));
    WriteIndexTrailer(stream);
    auto bytes = stream.Bytes();
    bytes.insert(bytes.end(), {9, 9, 9, 9});
    test::WriteFileBytes(base.File("autorun.tgt"), bytes);

    auto state = PlayerIn(base.Path());
    EXPECT_TRUE(StartPlayer(state));
    EXPECT_EQ(state.DataSource, dsTargetFile);
    ASSERT_EQ(state.Project.Pages.size(), 2u);
    EXPECT_EQ(state.Project.Pages[1]->Name, "Sub");
}

TEST_F(PlayerStart, DamagedIndexShowsOneNumberedErrorAndFails) {
    fs::create_directory(base.File("AutoRunSource"));
    // Marker, then an ApplicationTitle whose length runs past the end.
    test::WriteFileBytes(base.File("AutoRunSource/AutoRun.src"),
                         test::Concat({test::Int32Bytes(-1), test::Int32Bytes(1000), {'a', 'b'}}));
    auto state = PlayerIn(base.Path());
    EXPECT_FALSE(StartPlayer(state));
    test::ExpectOneError(errors, 1054);
}

// A project in a localised documents folder: the box names the folder as the
// file manager shows it.
TEST_F(PlayerStart, ErrorBoxShowsUtf8PathsAsTheyAre) {
    const std::string folder = base.File("\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5"
                                         "\xD0\xBD\xD1\x82\xD1\x8B");
    fs::create_directories(NativePath(folder + "/AutoRunSource"));
    ASSERT_TRUE(SaveIndexFile(folder + "/AutoRunSource/AutoRun.src",
                              IndexWithPages({{"Main", pkMainPage}})));
    auto state = PlayerIn(folder);
    ASSERT_TRUE(StartPlayer(state));
    TPageRecord page;
    const TPageSource source{dsProjectSource, folder, ""};
    EXPECT_FALSE(LoadPage(source, *state.Project.Pages[0], page, TPageReadMode::Build, {}));
    ASSERT_EQ(errors.Messages().size(), 1u);
    const QString shown = ErrorBoxText(errors.Messages()[0]);
    EXPECT_TRUE(
        shown.startsWith("\"" + QString::fromStdString(folder) + "/AutoRunSource/Main.pg\""))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains(
        QString::fromUtf8("/\u0414\u043e\u043a\u0443\u043c\u0435\u043d\u0442\u044b/")));
}

// Without a project source or target file the program looks for its own
// appended package; this one does not even exist to be copied.
TEST_F(PlayerStart, NoProjectDataTurnsToTheAppendedPackage) {
    auto state = PlayerIn(base.Path());
    EXPECT_FALSE(StartPlayer(state));
    EXPECT_EQ(state.DataSource, dsAppendedPackage);
    test::ExpectOneError(errors, 1069);
    RunCleanup(state.CleanupList);
}

// Files unpacked before a load failed are removed all the same.
TEST_F(PlayerStart, CleanupRunsEvenWhenLoadingFails) {
    fs::create_directory(base.File("unpacked"));
    test::WriteFileBytes(base.File("unpacked/file"), {1});
    auto state = PlayerIn(base.Path());
    state.CleanupList = {"D" + base.File("unpacked"), "F" + base.File("unpacked/file")};
    EXPECT_EQ(RunPlayerMode(state), 1);
    EXPECT_FALSE(fs::exists(base.File("unpacked")));
}

// The start sequence runs before the message loop: a splash page that cannot
// be built ends the player with failure before the main page is looked at.
TEST_F(PlayerStart, SplashPageThatCannotBeBuiltEndsThePlayer) {
    fs::create_directory(base.File("AutoRunSource"));
    ASSERT_TRUE(SaveIndexFile(base.File("AutoRunSource/AutoRun.src"),
                              IndexWithPages({{"Main", pkMainPage}, {"Gone", pkSplashScreen}})));
    auto state = PlayerIn(base.Path());
    EXPECT_EQ(RunPlayerMode(state), 1);
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("Gone.pg"), std::string::npos) << errors.Messages()[0];
}

TEST(DesignerStartFolder, IniDefaultPathFirstThenSamplesFolder) {
    test::TempFolder program, documents;
    TProcessState state;
    SetProgramPaths(state, program.File("Brelvane"));
    state.DocumentsFolder = documents.Path();
    EXPECT_EQ(DesignerStartFolder(state), "");

    fs::create_directories(documents.File("Brelvane Projects/CDROM"));
    EXPECT_EQ(DesignerStartFolder(state), documents.File("Brelvane Projects/CDROM"));

    const std::string ini = "[START]\r\nDefaultPath=/media/project\r\n";
    test::WriteFileBytes(program.File("Brelvane.ini"), test::Bytes(ini.begin(), ini.end()));
    EXPECT_EQ(DesignerStartFolder(state), "/media/project");
}

TEST(ProcessPaths, FoldersComeFromTheExecutablePath) {
    TProcessState state;
    state.CleanupList = {"Dold"};
    SetProgramPaths(state, "/opt/brelvane/Brelvane");
    EXPECT_EQ(state.ProgramFolder, "/opt/brelvane");
    EXPECT_EQ(state.DesignerTempFolder, "/opt/brelvane/Temp");
    EXPECT_TRUE(state.CleanupList.empty());
    EXPECT_EQ(FileNameOf(state.ProgramPath), "Brelvane");
    EXPECT_EQ(FolderOf("/autorun.exe"), "/");
}

} // namespace
} // namespace brelvane
