#include "designer/DesignerFixture.h"
#include "designer/ExeFileInfoForm.h"
#include "designer/PublishForm.h"
#include "storage/TextFiles.h"
#include "storage/exe/FileVersion.h"
#include "storage/exe/MainIcon.h"
#include "storage/exe/VersionStrings.h"

#include <QElapsedTimer>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <sys/stat.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

unsigned ModeOf(const std::string& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_mode & 07777 : 0;
}

void Click(QWidget* dialog, const char* name) {
    auto* button = dialog->findChild<QPushButton*>(name);
    ASSERT_NE(button, nullptr) << name;
    QTest::mouseClick(button, Qt::LeftButton);
}

// A one-image icon file as Qt writes it.
std::string WriteIcon(const std::string& path, QColor colour) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(colour);
    EXPECT_TRUE(image.save(QString::fromStdString(path), "ICO"));
    return path;
}

// A designer on a copy of the built program with a new, saved project.
struct PublishFixture : DesignerFixture {
    std::string Player = Base + "/autorun.exe";
    PublishFixture() : DesignerFixture(BRELVANE_PROGRAM) {
        NewProject();
        EXPECT_TRUE(Form->Save1Click());
    }
};

TEST(ExeFileInfoForm, WritesTheStringsAndTheIconIntoAFreshCopyOfTheProgram) {
    PublishFixture f;
    std::string description, company, copyright;
    ASSERT_TRUE(ReadVersionStrings(f.Player, description, company, copyright));
    const auto icon = WriteIcon(f.Root.File("own.ico"), Qt::red);
    f.Dialogs->Files.push_back(icon);
    bool checked = false;
    OnNextDialog([&](QWidget* dialog) {
        auto* form = qobject_cast<TExeFileInfoForm*>(dialog);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->windowTitle(), "Executable File Information");
        // The fields start from the project's player.
        EXPECT_EQ(form->FileDescription()->text().toStdString(), description);
        EXPECT_EQ(form->CompanyName()->text().toStdString(), company);
        EXPECT_EQ(form->LegalCopyright()->text().toStdString(), copyright);
        EXPECT_EQ(form->FileDescription()->maxLength(), 100);
        EXPECT_FALSE(form->IconImage()->icon().isNull());
        Click(form, "SelectIcon");
        EXPECT_EQ(form->IconFile(), icon);
        form->FileDescription()->setText("Ten chars!");
        form->CompanyName()->setText("Caf\xc3\xa9 Company");
        form->LegalCopyright()->setText("(c) 2026");
        checked = true;
        Click(form, "OK");
    });
    f.Form->ExecutableFileInformation();
    ASSERT_TRUE(checked);
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u);
    ASSERT_TRUE(ReadVersionStrings(f.Player, description, company, copyright));
    EXPECT_EQ(description, "Ten chars!");
    EXPECT_EQ(company, "Caf\xe9 Company");
    EXPECT_EQ(copyright, "(c) 2026");
    EXPECT_EQ(ReadMainIcon(f.Player), ReadFileBytes(icon));
    EXPECT_EQ(ModeOf(f.Player), 0755u);
    // Still the designer's version, so the next save keeps the changed player.
    EXPECT_EQ(ReadFileVersion(f.Player), f.Form->DesignerVersion());
    const auto changed = ReadFileBytes(f.Player);
    ASSERT_TRUE(f.Form->Save1Click());
    EXPECT_EQ(ReadFileBytes(f.Player), changed);
}

// Opens the executable information dialog, presses `first` (when given) and
// OK; true when the dialog stayed open, which Cancel then closes.
bool OkKeepsTheDialogOpen(PublishFixture& f, const char* first) {
    bool stayedOpen = false;
    OnNextDialog([&](QWidget* dialog) {
        if (first) Click(dialog, first);
        Click(dialog, "OK");
        stayedOpen = dialog->isVisible();
        Click(dialog, "Cancel");
    });
    f.Form->ExecutableFileInformation();
    return stayedOpen;
}

TEST(ExeFileInfoForm, CancelLeavesThePlayerAlone) {
    PublishFixture f;
    const auto before = ReadFileBytes(f.Player);
    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TExeFileInfoForm*>(dialog);
        ASSERT_NE(form, nullptr);
        form->CompanyName()->setText("Not stored");
        Click(form, "Cancel");
    });
    f.Form->ExecutableFileInformation();
    EXPECT_EQ(ReadFileBytes(f.Player), before);
}

TEST(ExeFileInfoForm, APlayerThatCannotBeReplacedIsReportedAndKept) {
    PublishFixture f;
    fs::remove(f.Player);
    WriteText(f.Root.File("keep"), "");
    fs::create_directory(f.Player);
    fs::copy_file(f.Root.File("keep"), f.Player + "/keep");
    EXPECT_TRUE(OkKeepsTheDialogOpen(f, nullptr));
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(f.Boxes.Shown.front().substr(0, 15), "Update Failed: ");
    EXPECT_NE(f.Boxes.Shown.front().find(
                  " If the \"autorun.exe\" is running, please terminate it and try again."),
              std::string::npos);
    EXPECT_TRUE(fs::exists(f.Player + "/keep"));
}

TEST(ExeFileInfoForm, ABadIconIsReportedAndTheCopyStillPlays) {
    PublishFixture f;
    WriteText(f.Root.File("bad.ico"), "MZ not an icon");
    f.Dialogs->Files.push_back(f.Root.File("bad.ico"));
    EXPECT_TRUE(OkKeepsTheDialogOpen(f, "SelectIcon"));
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(f.Boxes.Shown.front(), "Error: Resource update error: Icon file is invalid");
    EXPECT_EQ(ReadFileVersion(f.Player), f.Form->DesignerVersion());
}

// Publish dialogs opened through the designer's command with scripted answers.
struct PublishDialogFixture : PublishFixture {
    std::deque<std::optional<std::string>> SaveNames;
    PublishDialogFixture() {
        Form->AskSaveFileName = [this](QWidget*, const QString&) {
            auto answer = SaveNames.empty() ? std::nullopt : SaveNames.front();
            if (!SaveNames.empty()) SaveNames.pop_front();
            return answer;
        };
    }
    // Opens Save and Publish, runs `act` on it and reports whether it closed.
    bool Publish(const std::function<void(TPublishForm*)>& act) {
        bool closed = false;
        OnNextDialog([&](QWidget* dialog) {
            auto* form = qobject_cast<TPublishForm*>(dialog);
            ASSERT_NE(form, nullptr);
            act(form);
            closed = !form->isVisible();
            if (!closed) form->reject();
        });
        Form->Action("SaveandPublish1")->trigger();
        return closed;
    }
};

TEST(PublishForm, OpensWithTheTargetsThisMachineOffers) {
    PublishDialogFixture f;
    TPublishServices services;
    services.ProgramFolder = f.Program;
    services.BaseFolder = f.Base;
    {
        TPublishForm form(nullptr, services);
        EXPECT_EQ(form.windowTitle(), "Save and Publish Project");
        EXPECT_FALSE(form.BurnTarget()->isEnabled());
        EXPECT_TRUE(form.ExecutableTarget()->isChecked());
        // The strings of the project's player.
        std::string description, company, copyright;
        ReadVersionStrings(f.Player, description, company, copyright);
        EXPECT_EQ(form.CompanyName()->text().toStdString(), company);
    }
    services.ImageProgramFound = true;
    {
        TPublishForm form(nullptr, services);
        EXPECT_TRUE(form.BurnTarget()->isEnabled());
        EXPECT_TRUE(form.BurnTarget()->isChecked());
        EXPECT_EQ(form.BurnerPath(), "");
    }
    services.ImageProgramFound = false;
    WriteText(f.Program + "/CDBurner", "#!/bin/sh\n");
    TPublishForm form(nullptr, services);
    EXPECT_TRUE(form.BurnTarget()->isChecked());
    EXPECT_EQ(form.BurnerPath(), f.Program + "/CDBurner");
}

TEST(PublishForm, OffersTheWindowsPlayerOnlyWhenItLiesBesideTheDesigner) {
    PublishDialogFixture f;
    TPublishServices services;
    services.ProgramFolder = f.Program;
    services.BaseFolder = f.Base;
    const auto windowsPlayer = f.Program + "/Brelvane.exe";
    {
        TPublishForm form(nullptr, services);
        EXPECT_TRUE(form.LinuxPlayer()->isChecked());
        EXPECT_FALSE(form.WindowsPlayer()->isEnabled());
        EXPECT_FALSE(form.BothPlayers()->isEnabled());
        EXPECT_EQ(form.PlayerNote()->text().toStdString(),
                  "No Windows player: \"" + windowsPlayer + "\" not found.");
        EXPECT_EQ(form.Players().Choice, TPlayerChoice::Linux);
    }
    WriteText(windowsPlayer, "MZ");
    {
        TPublishForm form(nullptr, services);
        EXPECT_TRUE(form.WindowsPlayer()->isEnabled());
        EXPECT_TRUE(form.BothPlayers()->isEnabled());
        EXPECT_TRUE(form.PlayerNote()->text().isEmpty());
        form.BothPlayers()->setChecked(true);
        const auto players = form.Players();
        EXPECT_EQ(players.Choice, TPlayerChoice::Both);
        EXPECT_EQ(players.WindowsPlayer, windowsPlayer);
        EXPECT_EQ(players.LinuxPlayer, f.Player);
    }
    // The burner takes the base folder as it is, with its own player.
    WriteText(f.Program + "/CDBurner", "#!/bin/sh\n");
    TPublishForm form(nullptr, services);
    ASSERT_TRUE(form.BurnTarget()->isChecked());
    EXPECT_FALSE(form.BothPlayers()->isEnabled());
    EXPECT_NE(form.PlayerNote()->text().indexOf("burner"), -1);
    form.FolderTarget()->setChecked(true);
    EXPECT_TRUE(form.BothPlayers()->isEnabled());
    EXPECT_TRUE(form.PlayerNote()->text().isEmpty());
}

// The project's player relabelled as the executable information dialog
// does it, and a copy of the program as the other system's player.
struct RelabelledPlayerFixture : PublishDialogFixture {
    std::string Other = Program + "/Brelvane.exe";
    std::string Icon = WriteIcon(Root.File("own.ico"), Qt::blue);
    RelabelledPlayerFixture() {
        ProvideRuntime();
        fs::copy_file(Player, Other);
        ReplaceMainIcon(Player, Icon);
        RewriteVersionStrings(Player, PadToVersionSlot("Own Company"), PadToVersionSlot("Own Menu"),
                              PadToVersionSlot("(c) Own"));
    }
    // Publishes to the folder `out` with the player choice `player` names.
    bool PublishToFolder(const std::string& out, QRadioButton* (TPublishForm::*player)()
                                                     const = &TPublishForm::WindowsPlayer) {
        Dialogs->Folders.push_back(out);
        return Publish([player](TPublishForm* form) {
            form->FolderTarget()->setChecked(true);
            (form->*player)()->setChecked(true);
            QTest::mouseClick(form->OkButton(), Qt::LeftButton);
        });
    }
};

TEST(PublishForm, TheOtherPlayerCarriesTheProjectsIconAndVersionStrings) {
    RelabelledPlayerFixture f;
    const auto before = ReadFileBytes(f.Other);
    const auto out = f.Root.File("Published");
    EXPECT_TRUE(f.PublishToFolder(out));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    std::string description, company, copyright;
    ASSERT_TRUE(ReadVersionStrings(out + "/autorun.exe", description, company, copyright));
    EXPECT_EQ(description, "Own Menu");
    EXPECT_EQ(company, "Own Company");
    EXPECT_EQ(copyright, "(c) Own");
    EXPECT_EQ(ReadMainIcon(out + "/autorun.exe"), ReadFileBytes(f.Icon));
    EXPECT_EQ(ModeOf(out + "/autorun.exe"), 0755u);
    // The player beside the designer stays as built, and no copy is left over.
    EXPECT_EQ(ReadFileBytes(f.Other), before);
    for (const auto& entry : fs::directory_iterator(f.Root.Path()))
        EXPECT_NE(entry.path().filename().string().substr(0, 10), "Published.") << entry.path();
}

TEST(PublishForm, PublishesAFolderForWindowsAndLinux) {
    RelabelledPlayerFixture f;
    const auto out = f.Root.File("Published");
    EXPECT_TRUE(f.PublishToFolder(out, &TPublishForm::BothPlayers));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    std::string description, company, copyright;
    ASSERT_TRUE(ReadVersionStrings(out + "/autorun.exe", description, company, copyright));
    EXPECT_EQ(company, "Own Company");
    EXPECT_EQ(ReadFileBytes(out + "/autorun-linux"), ReadFileBytes(f.Player));
    EXPECT_EQ(ModeOf(out + "/autorun-linux"), 0755u);
    EXPECT_NE(ReadFileText(out + "/autorun").find("exec ./autorun-linux"), std::string::npos);
    EXPECT_TRUE(fs::exists(out + "/AutoRunRuntime/plugins/platforms/libqoffscreen.so"));
    EXPECT_EQ(ReadFileBytes(out + "/autorun.tgt"), ReadFileBytes(f.Base + "/autorun.tgt"));
}

TEST(PublishForm, AnOtherPlayerThatCannotBeRelabelledIsReportedAndNothingPublished) {
    RelabelledPlayerFixture f;
    WriteText(f.Other, "MZ not a program");
    const auto out = f.Root.File("Published");
    EXPECT_FALSE(f.PublishToFolder(out));
    ASSERT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_NE(f.Boxes.Shown.back().find("1102"), std::string::npos) << f.Boxes.Shown.back();
    EXPECT_FALSE(fs::exists(out + "/autorun.exe"));
    EXPECT_EQ(ReadFileText(f.Other), "MZ not a program");
}

TEST(PublishForm, PublishesToAFolderAfterSaving) {
    PublishDialogFixture f;
    const auto runtime = f.ProvideRuntime();
    const auto out = f.Root.File("Published");
    f.Dialogs->Folders.push_back(out + "/");
    f.Form->SetModified(true);
    EXPECT_TRUE(f.Publish([](TPublishForm* form) {
        form->FolderTarget()->setChecked(true);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u);
    EXPECT_EQ(f.Dialogs->Calls.back().Title, "Select Target Folder");
    EXPECT_TRUE(fs::exists(f.Base + "/autorun.tgt"));
    EXPECT_EQ(ReadFileBytes(out + "/autorun.tgt"), ReadFileBytes(f.Base + "/autorun.tgt"));
    EXPECT_EQ(ReadFileText(out + "/autorun.inf"),
              "[autorun]\r\nOPEN=AUTORUN.EXE\r\nICON=AUTORUN.ICO\r\n");
    EXPECT_EQ(ModeOf(out + "/autorun"), 0755u);
    EXPECT_EQ(ReadFileBytes(out + "/autorun.exe"), ReadFileBytes(f.Player));
    EXPECT_FALSE(fs::exists(out + "/AutoRunSource"));
    EXPECT_EQ(ReadFileBytes(out + "/AutoRunRuntime/plugins/platforms/libqoffscreen.so"),
              ReadFileBytes(runtime + "/plugins/platforms/libqoffscreen.so"));
    EXPECT_FALSE(f.Form->Project().ProjectModified);
}

TEST(PublishForm, WithoutTheRuntimeBesideTheProgramNothingIsPublished) {
    PublishDialogFixture f;
    const auto out = f.Root.File("Published");
    f.Dialogs->Folders.push_back(out);
    EXPECT_FALSE(f.Publish([](TPublishForm* form) {
        form->FolderTarget()->setChecked(true);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    ASSERT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_NE(f.Boxes.Shown.back().find("1104"), std::string::npos);
    EXPECT_NE(f.Boxes.Shown.back().find(f.Program + "/AutoRunRuntime"), std::string::npos);
    EXPECT_FALSE(fs::exists(out));
}

TEST(PublishForm, AFolderInsideTheProjectIsRefusedAndTheDialogStays) {
    PublishDialogFixture f;
    f.Dialogs->Folders.push_back(f.Base + "/Disc");
    EXPECT_FALSE(f.Publish([](TPublishForm* form) {
        form->FolderTarget()->setChecked(true);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    ASSERT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_NE(f.Boxes.Shown.back().find("1100"), std::string::npos);
    EXPECT_NE(f.Boxes.Shown.back().find(f.Base + "/Disc"), std::string::npos);
    EXPECT_FALSE(fs::exists(f.Base + "/Disc"));
}

TEST(PublishForm, TheBurnerGetsTheBaseFolderAndRunsInItsOwnFolder) {
    PublishDialogFixture f;
    WriteText(f.Program + "/CDBurner", "#!/bin/sh\npwd > burned.txt\necho \"$1\" >> burned.txt\n");
    fs::permissions(f.Program + "/CDBurner", fs::perms(0755));
    EXPECT_TRUE(f.Publish([](TPublishForm* form) {
        EXPECT_TRUE(form->BurnTarget()->isChecked());
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    EXPECT_EQ(ReadFileText(f.Program + "/burned.txt"),
              fs::canonical(f.Program).string() + "\n" + f.Base + "\n");
    EXPECT_TRUE(fs::exists(f.Base + "/autorun.tgt"));
}

TEST(PublishForm, ABurnerThatDoesNotFinishKeepsTheDialogOpen) {
    PublishDialogFixture f;
    WriteText(f.Program + "/CDBurner", "#!/bin/sh\nexit 1\n");
    fs::permissions(f.Program + "/CDBurner", fs::perms(0755));
    EXPECT_FALSE(f.Publish([](TPublishForm* form) {
        EXPECT_TRUE(form->BurnTarget()->isChecked());
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
        EXPECT_TRUE(form->OkButton()->isEnabled());
    }));
    // The burner showed its own failure.
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u);
}

TEST(PublishForm, MakesASingleExecutableEndingWithTheLaunchersLength) {
    PublishDialogFixture f;
    f.ProvideRuntime();
    const auto launcher = f.Program + "/AutoRunLauncher";
    fs::copy_file(BRELVANE_LAUNCHER, launcher);
    const auto exe = f.Root.File("Demo.exe");
    f.SaveNames.push_back(exe);
    f.Boxes.Answers.push_back(platform::TAnswer::No);
    EXPECT_TRUE(f.Publish([](TPublishForm* form) {
        form->ExecutableTarget()->setChecked(true);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(f.Boxes.Shown.front(), "Executable File: Executable file created, launch it?");
    const auto bytes = ReadFileBytes(exe);
    const auto front = ReadFileBytes(launcher);
    ASSERT_GT(bytes.size(), front.size() + fs::file_size(f.Player) + 4);
    EXPECT_TRUE(std::equal(front.begin(), front.end(), bytes.begin()));
    const std::uint32_t trailer = bytes[bytes.size() - 4] | bytes[bytes.size() - 3] << 8 |
                                  bytes[bytes.size() - 2] << 16 |
                                  std::uint32_t(bytes[bytes.size() - 1]) << 24;
    EXPECT_EQ(trailer, front.size());
    EXPECT_EQ(ModeOf(exe), 0755u);
}

// Puts a folder first on the search path while alive.
class SearchPathFirst {
public:
    explicit SearchPathFirst(const std::string& folder) : saved_(std::getenv("PATH")) {
        ::setenv("PATH", (folder + ":" + saved_).c_str(), 1);
    }
    ~SearchPathFirst() { ::setenv("PATH", saved_.c_str(), 1); }
    SearchPathFirst(const SearchPathFirst&) = delete;
    SearchPathFirst& operator=(const SearchPathFirst&) = delete;

private:
    std::string saved_;
};

TEST(PublishForm, ACancelledImageLeavesNoFileAndTheDialogOpen) {
    PublishDialogFixture f;
    f.ProvideRuntime();
    // A disc image program that starts its image and never ends by itself.
    const auto bin = f.Root.File("bin");
    fs::create_directories(bin);
    WriteText(bin + "/xorriso", "#!/bin/sh\nwhile [ \"$1\" != -o ]; do shift; done\n"
                                "echo partial > \"$2\"\n"
                                "echo 'xorriso : UPDATE :  40.00% done' >&2\nexec sleep 30\n");
    fs::permissions(bin + "/xorriso", fs::perms(0755));
    SearchPathFirst path(bin);
    const auto image = f.Root.File("disc.iso");
    f.SaveNames.push_back(image);
    bool progressShown = false;
    int shownValue = -1;
    QElapsedTimer clock;
    clock.start();
    EXPECT_FALSE(f.Publish([&](TPublishForm* form) {
        ASSERT_TRUE(form->BurnTarget()->isChecked());
        auto cancel = std::make_shared<std::function<void()>>();
        *cancel = [form, cancel, &progressShown, &shownValue] {
            auto* progress = form->findChild<QProgressDialog*>("PublishProgress");
            if (progress && progress->isVisible() && progress->value() > 0) {
                progressShown = true;
                shownValue = progress->value() * 100 / progress->maximum();
                progress->cancel();
                return;
            }
            QTimer::singleShot(50, *cancel);
        };
        QTimer::singleShot(50, *cancel);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    EXPECT_TRUE(progressShown);
    // The share the image program told.
    EXPECT_EQ(shownValue, 40);
    EXPECT_LT(clock.elapsed(), 15000);
    EXPECT_EQ(f.Boxes.ErrorCount(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    EXPECT_FALSE(fs::exists(image));
    EXPECT_FALSE(fs::exists(f.Root.File(".disc.iso.publishing")));
}

TEST(PublishForm, ACancelledFileQuestionPublishesNothing) {
    PublishDialogFixture f;
    f.SaveNames.push_back(std::nullopt);
    f.Form->SetModified(true);
    EXPECT_FALSE(f.Publish([](TPublishForm* form) {
        form->ExecutableTarget()->setChecked(true);
        QTest::mouseClick(form->OkButton(), Qt::LeftButton);
    }));
    EXPECT_TRUE(f.Boxes.Shown.empty());
    // Nothing was saved either.
    EXPECT_TRUE(f.Form->Project().ProjectModified);
}

} // namespace
} // namespace brelvane::test
