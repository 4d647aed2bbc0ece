#include "platform/FileTypes.h"
#include "platform/GuiApplication.h"
#include "platform/Media.h"
#include "platform/Shell.h"
#include "platform/SingleInstance.h"
#include "platform/SpecialFolders.h"
#include "platform/UnderWine.h"
#include "platform/WideText_win.h"
#include "storage/FilePaths.h"
#include "storage/StorageTestSupport.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <string_view>
#include <windows.h>

// The Windows side of the platform layer against the system itself (under Wine in CI).
namespace brelvane::platform {
namespace {

std::string WindowsFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetWindowsDirectoryW(path, MAX_PATH);
    return Utf8Text(path);
}

std::string SystemCommand() {
    return WindowsFolder() + "\\system32\\cmd.exe";
}

TEST(WindowsSpecialFolders, TokensResolveThroughTheShell) {
    test::EnsureGuiApplication();
    const auto windows = ResolveSpecialFolder("[Windows]");
    EXPECT_EQ(QDir(QString::fromStdString(windows)), QDir(QString::fromStdString(WindowsFolder())));
    EXPECT_EQ(ResolveSpecialFolder("[windows]"), "");
    EXPECT_TRUE(FolderExists(ResolveSpecialFolder("[System]")));
    EXPECT_TRUE(FolderExists(ResolveSpecialFolder("[ProgramFiles]")));
    EXPECT_TRUE(FolderExists(ResolveSpecialFolder("[AppData]")));
    // Virtual folders have no path (Wine gives its system folder for the printers).
    if (!test::UnderWine()) {
        EXPECT_EQ(ResolveSpecialFolder("[Printers]"), "");
    }
    EXPECT_EQ(ResolveSpecialFolder("[Drives]"), "");
    // No trailing separator, as on every system.
    const auto documents = SpecialFolderPath(5);
    ASSERT_FALSE(documents.empty());
    EXPECT_NE(documents.back(), '\\');
}

TEST(WindowsFileTypes, RegisteredOpenCommandsCount) {
    auto& types = CurrentFileTypes();
    EXPECT_TRUE(types.HasViewerFor(".ini"));
    EXPECT_TRUE(types.HasViewerFor("ini"));
    // Wine registers set-up information files with an "install" command only.
    if (test::UnderWine()) {
        EXPECT_FALSE(types.HasViewerFor(".inf"));
    }
    EXPECT_FALSE(types.HasViewerFor(".brelvane-no-such-type"));
    EXPECT_FALSE(types.HasViewerFor(""));
}

TEST(WindowsShell, FailuresAreTheShellsOwnCodes) {
    test::EnsureGuiApplication();
    test::TempFolder folder;
    auto& shell = CurrentShell();
    EXPECT_EQ(shell.Execute({"open", folder.File("missing.exe"), "", "", 1}), scFileNotFound);
    // Wine does not tell a missing folder from a missing file.
    EXPECT_EQ(shell.Execute({"open", folder.Path() + "/no/such/file.txt", "", "", 1}),
              test::UnderWine() ? scFileNotFound : scPathNotFound);
    int exitCode = -1;
    EXPECT_FALSE(ShellSucceeded(
        shell.ExecuteAndWait({"open", folder.File("missing.exe"), "", "", 1}, true, exitCode)));
    EXPECT_EQ(exitCode, -1);
}

TEST(WindowsShell, WaitsForTheProgramAndHandsOnItsExitCode) {
    test::EnsureGuiApplication();
    test::TempFolder folder;
    int exitCode = -1;
    // Forward slashes, as paths are kept inside the program, reach the shell as backslashes.
    std::string command = SystemCommand();
    for (auto& c : command)
        if (c == '\\') c = '/';
    const int code = CurrentShell().ExecuteAndWait(
        {"open", command, "/c echo done> started.txt & exit 7", folder.Path(), 0}, true, exitCode);
    EXPECT_EQ(code, scSuccess);
    EXPECT_EQ(exitCode, 7);
    // It ran in the working folder it was given.
    EXPECT_TRUE(FileExists(folder.File("started.txt")));
}

TEST(WindowsSingleInstance, NamesCarryTheUsersIdentity) {
    const auto name = PerUserName("Brelvane");
    EXPECT_TRUE(name.startsWith("Brelvane-S-1-")) << name.toStdString();
    EXPECT_EQ(name, PerUserName("Brelvane"));
}

TEST(WindowsSound, MissingFileDoesNotPlay) {
    test::TempFolder folder;
    auto channel = CreateSystemSoundChannel();
    EXPECT_FALSE(channel->Play(folder.File("missing.wav")));
    EXPECT_FALSE(channel->IsPlaying());
    channel->Close();
    EXPECT_FALSE(channel->IsPlaying());
}

// One second of 8 kHz 8-bit mono silence as a wave file.
test::Bytes SilentWave() {
    constexpr std::int32_t kSamples = 8000;
    auto word = [](std::uint16_t value) {
        return test::Bytes{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)};
    };
    // Chunk tags are bare characters, without the length word of a stored string.
    auto tag = [](std::string_view text) { return test::Bytes(text.begin(), text.end()); };
    return test::Concat({tag("RIFF"), test::Int32Bytes(36 + kSamples), tag("WAVEfmt "),
                         test::Int32Bytes(16), word(1), word(1), test::Int32Bytes(8000),
                         test::Int32Bytes(8000), word(1), word(8), tag("data"),
                         test::Int32Bytes(kSamples), test::Bytes(kSamples, 0x80)});
}

TEST(WindowsMediaDevice, MissingFileStaysClosed) {
    test::TempFolder folder;
    auto device = CreateSystemMediaDevice();
    EXPECT_FALSE(device->Open(folder.File("missing.avi")));
    EXPECT_EQ(device->Mode(), TMediaMode::NotOpen);
    EXPECT_FALSE(device->Play());
    EXPECT_EQ(device->Length(), 0);
}

TEST(WindowsMediaDevice, WaveFileReportsItsLengthAndSeeks) {
    test::TempFolder folder;
    const auto path = folder.File("silence.wav");
    test::WriteFileBytes(path, SilentWave());
    auto device = CreateSystemMediaDevice();
    std::int64_t reported = -1;
    device->OnLength = [&](std::int64_t length) { reported = length; };
    ASSERT_TRUE(device->Open(path));
    EXPECT_EQ(device->Length(), 1000);
    EXPECT_EQ(reported, 1000);
    EXPECT_FALSE(device->HasVideo());
    EXPECT_EQ(device->Mode(), TMediaMode::Stopped);
    ASSERT_TRUE(device->Seek(500));
    EXPECT_EQ(device->Position(), 500);
    device->Close();
    EXPECT_EQ(device->Mode(), TMediaMode::NotOpen);
}

TEST(WideText, Utf8AndStoredAnsiBothBecomeCharacters) {
    EXPECT_EQ(WideText("M\xc3\xbcsik"), L"M\u00fcsik");
    // A stored ANSI name is not UTF-8: its bytes are read as Windows-1252 letters.
    EXPECT_EQ(WideText("M\xfcsik"), L"M\u00fcsik");
    EXPECT_EQ(WideShellTarget("C:/menu/setup.exe"), L"C:\\menu\\setup.exe");
    EXPECT_EQ(WideShellTarget("http://example.com/a/b"), L"http://example.com/a/b");
    EXPECT_EQ(WideShellTarget("mailto:someone@example.com"), L"mailto:someone@example.com");
    EXPECT_EQ(Utf8Text(L"\u65e5\u672c"), "\xe6\x97\xa5\xe6\x9c\xac");
}

} // namespace
} // namespace brelvane::platform
