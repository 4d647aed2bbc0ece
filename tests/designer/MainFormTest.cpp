#include "DesignerFixture.h"
#include "designer/EditForm.h"
#include "designer/PageHost.h"
#include "designer/ProjectSaver.h"
#include "designer/ShadowPreview.h"
#include "designer/TipsForm.h"
#include "player/AutoRunForm.h"
#include "project/TargetFile.h"
#include "render/SystemColors.h"

#include <QAction>
#include <QSpinBox>
#include <QTextBrowser>
#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;
using platform::TAnswer;

TEST(MainForm, NewProjectStartsModifiedWithPagesOnlyInTheWorkingFolder) {
    DesignerFixture f;
    f.NewProject(true);
    EXPECT_EQ(f.Names(),
              (std::vector<std::string>{"Main Page", "Splash Screen", "Screen Background"}));
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_FALSE(fs::exists(f.Base + "/AutoRunSource"));
    EXPECT_EQ(f.Form->PageTabs()->count(), 3);
    EXPECT_TRUE(fs::exists(f.Program + "/Temp/Splash Screen.pg"));
    EXPECT_EQ(f.Form->Host().Model()->Page().PageName, "Main Page");
    EXPECT_FALSE(f.Form->EditForm()->isHidden());
}

TEST(MainForm, SubPagesAreNumberedRegardlessOfCase) {
    DesignerFixture f;
    f.NewProject();
    for (int i = 0; i < 3; ++i)
        f.AddPage();
    EXPECT_EQ(f.Names(),
              (std::vector<std::string>{"Main Page", "Sub Page", "Sub Page1", "Sub Page2"}));
    EXPECT_EQ(f.Form->PageTabs()->currentIndex(), 3);

    DesignerFixture g;
    g.NewProject();
    g.AddPage();
    ASSERT_TRUE(g.Form->RenamePage("Other"));
    ASSERT_TRUE(g.Form->RenamePage("SUB PAGE"));
    g.AddPage();
    EXPECT_EQ(g.Names(), (std::vector<std::string>{"Main Page", "SUB PAGE", "Sub Page1"}));
}

TEST(MainForm, NewPageDialogDisablesKindsThatExistAndNeverOffersTheMainPage) {
    DesignerFixture f;
    f.NewProject(true);
    TNewPageForm form(f.Form.get(),
                      [&](std::uint8_t kind) { return f.Form->Project().HasKind(kind); });
    EXPECT_EQ(form.KindButton(pkMainPage), nullptr);
    EXPECT_FALSE(form.KindButton(pkSplashScreen)->isEnabled());
    EXPECT_EQ(form.KindButton(pkSplashScreen)->text(), "Splash Screen [Already Exists]");
    EXPECT_FALSE(form.KindButton(pkScreenBackground)->isEnabled());
    EXPECT_TRUE(form.KindButton(pkExitForm)->isEnabled());
    EXPECT_TRUE(form.KindButton(pkSubPage)->isChecked());
    EXPECT_TRUE(form.SourceButton(TNewPageSource::Template)->isEnabled());
}

TEST(MainForm, TheMainPageCannotBeDeletedAndDeletingTheLastSubPageSelectsItsNeighbour) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    f.AddPage();
    f.Select(0);
    f.Form->DeleteSubPage1Click();
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: Main page can not be deleted.");
    EXPECT_EQ(f.Names().size(), 3u);

    f.Select(2);
    f.Form->DeleteSubPage1Click();
    EXPECT_EQ(f.Boxes.Shown.back(), "Confirm: Delete \"Sub Page1\" page. Continue? ");
    EXPECT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Sub Page"}));
    EXPECT_EQ(f.Form->PageTabs()->currentIndex(), 1);
    EXPECT_EQ(f.Form->Host().Model()->Page().PageName, "Sub Page");
    EXPECT_EQ(f.Form->Project().DeletedPages.size(), 1u);
    EXPECT_FALSE(fs::exists(f.Program + "/Temp/Sub Page1.pg"));
}

TEST(MainForm, SwitchingPagesParksTheChangedPage) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    f.Form->Host().Model()->Page().Caption = "Changed";
    f.Form->SetModified(true);
    f.Select(0);
    TPageRecord parked;
    ASSERT_TRUE(LoadPageFile(f.Program + "/Temp/Sub Page.pg", parked, TPageReadMode::Build, {}));
    EXPECT_EQ(parked.Caption, "Changed");
    f.Select(1);
    EXPECT_EQ(f.Form->Host().Model()->Page().Caption, "Changed");
}

TEST(MainForm, AFailedWorkingCopyWriteCancelsTheSwitch) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    fs::remove(f.Program + "/Temp/Sub Page.pg");
    fs::create_directory(f.Program + "/Temp/Sub Page.pg");
    f.Select(0);
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_EQ(f.Form->PageTabs()->currentIndex(), 1);
    EXPECT_EQ(f.Form->Project().CurrentPageIndex, 1);
    EXPECT_EQ(f.Form->Host().Model()->Page().PageName, "Sub Page");
}

TEST(MainForm, RenamingRefusesTakenAndUnplainNames) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    EXPECT_FALSE(f.Form->RenamePage("main page"));
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: A page named main page already exists.");
    EXPECT_FALSE(f.Form->RenamePage("sub page"));
    EXPECT_FALSE(f.Form->RenamePage("a/b"));
    EXPECT_EQ(f.Names()[1], "Sub Page");
    EXPECT_TRUE(f.Form->RenamePage("Products"));
    EXPECT_EQ(f.Form->PageTabs()->tabText(1), "Products");
    EXPECT_EQ(f.Form->Host().Model()->Page().PageName, "Products");
}

TEST(MainForm, TargetFileOfAnUnsavedProjectHoldsTheChangesAndKeepsItModified) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    f.Form->Host().Model()->Page().Caption = "Unsaved caption";
    f.Form->CreateTargetFile();
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: Target file \"autorun.tgt\" created.");
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_FALSE(fs::exists(f.Base + "/AutoRunSource"));
    TProjectIndex index;
    ASSERT_TRUE(ReadTargetFile(f.Base + "/autorun.tgt", index));
    ASSERT_EQ(index.Pages.size(), 2u);
    TPageRecord page;
    ASSERT_TRUE(
        LoadPage({dsTargetFile, f.Base, {}}, *index.Pages[1], page, TPageReadMode::Build, {}));
    EXPECT_EQ(page.Caption, "Unsaved caption");
}

TEST(MainForm, NewProjectOverAProjectAsksAndTheNextSaveReplacesItsPages) {
    DesignerFixture f;
    f.NewProject();
    f.AddPage();
    ASSERT_TRUE(f.Form->Save1Click());
    ASSERT_TRUE(fs::exists(f.SourceFile("Sub Page")));
    f.Boxes.Shown.clear();
    f.NewProject();
    EXPECT_NE(std::find(f.Boxes.Shown.begin(), f.Boxes.Shown.end(),
                        "Confirm: The project file exists, overwrite?"),
              f.Boxes.Shown.end());
    ASSERT_TRUE(f.Form->Save1Click());
    EXPECT_FALSE(fs::exists(f.SourceFile("Sub Page")));
    EXPECT_TRUE(fs::exists(f.SourceFile("Main Page")));
    EXPECT_EQ(f.Names(), std::vector<std::string>{"Main Page"});
}

TEST(MainForm, UnsavedChangesAreOfferedForSavingAndCancelStopsNew) {
    DesignerFixture f;
    f.NewProject();
    f.Boxes.Answers = {TAnswer::Cancel};
    f.Form->New1Click();
    EXPECT_EQ(f.Boxes.Shown.back(), "Confirm: Save changes to file?");
    EXPECT_EQ(f.Boxes.Kinds.back(), platform::TMessageKind::YesNoCancel);
    EXPECT_FALSE(fs::exists(f.Base + "/AutoRunSource"));
    EXPECT_TRUE(f.Form->Project().ProjectModified);
}

TEST(MainForm, StartWithAVanishedDefaultFolderAsksForOneAndEndsWhenCancelled) {
    DesignerFixture f;
    EXPECT_FALSE(f.Form->Start(f.Root.File("gone"), false, nullptr));
    ASSERT_FALSE(f.Boxes.Shown.empty());
    EXPECT_EQ(f.Boxes.Shown.front(), "Invalid project folder: The default project folder '" +
                                         f.Root.File("gone") + "' is not available!");
    ASSERT_EQ(f.Dialogs->Calls.size(), 1u);
    EXPECT_EQ(f.Dialogs->Calls[0].Title, "Select Project Folder");
}

TEST(MainForm, StartOpensTheSavedProjectUnmodified) {
    std::string base;
    {
        DesignerFixture f;
        f.NewProject();
        f.AddPage();
        ASSERT_TRUE(f.Form->Save1Click());
        DesignerFixture g;
        fs::copy(f.Base, g.Base,
                 fs::copy_options::recursive | fs::copy_options::overwrite_existing);
        ASSERT_TRUE(g.Form->Start(g.Base, false, nullptr));
        EXPECT_EQ(g.Names(), (std::vector<std::string>{"Main Page", "Sub Page"}));
        EXPECT_FALSE(g.Form->Project().ProjectModified);
        EXPECT_EQ(g.Form->PageTabs()->currentIndex(), 0);
    }
}

TEST(MainForm, ADamagedIndexLeavesTheOpenProjectInPlace) {
    DesignerFixture f;
    f.NewProject();
    ASSERT_TRUE(f.Form->Save1Click());
    const auto other = f.Root.File("other");
    fs::create_directories(other + "/AutoRunSource");
    TProjectIndex twins;
    for (const char* name : {"Main Page", "MAIN PAGE"}) {
        twins.Pages.push_back(std::make_unique<TAutoFormInfo>());
        twins.Pages.back()->Name = name;
    }
    ASSERT_TRUE(SaveIndexFile(IndexPathOf(other), twins));
    f.Dialogs->Folders = {other};
    f.Boxes.Answers = {TAnswer::Yes, TAnswer::No};
    f.Form->Open1Click();
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: Create new project?");
    EXPECT_EQ(f.Form->Project().BaseFolder, f.Base);
    EXPECT_EQ(f.Names(), std::vector<std::string>{"Main Page"});
}

TEST(MainForm, AFailedSaveKeepsTheWindowOpen) {
    DesignerFixture f;
    f.NewProject();
    fs::create_directories(f.Base + "/AutoRunSource/AutoRun.src");
    f.Boxes.Answers = {TAnswer::Yes};
    EXPECT_FALSE(f.Form->close());
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_TRUE(fs::exists(f.Program + "/Temp/Main Page.pg"));
    f.Boxes.Answers = {TAnswer::No};
    EXPECT_TRUE(f.Form->close());
    EXPECT_FALSE(fs::exists(f.Program + "/Temp/Main Page.pg"));
}

TEST(MainForm, ShortcutsAndTheGridIsDrawnOnThePage) {
    DesignerFixture f;
    EXPECT_EQ(f.Form->Action("SaveandTest1")->shortcut(), QKeySequence("Ctrl+T"));
    EXPECT_TRUE(f.Form->Action("DisplayGrid1")->isChecked());

    f.NewProject();
    const QImage& page = f.Form->EditForm()->Image1();
    ASSERT_FALSE(page.isNull());
    // Black dots every 8 pixels on the page's gradient.
    EXPECT_EQ(page.pixelColor(16, 16), QColor(0, 0, 0));
    EXPECT_NE(page.pixelColor(17, 16), QColor(0, 0, 0));
    f.Form->ToggleDisplayGrid();
    EXPECT_NE(f.Form->EditForm()->Image1().pixelColor(16, 16), QColor(0, 0, 0));
    EXPECT_FALSE(ReadDesignerSettings(f.Program + "/Brelvane.ini").DisplayGrid);
}

TEST(MainForm, GridSizeDialogStoresChangedValues) {
    DesignerFixture f;
    f.NewProject();
    OnNextDialog([](QWidget* dialog) {
        const auto spin = dialog->findChildren<QSpinBox*>();
        ASSERT_EQ(spin.size(), 2);
        EXPECT_EQ(spin[0]->maximum(), 99);
        EXPECT_EQ(spin[0]->minimum(), 2);
        spin[0]->setValue(10);
        qobject_cast<QDialog*>(dialog)->accept();
    });
    f.Form->GridSize();
    EXPECT_EQ(f.Form->Settings().GridSizeX, 10);
    EXPECT_EQ(ReadDesignerSettings(f.Program + "/Brelvane.ini").GridSizeX, 10);
    EXPECT_EQ(f.Form->EditForm()->Image1().pixelColor(10, 0), QColor(0, 0, 0));
}

TEST(MainForm, ThePageShadowIsBlendedOverTheEditingAreaColour) {
    EXPECT_EQ(BlendShadow(QColor(255, 255, 225), QColor(0, 0, 0), 80), QColor(175, 175, 154));
    EXPECT_EQ(BlendShadow(QColor(10, 20, 30), QColor(200, 100, 0), 255), QColor(200, 100, 0));
    EXPECT_EQ(BlendShadow(QColor(10, 20, 30), QColor(200, 100, 0), 0), QColor(10, 20, 30));
    DesignerFixture f;
    f.NewProject();
    const QRect surface = f.Form->EditForm()->geometry();
    const QImage& preview = f.Form->ShadowPreview();
    const QPoint inShadow = surface.bottomRight() + QPoint(4, 4);
    EXPECT_EQ(preview.pixelColor(inShadow),
              BlendShadow(ResolveColor(kInfoBackgroundColor), Qt::black, 80));
    EXPECT_EQ(preview.pixelColor(surface.right() + 4, surface.top() + 2),
              ResolveColor(kInfoBackgroundColor));
}

TEST(MainForm, WhatsNewWithoutItsTextSaysSoAndDamagedTextShowsWhatCanBeRead) {
    DesignerFixture f;
    f.Form->WhatsNew1Click();
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(f.Boxes.Kinds.back(), platform::TMessageKind::Error);
    EXPECT_NE(f.Boxes.Shown.back().find("Tips.rtf"), std::string::npos) << f.Boxes.Shown.back();

    WriteText(f.Program + "/Tips.rtf", "{\\rtf1 Plain {\\b bold} and cut {\\i off");
    QString shown;
    OnNextDialog([&shown](QWidget* dialog) {
        auto* form = qobject_cast<TTipsForm*>(dialog);
        ASSERT_NE(form, nullptr);
        shown = form->Text()->toPlainText();
        form->accept();
    });
    f.Form->WhatsNew1Click();
    EXPECT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_TRUE(shown.startsWith("Plain bold and cut")) << shown.toStdString();
}

} // namespace
} // namespace brelvane::test
