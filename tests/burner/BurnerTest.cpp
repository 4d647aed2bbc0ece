#include "burner/BurnerOutput.h"
#include "burner/BurnerWindow.h"
#include "storage/StorageTestSupport.h"
#include "storage/TextFiles.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

void EnsureApplication() {
    static int argc = 1;
    static char name[] = "burner_tests";
    static char* argv[] = {name};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

void Write(const std::string& path, const std::string& text, bool program = false) {
    fs::create_directories(fs::path(path).parent_path());
    std::ofstream(path, std::ios::binary) << text;
    if (program) fs::permissions(path, fs::perms(0755));
}

TEST(BurnerOutput, OnlyDrivesThisUserMayWriteTo) {
    const auto drives = WritableDrives(
        "Beginning to scan for devices ...\n"
        "Full drive scan done\n"
        "-----------------------------------------------------------------------------\n"
        "0  -dev '/dev/sr0' rwrw-- :  'HL-DT-ST' 'DVDRAM GH24NSD1'\n"
        "1  -dev '/dev/sr1' r-r--- :  'ASUS' 'DRW-24F1ST'\n"
        "2  -dev '/dev/sg4' rwrw-- :\n");
    ASSERT_EQ(drives.size(), 2u);
    EXPECT_EQ(drives[0].Address, "/dev/sr0");
    EXPECT_EQ(drives[0].Name, "HL-DT-ST DVDRAM GH24NSD1");
    EXPECT_EQ(drives[1].Address, "/dev/sg4");
    EXPECT_EQ(drives[1].Name, "/dev/sg4");
    EXPECT_TRUE(WritableDrives("xorriso : SORRY : No drives found\n").empty());
}

TEST(BurnerOutput, TheBurnLeavesTheSourceOutAndAddsTheRuntime) {
    const auto command = BurnCommand("/p/CDROM", "/opt/b/AutoRunRuntime", "/dev/sr0", "DEMO");
    const auto at = [&](const std::string& word) {
        return std::find(command.begin(), command.end(), word) - command.begin();
    };
    ASSERT_LT(at("-not_leaf") + 1, static_cast<long>(command.size()));
    EXPECT_EQ(command[at("-not_leaf") + 1], "AutoRunSource");
    EXPECT_EQ(command[at("-outdev") + 1], "/dev/sr0");
    EXPECT_EQ(command[at("-volid") + 1], "DEMO");
    EXPECT_EQ(command[at("/opt/b/AutoRunRuntime") + 1], "/AutoRunRuntime");
    EXPECT_EQ(command[at("/p/CDROM") + 1], "/");
    // Leaving out must come before the folders are added.
    EXPECT_LT(at("-not_leaf"), at("/p/CDROM"));
    EXPECT_EQ(command.back(), "all");
}

struct BurnerFixture {
    bool Ready = (EnsureApplication(), true);
    TempFolder Root;
    std::string Base = Root.File("CDROM");
    std::string Runtime = Root.File("program/AutoRunRuntime");
    BurnerFixture() {
        Write(Base + "/autorun.inf", "[autorun]\r\n");
        Write(Base + "/AutoRunSource/AutoRun.src", "index");
        Write(Runtime + "/lib/libQt6Core.so.6", "library");
    }
    TBurnJob Job() const { return {Base, Runtime, "Burner Demo", {}}; }
};

TEST(BurnerWindow, WritesTheImageWithTheRuntimeAndWithoutTheSource) {
    BurnerFixture f;
    TBurnerWindow window(f.Job());
    EXPECT_EQ(window.Target()->count(), 1);
    const auto image = f.Root.File("disc.iso");
    window.ImageFile()->setText(QString::fromStdString(image));
    QTimer::singleShot(0, &window,
                       [&] { QTest::mouseClick(window.StartButton(), Qt::LeftButton); });
    window.exec();
    ASSERT_TRUE(window.Done()) << window.Status()->text().toStdString();
    EXPECT_EQ(window.Progress()->value(), window.Progress()->maximum());
    EXPECT_FALSE(fs::exists(f.Root.File(".disc.iso.burning")));
    const auto q = "'" + image + "'";
    EXPECT_NE(OutputOf("isoinfo -d -i " + q).find("Volume id: BURNER_DEMO"), std::string::npos);
    EXPECT_EQ(OutputOf("isoinfo -R -i " + q + " -x /AutoRunRuntime/lib/libQt6Core.so.6"),
              "library");
    EXPECT_EQ(OutputOf("isoinfo -R -f -i " + q).find("AutoRunSource"), std::string::npos);
}

// Puts a folder first on the search path while alive.
struct SearchPathFirst {
    std::string Saved = std::getenv("PATH");
    explicit SearchPathFirst(const std::string& folder) {
        ::setenv("PATH", (folder + ":" + Saved).c_str(), 1);
    }
    ~SearchPathFirst() { ::setenv("PATH", Saved.c_str(), 1); }
};

TEST(BurnerWindow, ShowsProgressAndCancelDeletesThePartialImage) {
    BurnerFixture f;
    // A disc program that reports 40 % of its image, then never ends.
    const auto bin = f.Root.File("bin");
    Write(bin + "/xorriso",
          "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\necho partial > \"$2\"\n"
          "echo 'xorriso : UPDATE :  40.00% done'\nexec sleep 30\n",
          true);
    SearchPathFirst path(bin);
    const auto image = f.Root.File("disc.iso");
    Write(image, "previous image");
    TBurnerWindow window(f.Job());
    window.ImageFile()->setText(QString::fromStdString(image));
    int seen = -1;
    bool partialSeen = false;
    QElapsedTimer clock;
    clock.start();
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [&, poll] {
        if (window.Progress()->value() == 400 || clock.elapsed() > 10000) {
            seen = window.Progress()->value();
            partialSeen = fs::exists(f.Root.File(".disc.iso.burning"));
            QTest::mouseClick(window.CancelButton(), Qt::LeftButton);
            return;
        }
        QTimer::singleShot(20, *poll);
    };
    QTimer::singleShot(0, &window, [&] {
        QTest::mouseClick(window.StartButton(), Qt::LeftButton);
        EXPECT_FALSE(window.StartButton()->isEnabled());
        (*poll)();
    });
    window.exec();
    EXPECT_EQ(seen, 400);
    EXPECT_TRUE(partialSeen);
    EXPECT_FALSE(window.Done());
    EXPECT_LT(clock.elapsed(), 10000);
    EXPECT_FALSE(fs::exists(f.Root.File(".disc.iso.burning")));
    EXPECT_EQ(ReadFileText(image), "previous image");
}

TEST(BurnerWindow, AFailedRunOrABadImagePlaceStaysOpenAndIsNotDone) {
    BurnerFixture f;
    const auto bin = f.Root.File("bin");
    Write(bin + "/xorriso",
          "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\necho partial > \"$2\"\nexit 5\n",
          true);
    SearchPathFirst path(bin);
    TBurnerWindow window(f.Job());
    for (const auto& [place, message] : std::vector<std::pair<std::string, std::string>>{
             {f.Root.File("disc.iso"), "status 5"},
             {f.Base + "/disc.iso", "inside the folder"},
             {f.Root.File("none/disc.iso"), "does not exist"}}) {
        window.ImageFile()->setText(QString::fromStdString(place));
        window.Start();
        QElapsedTimer clock;
        clock.start();
        while (!window.StartButton()->isEnabled() && clock.elapsed() < 10000)
            QTest::qWait(20);
        EXPECT_NE(window.Status()->text().toStdString().find(message), std::string::npos)
            << window.Status()->text().toStdString() << " / " << place;
        EXPECT_FALSE(window.Done());
        EXPECT_FALSE(fs::exists(place));
    }
    EXPECT_FALSE(fs::exists(f.Root.File(".disc.iso.burning")));
}

} // namespace
} // namespace brelvane::test
