#include "designer/DesignerFixture.h"
#include "designer/PageHost.h"
#include "designer/ProjectSaver.h"
#include "player/AutoRunForm.h"
#include "project/PageStream.h"
#include "project/TargetFile.h"
#include "storage/exe/FileVersion.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

std::string TextOf(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

// Starts `program` in `folder`; true when it is still running after `seconds`
// (a player that cannot load its project ends at once).
bool RunsFor(const std::string& program, const std::string& folder, int seconds) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (::chdir(folder.c_str()) != 0) ::_exit(126);
        ::execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    int status = 0;
    for (int waited = 0; waited < seconds * 10; ++waited) {
        if (::waitpid(pid, &status, WNOHANG) == pid) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGTERM);
    ::waitpid(pid, &status, 0);
    return true;
}

int Shell(const std::string& command) {
    return std::system(command.c_str());
}

TEST(DesignerEndToEnd, NewProjectToSavedTargetThatThePlayerPlays) {
    DesignerFixture f(BRELVANE_PROGRAM);
    f.NewProject();
    f.AddPage();
    f.AddPage();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Sub Page", "Sub Page1"}));
    f.Select(2);
    f.Form->DeleteSubPage1Click();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Sub Page"}));
    f.Select(0);
    f.Form->Host().Model()->Page().Caption = "End to end";
    f.Form->SetModified(true);
    f.Select(1);
    ASSERT_TRUE(f.Form->Save1Click());
    f.Form->CreateTargetFile();
    EXPECT_FALSE(f.Form->Project().ProjectModified);
    // The designer's version is its own program's; the saved player carries the same one.
    EXPECT_FALSE(f.Form->DesignerVersion().empty());
    EXPECT_EQ(ReadFileVersion(f.Base + "/autorun.exe"), f.Form->DesignerVersion());
    EXPECT_TRUE(f.Form->close());
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: Target file \"autorun.tgt\" created.");

    // The files, byte for byte.
    EXPECT_EQ(TextOf(f.Base + "/autorun.inf"),
              "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(ReadFileBytes(f.Base + "/autorun.exe"), ReadFileBytes(BRELVANE_PROGRAM));
    struct stat info {};
    ASSERT_EQ(::stat((f.Base + "/autorun.exe").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0755u);
    EXPECT_EQ(ReadFileBytes(f.Base + "/autorun.ico"), ReadFileBytes(f.Program + "/Default.ico"));
    TProjectIndex index;
    ASSERT_TRUE(LoadIndexFile(IndexPathOf(f.Base), index, TTrailer::Read));
    ASSERT_EQ(index.Pages.size(), 2u);
    TProjectIndex target;
    ASSERT_TRUE(ReadTargetFile(f.Base + "/autorun.tgt", target));
    // The index was saved before the target file gave its pages Offsets.
    TProjectIndex saved;
    ASSERT_TRUE(ReadTargetFile(f.Base + "/autorun.tgt", saved));
    for (auto& entry : saved.Pages)
        entry->Offset = 0;
    TMemoryStream expected;
    ASSERT_TRUE(WriteProjectIndex(expected, saved));
    WriteIndexTrailer(expected);
    EXPECT_EQ(ReadFileBytes(IndexPathOf(f.Base)), expected.Bytes());
    for (std::size_t i = 0; i < index.Pages.size(); ++i) {
        const auto& entry = *index.Pages[i];
        TPageRecord fromSource;
        TPageRecord fromTarget;
        ASSERT_TRUE(
            LoadPage({dsProjectSource, f.Base, {}}, entry, fromSource, TPageReadMode::Build, {}));
        ASSERT_TRUE(LoadPage({dsTargetFile, f.Base, {}}, *target.Pages[i], fromTarget,
                             TPageReadMode::Build, {}));
        TMemoryStream a, b;
        ASSERT_TRUE(WritePage(a, fromSource));
        ASSERT_TRUE(WritePage(b, fromTarget));
        EXPECT_EQ(a.Bytes(), b.Bytes()) << entry.Name;
        EXPECT_EQ(a.Bytes(), ReadFileBytes(SourcePagePath(f.Base, entry.Name))) << entry.Name;
    }
    EXPECT_EQ(fs::directory_iterator(f.Base + "/AutoRunSource") != fs::directory_iterator(), true);
    EXPECT_FALSE(fs::exists(SourcePagePath(f.Base, "Sub Page1")));
    EXPECT_TRUE(fs::is_empty(f.Program + "/Temp"));
    EXPECT_NE(TextOf(f.Program + "/Brelvane.ini").find("DefaultPath=" + f.Base), std::string::npos);

    // The saved player plays the project, and every page renders.
    EXPECT_TRUE(RunsFor(f.Base + "/autorun.exe", f.Base, 3));
    for (const char* page : {"Main Page", "Sub Page"})
        EXPECT_EQ(Shell(std::string("QT_QPA_PLATFORM=offscreen '") + BRELVANE_TOOL + "' render '" +
                        f.Base + "' '" + page + "' '" + f.Root.File(page) + ".png'"),
                  0)
            << page;
    if (const char* out = std::getenv("BRELVANE_E2E_OUT")) {
        fs::create_directories(out);
        for (const char* folder : {"project", "program"})
            fs::copy(f.Root.File(folder), std::string(out) + "/" + folder,
                     fs::copy_options::recursive | fs::copy_options::overwrite_existing);
    }
}

} // namespace
} // namespace brelvane::test
