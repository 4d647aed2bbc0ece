#include "platform/DesktopShell_posix.h"
#include "platform/SpecialFolders.h"
#include "storage/StorageTestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTimer>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace brelvane::platform {
namespace {

// Records what would be started; the desktop knows handlers for `Handled`.
class RecordingLauncher final : public ProcessLauncher {
public:
    QStringList Handled;
    bool HasTools = true;
    std::vector<ProcessRequest>* Started;
    explicit RecordingLauncher(std::vector<ProcessRequest>* started) : Started(started) {}
    QString FindProgram(const QString& name) override {
        return HasTools ? "/usr/bin/" + name : QString();
    }
    QString Query(const ProcessRequest& request) override {
        return Handled.contains(request.Arguments.value(2)) ? "app.desktop" : QString();
    }
    bool StartDetached(const ProcessRequest& request) override {
        Started->push_back(request);
        return true;
    }
    std::optional<int> RunToEnd(const ProcessRequest& request) override {
        Started->push_back(request);
        return 7;
    }
};

struct ShellFixture {
    test::TempFolder Folder;
    std::vector<ProcessRequest> Started;
    RecordingLauncher* Launcher = new RecordingLauncher(&Started);
    DesktopShell Shell{std::unique_ptr<ProcessLauncher>(Launcher)};

    ShellFixture() {
        test::WriteFileBytes(Folder.File("notes.txt"), {'h', 'i'});
        test::WriteFileBytes(Folder.File("run.sh"), {'#', '!', '/', 'b', 'i', 'n', '/', 's', 'h'});
        std::filesystem::permissions(Folder.File("run.sh"), std::filesystem::perms::owner_all);
    }
    QString Q(const std::string& path) { return QString::fromStdString(path); }
};

TEST(DesktopShell, ProgramsRunDirectlyOthersGoToTheOpenerWhenAHandlerExists) {
    ShellFixture f;
    f.Launcher->Handled = {"text/plain", "inode/directory", "x-scheme-handler/https",
                           "x-scheme-handler/http"};
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("run.sh"), "-a \"b c\"", f.Folder.Path()}),
              scSuccess);
    EXPECT_EQ(f.Shell.Execute({"Open", f.Folder.File("notes.txt"), "", ""}), scSuccess);
    EXPECT_EQ(f.Shell.Execute({"open", "https://example.com/?q=1", "", ""}), scSuccess);
    EXPECT_EQ(f.Shell.Execute({"open", "www.example.com", "", ""}), scSuccess);
    EXPECT_EQ(f.Shell.Execute({"explore", f.Folder.Path(), "", ""}), scSuccess);
    EXPECT_EQ(f.Shell.Execute({"print", f.Folder.File("notes.txt"), "", ""}), scSuccess);
    const std::vector<ProcessRequest> expected = {
        {f.Q(f.Folder.File("run.sh")), {"-a", "b c"}, f.Q(f.Folder.Path())},
        {"xdg-open", {f.Q(f.Folder.File("notes.txt"))}, ""},
        {"xdg-open", {"https://example.com/?q=1"}, ""},
        {"xdg-open", {"www.example.com"}, ""},
        {"xdg-open", {f.Q(f.Folder.Path())}, ""},
        {"lp", {"--", f.Q(f.Folder.File("notes.txt"))}, ""},
    };
    EXPECT_EQ(f.Started, expected);
}

TEST(DesktopShell, FailuresGiveWindowsCodes) {
    ShellFixture f;
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("none.txt"), "", ""}), scFileNotFound);
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("no/none.txt"), "", ""}), scPathNotFound);
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("run.sh"), "", f.Folder.File("no")}),
              scPathNotFound);
    EXPECT_EQ(f.Shell.Execute({"explore", f.Folder.File("notes.txt"), "", ""}), scPathNotFound);
    // No handler for the type, the address or mail on this desktop.
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("notes.txt"), "", ""}), scNoAssociation);
    EXPECT_EQ(f.Shell.Execute({"open", "mailto:me@example.com", "", ""}), scNoAssociation);
    EXPECT_EQ(f.Shell.Execute({"print", f.Folder.Path(), "", ""}), scNoAssociation);
    EXPECT_EQ(f.Shell.Execute({"edit", f.Folder.File("notes.txt"), "", ""}), scNoAssociation);
    f.Launcher->Handled = {"text/plain", "x-scheme-handler/mailto"};
    f.Launcher->HasTools = false;
    EXPECT_EQ(f.Shell.Execute({"open", f.Folder.File("notes.txt"), "", ""}), scNoAssociation);
    EXPECT_EQ(f.Shell.Execute({"print", f.Folder.File("notes.txt"), "", ""}), scNoAssociation);
    EXPECT_TRUE(f.Started.empty());
    f.Launcher->HasTools = true;
    EXPECT_EQ(f.Shell.Execute({"open", "mailto:me@example.com", "", ""}), scSuccess);
    int exitCode = 0;
    EXPECT_EQ(f.Shell.ExecuteAndWait({"open", f.Folder.File("run.sh"), "", ""}, true, exitCode),
              scSuccess);
    EXPECT_EQ(exitCode, 7);
}

TEST(RealShell, ScriptWithParametersAndFolderIsWaitedForWhileEventsRun) {
    int argc = 1;
    char name[] = "platform_tests";
    char* argv[] = {name};
    // Another test of the program may have created the application already.
    std::optional<QCoreApplication> application;
    if (!QCoreApplication::instance()) application.emplace(argc, argv);
    test::TempFolder folder;
    const auto script = folder.File("write.sh");
    {
        QFile file(QString::fromStdString(script));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nsleep 0.4\necho \"$1|$2|$(pwd)\" > out.txt\nexit 3\n");
    }
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    std::filesystem::create_directory(folder.File("work"));
    int ticks = 0;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    timer.start(20);
    DesktopShell shell(CreateProcessLauncher());
    int exitCode = 0;
    EXPECT_EQ(shell.ExecuteAndWait({"open", script, "one \"two words\"", folder.File("work")}, true,
                                   exitCode),
              scSuccess);
    EXPECT_EQ(exitCode, 3);
    EXPECT_GE(ticks, 5); // the timer kept running during the wait
    const auto out = test::ReadFileBytes(folder.File("work/out.txt"));
    EXPECT_EQ(std::string(out.begin(), out.end()),
              "one|two words|" + std::filesystem::canonical(folder.File("work")).string() + "\n");
}

TEST(SpecialFolders, TableAndTokenRule) {
    ASSERT_EQ(SpecialFolders().size(), 57u);
    EXPECT_EQ(SpecialFolders()[0].Name, "Desktop");
    EXPECT_EQ(SpecialFolders()[56].Name, "ComputersNearMe");
    EXPECT_EQ(SpecialFolderCsidl(15), 16);
    EXPECT_EQ(SpecialFolderCsidl(56), 61);
    const auto documents =
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString();
    EXPECT_EQ(ResolveSpecialFolder("[Personal]"), documents);
    EXPECT_EQ(ResolveSpecialFolder("[MyDocuments]"), documents);
    EXPECT_EQ(
        ResolveSpecialFolder("[Startup]"),
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString() +
            "/autostart");
    EXPECT_EQ(ResolveSpecialFolder("[personal]"), ""); // exact case only
    EXPECT_EQ(ResolveSpecialFolder("[Windows]"), "");  // no counterpart here
    EXPECT_EQ(ResolveSpecialFolder("[]"), "");
    EXPECT_EQ(ResolveSpecialFolder("Personal"), "");
    EXPECT_EQ(ResolveSpecialFolder("[Personal"), "");
    EXPECT_EQ(SpecialFolderPath(57), "");
}

} // namespace
} // namespace brelvane::platform
