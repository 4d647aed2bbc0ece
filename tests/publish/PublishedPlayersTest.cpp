#include "publish/PublishedPlayers.h"

#include "project/DiscRootFiles.h"
#include "project/Package.h"
#include "publish/DiscImage.h"
#include "publish/FolderPublish.h"
#include "publish/LaunchingExecutable.h"
#include "publish/PublishTestSupport.h"
#include "storage/ByteStream.h"

#include <gtest/gtest.h>
#include <sstream>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

// A saved project whose own player is the Linux one, with a Windows player
// beside the program; both are scripts that tell which of them ran.
struct TwoPlayerProject : PublishedProject {
    std::string Linux = Base + "/autorun.exe";
    std::string Windows = Root.File("Program/Brelvane.exe");
    TwoPlayerProject() {
        WriteText(Linux, "#!/bin/sh\necho \"linux in $(pwd) with $*\"\n");
        ::chmod(Linux.c_str(), 0755);
        WriteText(Windows, "MZ windows player");
    }
    TPublishedPlayers Players(TPlayerChoice choice) const {
        auto players = PlayersBesideProgram(choice, Base, Root.File("Program"));
        players.Launcher = BRELVANE_LAUNCHER;
        return players;
    }
};

TEST(PublishedPlayers, TheForeignPlayerAndTheRuntimeLieBesideTheDesigner) {
    TwoPlayerProject p;
    const auto players = p.Players(TPlayerChoice::Both);
    EXPECT_EQ(players.LinuxPlayer, p.Linux);
    EXPECT_EQ(players.WindowsPlayer, p.Windows);
    EXPECT_EQ(players.RuntimeFolder, p.Runtime);
    EXPECT_EQ(MissingPlayer(players), "");
    fs::remove(p.Windows);
    EXPECT_EQ(MissingPlayer(players), p.Windows);
    EXPECT_EQ(MissingPlayer(p.Players(TPlayerChoice::Linux)), "");
}

TEST(PublishedPlayers, AFolderGetsTheChosenPlayersAtItsRoot) {
    struct Case {
        TPlayerChoice Choice;
        std::vector<std::string> Root;
        std::string AutorunExe;
    };
    TwoPlayerProject p;
    const auto linux = ReadFileText(p.Linux);
    const std::vector<std::string> media{"Media", "Media/.hidden", "Media/clip.txt"};
    const auto with = [&](std::vector<std::string> names) {
        names.insert(names.end(), media.begin(), media.end());
        std::sort(names.begin(), names.end());
        return names;
    };
    const std::vector<std::string> runtime{
        "AutoRunRuntime", "AutoRunRuntime/lib", "AutoRunRuntime/lib/libQt6Core.so.6",
        "AutoRunRuntime/libexec", "AutoRunRuntime/libexec/gst-plugin-scanner"};
    auto linuxRoot = with({"autorun", "autorun.exe", "autorun.inf", "autorun.tgt"});
    auto bothRoot = with({"autorun", "autorun-linux", "autorun.exe", "autorun.inf", "autorun.tgt"});
    for (auto* names : {&linuxRoot, &bothRoot}) {
        names->insert(names->end(), runtime.begin(), runtime.end());
        std::sort(names->begin(), names->end());
    }
    for (const auto& c :
         {Case{TPlayerChoice::Linux, linuxRoot, linux},
          Case{TPlayerChoice::Windows, with({"autorun.exe", "autorun.inf", "autorun.tgt"}),
               "MZ windows player"},
          Case{TPlayerChoice::Both, bothRoot, "MZ windows player"}}) {
        const auto out = p.Root.File("Out" + std::to_string(int(c.Choice)));
        ErrorCollector errors;
        ASSERT_EQ(PublishFolder(p.Base, out, p.Players(c.Choice)), TPublishResult::Done);
        EXPECT_TRUE(errors.Messages().empty());
        EXPECT_EQ(FilesBelow(out), c.Root) << int(c.Choice);
        EXPECT_EQ(ReadFileText(out + "/autorun.exe"), c.AutorunExe);
        if (c.Choice == TPlayerChoice::Both) {
            EXPECT_EQ(ReadFileText(out + "/autorun-linux"), linux);
            EXPECT_EQ(ModeOf(out + "/autorun-linux"), 0755u);
            EXPECT_EQ(ReadFileText(out + "/autorun"), AutorunScriptText("autorun-linux"));
            EXPECT_EQ(ModeOf(out + "/autorun"), 0755u);
            // What a desktop's autostart does after mounting: the Linux player
            // runs from the published folder.
            EXPECT_EQ(OutputOf("'" + out + "/autorun' -x"),
                      "linux in " + fs::canonical(out).string() + " with -x\n");
        }
    }
    // The base folder keeps its own root files.
    EXPECT_EQ(ReadFileText(p.Base + "/autorun"), "#!/bin/sh\n");
    EXPECT_EQ(ReadFileText(p.Base + "/autorun.exe"), linux);
}

TEST(PublishedPlayers, AMissingWindowsPlayerIsNamedAndNothingIsWritten) {
    TwoPlayerProject p;
    fs::remove(p.Windows);
    const auto run = [](const std::vector<std::string>&) -> int {
        ADD_FAILURE() << "the image program ran";
        return 0;
    };
    for (const auto choice : {TPlayerChoice::Windows, TPlayerChoice::Both}) {
        const auto players = p.Players(choice);
        const auto out = p.Root.File("Out");
        const auto expectRefusal = [&](const ErrorCollector& errors) {
            ExpectOneError(errors, kPublishPlayerMissingError);
            EXPECT_NE(errors.Messages().front().find(p.Windows), std::string::npos)
                << errors.Messages().front();
        };
        {
            ErrorCollector errors;
            EXPECT_EQ(PublishFolder(p.Base, out, players), TPublishResult::Failed);
            expectRefusal(errors);
        }
        {
            ErrorCollector errors;
            EXPECT_EQ(WriteDiscImage(p.Base, players, out + ".iso", "t", run),
                      TPublishResult::Failed);
            expectRefusal(errors);
        }
        {
            ErrorCollector errors;
            EXPECT_FALSE(WriteSingleExecutables(p.Base, players, out + ".exe"));
            expectRefusal(errors);
        }
        for (const auto& name : {"Out", "Out.iso", "Out.exe", ".Out.iso.publishing"})
            EXPECT_FALSE(fs::exists(p.Root.File(name))) << name;
    }
}

// The mode column of a file's line in a Rock Ridge listing of isoinfo.
std::string ModeInListing(const std::string& listing, const std::string& name) {
    std::istringstream lines(listing);
    for (std::string line; std::getline(lines, line);)
        if (line.size() > name.size() + 3 &&
            line.compare(line.size() - name.size() - 3, std::string::npos, "  " + name + " ") == 0)
            return line.substr(0, 10);
    return {};
}

TEST(PublishedPlayers, AnImageForBothHoldsBothPlayersAndTheirScript) {
    TwoPlayerProject p;
    for (const auto choice : {TPlayerChoice::Windows, TPlayerChoice::Both}) {
        const auto image = p.Root.File("disc" + std::to_string(int(choice)) + ".iso");
        ErrorCollector errors;
        ASSERT_EQ(WriteDiscImage(p.Base, p.Players(choice), image, "Demo", RunProgram),
                  TPublishResult::Done);
        EXPECT_TRUE(errors.Messages().empty());
        EXPECT_FALSE(
            fs::exists(p.Root.File("." + fs::path(image).filename().string() + ".autorun")));
        const auto q = "'" + image + "'";
        EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun.exe"), "MZ windows player");
        const auto listing = OutputOf("isoinfo -R -l -i " + q);
        EXPECT_NE(listing.find("clip.txt"), std::string::npos);
        if (choice == TPlayerChoice::Windows) {
            EXPECT_EQ(listing.find("AutoRunRuntime"), std::string::npos) << listing;
            EXPECT_EQ(ModeInListing(listing, "autorun"), "") << listing;
            continue;
        }
        EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun-linux"), ReadFileText(p.Linux));
        EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /autorun"),
                  AutorunScriptText("autorun-linux"));
        EXPECT_NE(listing.find("AutoRunRuntime"), std::string::npos) << listing;
        // The Linux player and its script keep their execute bits on the disc.
        EXPECT_EQ(ModeInListing(listing, "autorun-linux"), "-rwxr-xr-x") << listing;
        EXPECT_EQ(ModeInListing(listing, "autorun"), "-rwxr-xr-x") << listing;
    }
}

// The package appended to a single executable at `front` bytes, unpacked.
std::vector<std::string> UnpackedFrom(const std::string& exe, std::uint64_t front,
                                      const std::string& folder) {
    fs::create_directories(folder);
    TFileStream stream(exe, TFileStream::Mode::Read);
    stream.Seek(front);
    EXPECT_TRUE(ReadPackage(stream, folder, {}, stream.Size() - 4));
    return FilesBelow(folder);
}

TEST(PublishedPlayers, SingleExecutablesForWindowsAndForBoth) {
    TwoPlayerProject p;
    ErrorCollector errors;
    const auto windowsExe = p.Root.File("Menu.exe");
    ASSERT_TRUE(WriteSingleExecutables(p.Base, p.Players(TPlayerChoice::Windows), windowsExe));
    const auto bytes = ReadFileText(windowsExe);
    const std::string player = "MZ windows player";
    EXPECT_EQ(bytes.substr(0, player.size()), player);
    EXPECT_EQ(bytes.substr(bytes.size() - 4), std::string("\x11\0\0\0", 4));
    // The Windows player plays the package itself: no player, no runtime in it.
    EXPECT_EQ(UnpackedFrom(windowsExe, player.size(), p.Root.File("u1")),
              (std::vector<std::string>{"Media", "Media/.hidden", "Media/clip.txt", "autorun",
                                        "autorun.inf", "autorun.tgt"}));
    EXPECT_EQ(ModeOf(windowsExe), 0755u);

    fs::remove(windowsExe);
    ASSERT_TRUE(WriteSingleExecutables(p.Base, p.Players(TPlayerChoice::Both), windowsExe));
    EXPECT_EQ(ReadFileText(windowsExe), bytes);
    const auto linuxExe = p.Root.File("Menu");
    const auto launcher = ReadFileText(BRELVANE_LAUNCHER);
    const auto linuxBytes = ReadFileText(linuxExe);
    EXPECT_EQ(linuxBytes.substr(0, launcher.size()), launcher);
    const auto unpacked = UnpackedFrom(linuxExe, launcher.size(), p.Root.File("u2"));
    EXPECT_NE(std::find(unpacked.begin(), unpacked.end(), "AutoRunRuntime/lib/libQt6Core.so.6"),
              unpacked.end());
    EXPECT_EQ(ReadFileText(p.Root.File("u2/autorun.exe")), ReadFileText(p.Linux));
    EXPECT_TRUE(errors.Messages().empty());
}

TEST(PublishedPlayers, BothSingleExecutablesAreNamedFromEitherName) {
    using Names = std::vector<std::pair<TPlayerChoice, std::string>>;
    const auto W = TPlayerChoice::Windows, L = TPlayerChoice::Linux, B = TPlayerChoice::Both;
    EXPECT_EQ(SingleExecutableNames(B, "/d/menu.exe"), (Names{{W, "/d/menu.exe"}, {L, "/d/menu"}}));
    EXPECT_EQ(SingleExecutableNames(B, "/d/menu"), (Names{{W, "/d/menu.exe"}, {L, "/d/menu"}}));
    EXPECT_EQ(SingleExecutableNames(B, "/d/MENU.EXE"), (Names{{W, "/d/MENU.EXE"}, {L, "/d/MENU"}}));
    // A bare ".exe" is a name of its own, not a suffix.
    EXPECT_EQ(SingleExecutableNames(B, ".exe"), (Names{{W, ".exe.exe"}, {L, ".exe"}}));
    EXPECT_EQ(SingleExecutableNames(L, "/d/menu.exe"), (Names{{L, "/d/menu.exe"}}));
    EXPECT_EQ(SingleExecutableNames(W, "/d/menu"), (Names{{W, "/d/menu"}}));
}

} // namespace
} // namespace brelvane::test
