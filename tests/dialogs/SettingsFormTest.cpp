#include "dialogs/SettingsForm.h"

#include "dialogs/DialogsFixture.h"
#include "dialogs/InstallWareForm.h"
#include "storage/StorageTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

QStringList Names(const QListWidget* list) {
    QStringList names;
    for (int row = 0; row < list->count(); ++row)
        names << list->item(row)->text();
    return names;
}

// Runs `act` on the install-software dialog once it is the modal one, while
// the options dialog below it waits.
void OnInstallDialog(std::function<void(TInstallWareForm*)> act) {
    auto attempt = std::make_shared<std::function<void()>>();
    *attempt = [act, attempt] {
        if (auto* form = qobject_cast<TInstallWareForm*>(QApplication::activeModalWidget())) {
            act(form);
            return;
        }
        QTimer::singleShot(5, *attempt);
    };
    QTimer::singleShot(0, *attempt);
}

std::vector<std::uint8_t> SettingsBytes(const TSettings& settings) {
    return test::Stored(WriteSettings, settings);
}

struct SettingsFormTest : DialogsFixture, ::testing::Test {
    TSettings Settings = test::SampleIndex().Settings;
    // "First" was deleted from the project; "Second" is a tab already.
    std::vector<std::string> SubPages{"Intro", "Second", "Extras"};
    std::vector<TFont> FontStarts;
    // Every customized hint installed (nothing: the platform's tooltips).
    std::vector<std::optional<THintSettings>> Hints;
    std::optional<TFont> FontAnswer;
    TSettingsForm::TServices Services{[this](QWidget*, TFont& font) {
                                          FontStarts.push_back(font);
                                          if (!FontAnswer) return false;
                                          font = *FontAnswer;
                                          return true;
                                      },
                                      [](QWidget*, TPicture& picture) {
                                          picture = test::SamplePicture(TPictureKind::Gif);
                                          return true;
                                      },
                                      [this](const THintSettings* hint) {
                                          Hints.push_back(hint ? std::optional(*hint)
                                                               : std::nullopt);
                                      }};

    std::unique_ptr<TSettingsForm> Open() {
        return std::make_unique<TSettingsForm>(nullptr, Settings, SubPages, Context, Services);
    }
    static void Press(TSettingsForm& form, const char* arrow) {
        form.findChild<QToolButton*>(arrow)->click();
    }
};

TEST_F(SettingsFormTest, OpensOnTheFirstTabWithTabPagesPrunedBothWays) {
    auto form = Open();
    EXPECT_EQ(form->windowTitle(), "Project Options");
    EXPECT_EQ(form->Tabs()->currentIndex(), 0);
    EXPECT_EQ(form->Tabs()->tabText(1), "AutoRun Startup");
    EXPECT_EQ(form->Tabs()->tabText(2), "Customized Hint");
    EXPECT_EQ(Names(form->TabList()), QStringList{"Second"});
    EXPECT_EQ(Names(form->AvailableList()), (QStringList{"Intro", "Extras"}));
    EXPECT_EQ(form->TitleEdit()->text(), "Demo CD");
    EXPECT_FALSE(form->Modified());
    EXPECT_EQ(TabSheetNames("a\r\nb\r\n\r\nc"), (std::vector<std::string>{"a", "b", "c"}));
}

TEST_F(SettingsFormTest, InstallRowsShowTheFileTypeOnlyForTheViewerCheck) {
    auto form = Open();
    auto* list = form->InstallList();
    ASSERT_EQ(list->topLevelItemCount(), 3);
    EXPECT_EQ(list->headerItem()->text(0), "Installation Executable File");
    EXPECT_EQ(list->topLevelItem(0)->text(0), "\\Setup\\reader0.exe");
    EXPECT_EQ(list->topLevelItem(0)->text(1), ".pdf (Adobe Acrobat Document)");
    EXPECT_EQ(list->topLevelItem(1)->text(1), "");
    EXPECT_EQ(list->topLevelItem(2)->text(1), ".pdf (Adobe Acrobat Document)");
}

TEST_F(SettingsFormTest, StyleAndCustomHintDriveTheEnabling) {
    Settings.ApplicationStyle = 0;
    Settings.Hint->UseCustomizedHint = false;
    auto form = Open();
    EXPECT_FALSE(form->NotebookGroup()->isEnabled());
    EXPECT_FALSE(form->TabList()->isEnabled());
    form->StyleBox()->setCurrentIndex(1);
    emit form->StyleBox()->activated(1);
    EXPECT_TRUE(form->NotebookGroup()->isEnabled());
    EXPECT_TRUE(form->Modified());

    auto* test = form->findChild<QWidget*>("TestPanel");
    EXPECT_FALSE(test->isEnabled());
    EXPECT_EQ(test->toolTip(), "Test Custom Hint");
    form->UseHintBox()->setChecked(true);
    EXPECT_TRUE(test->isEnabled());
    EXPECT_TRUE(form->UseHintBox()->isEnabled());
    form->UseHintBox()->setChecked(false);
    EXPECT_FALSE(form->findChild<QWidget*>("BackImage")->isEnabled());
}

TEST_F(SettingsFormTest, TheDialogsHintsFollowTheCopyAndTheStandardOnesReturn) {
    FontAnswer = TFont{"Tahoma", 0xff, 11, fsBold};
    {
        auto form = Open();
        ASSERT_EQ(Hints.size(), 1u);
        ASSERT_TRUE(Hints[0]);
        EXPECT_EQ(Hints[0]->Font.Name, "Verdana");
        form->findChild<QPushButton*>("HintFont")->click();
        ASSERT_EQ(Hints.size(), 2u);
        ASSERT_TRUE(Hints[1]);
        EXPECT_EQ(Hints[1]->Font.Name, "Tahoma");
        // The tab font is no hint field.
        form->findChild<QPushButton*>("TabFont")->click();
        EXPECT_EQ(Hints.size(), 2u);
        form->UseHintBox()->setChecked(false);
        ASSERT_EQ(Hints.size(), 3u);
        EXPECT_FALSE(Hints[2]);
        form->UseHintBox()->setChecked(true);
        ASSERT_EQ(Hints.size(), 4u);
        EXPECT_TRUE(Hints[3]);
    }
    EXPECT_FALSE(Hints.back());
    // The original settings were never touched.
    EXPECT_EQ(Settings.Hint->Font.Name, "Verdana");
}

TEST_F(SettingsFormTest, TabPagesMoveBetweenListsAndTheSelectionMovesWithThePage) {
    auto form = Open();
    auto* tabs = form->TabList();
    auto* available = form->AvailableList();
    form->Button("Add")->click(); // nothing selected
    EXPECT_EQ(tabs->count(), 1);
    EXPECT_FALSE(form->Modified());
    available->setCurrentRow(1);
    form->Button("Add")->click();
    available->setCurrentRow(0);
    form->Button("Add")->click();
    EXPECT_EQ(Names(tabs), (QStringList{"Second", "Extras", "Intro"}));
    EXPECT_EQ(available->count(), 0);

    tabs->setCurrentRow(2);
    Press(*form, "Up");
    EXPECT_EQ(Names(tabs), (QStringList{"Second", "Intro", "Extras"}));
    EXPECT_EQ(tabs->currentRow(), 1);
    Press(*form, "Up");
    Press(*form, "Up"); // at the top: nothing
    EXPECT_EQ(Names(tabs), (QStringList{"Intro", "Second", "Extras"}));
    EXPECT_EQ(tabs->currentRow(), 0);
    tabs->setCurrentRow(2);
    Press(*form, "Down"); // at the end: nothing
    EXPECT_EQ(tabs->currentRow(), 2);
    tabs->setCurrentRow(0);
    Press(*form, "Down");
    EXPECT_EQ(Names(tabs), (QStringList{"Second", "Intro", "Extras"}));
    EXPECT_EQ(tabs->currentRow(), 1);
    form->Button("Remove")->click();
    EXPECT_EQ(Names(available), QStringList{"Intro"});
    EXPECT_EQ(form->Result().TabSheetList, "Second\r\nExtras\r\n");
}

TEST_F(SettingsFormTest, OkWithoutATouchIsNoChangeAndKeepsTheBytes) {
    const auto before = SettingsBytes(Settings);
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditProjectOptions(nullptr, Settings, SubPages, Context, Services));
    EXPECT_EQ(SettingsBytes(Settings), before);
    // A font dialog cancelled or answering the same font is no change either.
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSettingsForm*>(dialog);
        form->findChild<QPushButton*>("TabFont")->click();
        form->accept();
    });
    EXPECT_FALSE(EditProjectOptions(nullptr, Settings, SubPages, Context, Services));
    ASSERT_EQ(FontStarts.size(), 1u);
    EXPECT_EQ(FontStarts[0].Name, "Arial");
    EXPECT_EQ(SettingsBytes(Settings), before);
}

TEST_F(SettingsFormTest, CancelAfterAddingAnInstallLeavesTheSettings) {
    const auto before = SettingsBytes(Settings);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSettingsForm*>(dialog);
        OnInstallDialog([](TInstallWareForm* install) {
            install->ExecutableEdit()->setText("new.exe");
            install->WhenBox()->setCurrentIndex(1);
            install->accept();
            // A record the checks refuse would leave it open.
            if (install->isVisible()) install->reject();
        });
        form->Button("&Add...")->click();
        EXPECT_EQ(form->InstallList()->topLevelItemCount(), 4);
        form->Button("Clear")->click();
        form->reject();
    });
    EXPECT_FALSE(EditProjectOptions(nullptr, Settings, SubPages, Context, Services));
    EXPECT_EQ(SettingsBytes(Settings), before);
}

TEST_F(SettingsFormTest, AcceptedChangesCopyEveryFieldBack) {
    const TSettings before = Settings;
    FontAnswer = TFont{"Tahoma", 0xff, 11, fsBold};
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSettingsForm*>(dialog);
        QTest::keyClicks(form->TitleEdit(), " 2");
        form->AvailableList()->setCurrentRow(0);
        form->Button("Add")->click();
        form->findChild<QPushButton*>("HintFont")->click();
        form->Button("S&elect...")->click();
        auto* installs = form->InstallList();
        installs->setCurrentItem(installs->topLevelItem(0));
        form->Button("&Delete")->click();
        form->accept();
    });
    ASSERT_TRUE(EditProjectOptions(nullptr, Settings, SubPages, Context, Services));
    EXPECT_EQ(Settings.ApplicationTitle, "Demo CD 2");
    EXPECT_EQ(Settings.TabSheetList, "Second\r\nIntro\r\n");
    EXPECT_EQ(Settings.Hint->Font.Name, "Tahoma");
    EXPECT_EQ(Settings.Hint->BackImage, test::SamplePicture(TPictureKind::Gif));
    ASSERT_EQ(Settings.InstallWares.size(), 2u);
    EXPECT_EQ(*Settings.InstallWares[0], *before.InstallWares[1]);
    EXPECT_EQ(*Settings.InstallWares[1], *before.InstallWares[2]);
    EXPECT_NE(Settings.InstallWares[0].get(), before.InstallWares[1].get());
    // Fields without a control pass through.
    EXPECT_EQ(Settings.Hint->ShadowOffset, 7);
    EXPECT_TRUE(Settings.RequireAdmin);
    EXPECT_EQ(Settings.AdminMessage, "Administrators only.");
    EXPECT_EQ(Settings.Reserved6, "six");
    EXPECT_EQ(Settings.TabFont, before.TabFont);
    EXPECT_EQ(Settings.Hint->HidePause, before.Hint->HidePause);
}

} // namespace
} // namespace brelvane
