#include "publish/LaunchingExecutable.h"

#include "project/Package.h"
#include "publish/PublishErrors.h"
#include "publish/PublishTestSupport.h"
#include "storage/ByteStream.h"
#include "storage/LittleEndian.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

// A published project whose player is a script that records where and how
// it ran into `Log`, then ends with the status in the file "status" there.
struct LaunchedProject : PublishedProject {
    std::string Log = Root.File("log");
    std::string Temp = Root.File("tmp");
    std::string Exe = Root.File("Demo.exe");
    explicit LaunchedProject(const std::string& playerBody = "exit 7\n") {
        fs::create_directories(Log);
        fs::create_directories(Temp);
        WriteText(Base + "/autorun.exe", "#!/bin/sh\n"
                                         "pwd > '" +
                                             Log +
                                             "/folder'\n"
                                             "echo \"$0|$*\" > '" +
                                             Log +
                                             "/arguments'\n"
                                             "test -x AutoRunRuntime/libexec/gst-plugin-scanner && "
                                             "echo yes > '" +
                                             Log + "/helper'\n" + playerBody);
    }
    bool Write(const std::string& launcher = BRELVANE_LAUNCHER) {
        return WriteLaunchingExecutable({Base, launcher, Runtime, {}}, Exe);
    }
    // Starts the single executable with TMPDIR pointing into the test's folder.
    pid_t Start(const std::vector<std::string>& arguments) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            ::setenv("TMPDIR", Temp.c_str(), 1);
            std::vector<char*> argv{const_cast<char*>(Exe.c_str())};
            for (const auto& argument : arguments)
                argv.push_back(const_cast<char*>(argument.c_str()));
            argv.push_back(nullptr);
            ::execv(Exe.c_str(), argv.data());
            ::_exit(126);
        }
        return pid;
    }
};

// The exit status of `pid`, or -1 when it still runs after 20 seconds.
int WaitFor(pid_t pid) {
    int status = 0;
    for (int tries = 0; tries < 200; ++tries) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

bool AppearsWithin(const std::string& path, int seconds) {
    for (int tries = 0; tries < seconds * 20 && !fs::exists(path); ++tries)
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    return fs::exists(path);
}

TEST(LaunchingExecutable, TheLauncherInFrontThenThePackageWithPlayerAndRuntime) {
    LaunchedProject p;
    const auto launcher = p.Root.File("launcher");
    WriteText(launcher, "LAUNCHER");
    // A runtime folder of the project's own gives way to the program's.
    WriteText(p.Base + "/AutoRunRuntime/lib/stale.so", "stale");
    ErrorCollector errors;
    ASSERT_TRUE(p.Write(launcher));
    EXPECT_TRUE(errors.Messages().empty());
    EXPECT_EQ(ModeOf(p.Exe), 0755u);
    EXPECT_FALSE(fs::exists(p.Root.File(".Demo.exe.publishing")));

    const auto bytes = ReadFileText(p.Exe);
    EXPECT_EQ(bytes.substr(0, 8), "LAUNCHER");
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x08\0\0\0", 4));
    TFileStream stream(p.Exe, TFileStream::Mode::Read);
    stream.Seek(8);
    const auto unpacked = p.Root.File("unpacked");
    fs::create_directories(unpacked);
    ASSERT_TRUE(ReadPackage(stream, unpacked, {}, bytes.size() - 4));
    EXPECT_EQ(FilesBelow(unpacked),
              (std::vector<std::string>{
                  "AutoRunRuntime", "AutoRunRuntime/lib", "AutoRunRuntime/lib/libQt6Core.so.6",
                  "AutoRunRuntime/libexec", "AutoRunRuntime/libexec/gst-plugin-scanner", "Media",
                  "Media/.hidden", "Media/clip.txt", "autorun", "autorun.exe", "autorun.inf",
                  "autorun.tgt"}));
    EXPECT_EQ(ReadFileText(unpacked + "/autorun.exe"), ReadFileText(p.Base + "/autorun.exe"));
    EXPECT_EQ(stream.Position(), bytes.size() - 4);
}

TEST(LaunchingExecutable, RefusalsAndFailuresLeaveThePreviousFileAsItWas) {
    LaunchedProject p;
    WriteText(p.Exe, "previous");
    const auto launcher = p.Root.File("launcher");
    WriteText(launcher, "LAUNCHER");
    struct Case {
        TLaunchingExecutable Parts;
        std::string Output;
        int Code;
        std::string Named;
    };
    const auto missing = p.Root.File("missing");
    for (const auto& c :
         {Case{{p.Base, launcher, p.Runtime, {}},
               p.Base + "/Media/Demo.exe",
               kPublishExecutableError,
               p.Base + "/Media/Demo.exe"},
          Case{{p.Base, missing, p.Runtime, {}}, p.Exe, kPublishExecutableError, missing},
          Case{{p.Base, launcher, missing, {}}, p.Exe, kPublishRuntimeMissingError, missing},
          // The player of the base folder cannot be read.
          Case{{p.Root.File("Program"), launcher, p.Runtime, {}},
               p.Exe,
               kPublishExecutableError,
               "autorun.exe"}}) {
        ErrorCollector errors;
        EXPECT_FALSE(WriteLaunchingExecutable(c.Parts, c.Output)) << c.Named;
        ExpectOneError(errors, c.Code);
        EXPECT_NE(errors.Messages().front().find(c.Named), std::string::npos)
            << errors.Messages().front();
        EXPECT_EQ(ReadFileText(p.Exe), "previous");
        EXPECT_FALSE(fs::exists(p.Root.File(".Demo.exe.publishing")));
        EXPECT_FALSE(fs::exists(p.Base + "/Media/Demo.exe"));
    }
}

TEST(LaunchingExecutable, RunsThePlayerUnpackedAndRemovesItsFolder) {
    LaunchedProject p;
    ASSERT_TRUE(p.Write());
    EXPECT_EQ(WaitFor(p.Start({"-x", "two words"})), 7);
    const auto folder = p.Temp + "/Brelvane0";
    EXPECT_EQ(ReadFileText(p.Log + "/folder"), folder + "\n");
    EXPECT_EQ(ReadFileText(p.Log + "/arguments"), folder + "/autorun.exe|-x two words\n");
    EXPECT_EQ(ReadFileText(p.Log + "/helper"), "yes\n");
    EXPECT_TRUE(FilesBelow(p.Temp).empty());

    // A folder of that name in use: the next number.
    fs::create_directories(folder);
    EXPECT_EQ(WaitFor(p.Start({})), 7);
    EXPECT_EQ(ReadFileText(p.Log + "/folder"), p.Temp + "/Brelvane1\n");
    EXPECT_EQ(FilesBelow(p.Temp), std::vector<std::string>{"Brelvane0"});
}

TEST(LaunchingExecutable, PassesOnTerminationAndStillClearsUp) {
    for (const int signal : {SIGTERM, SIGINT}) {
        LaunchedProject p("trap 'exit 3' TERM INT\n"
                          "touch started.flag\n"
                          "while :; do sleep 0.1; done\n");
        ASSERT_TRUE(p.Write());
        const pid_t pid = p.Start({});
        ASSERT_TRUE(AppearsWithin(p.Temp + "/Brelvane0/started.flag", 10)) << signal;
        ::kill(pid, signal);
        EXPECT_EQ(WaitFor(pid), 3) << signal;
        EXPECT_TRUE(FilesBelow(p.Temp).empty()) << signal;
    }
}

TEST(LaunchingExecutable, ADamagedPackageIsReportedAndLeavesNoFolder) {
    LaunchedProject p;
    ASSERT_TRUE(p.Write());
    // Cut short: the trailer now points into what is left of the package.
    const auto bytes = ReadFileText(p.Exe);
    const auto front = fs::file_size(BRELVANE_LAUNCHER);
    auto damaged = bytes.substr(0, front + 40);
    damaged += bytes.substr(bytes.size() - 4);
    WriteText(p.Exe, damaged);
    EXPECT_EQ(WaitFor(p.Start({})), 1);
    EXPECT_TRUE(FilesBelow(p.Temp).empty());
    EXPECT_FALSE(fs::exists(p.Log + "/folder"));
}

} // namespace
} // namespace brelvane::test
