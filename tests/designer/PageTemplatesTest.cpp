#include "designer/DesignerFixture.h"
#include "designer/PageHost.h"
#include "designer/SelectPageForm.h"
#include "designer/TemplateLibrary.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"
#include "project/PageStream.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QTest>
#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

TPageRecord TemplatePage(std::uint32_t colour, std::uint8_t kind = pkSubPage) {
    TPageRecord page;
    page.PageName = page.Caption = "Template";
    page.PageKind = kind;
    page.Width = 300;
    page.Height = 200;
    page.BackColor = static_cast<std::int32_t>(colour);
    // Unnamed, as templates keep their objects.
    AddObjectRecord(page.Objects, okButton, 10, 10)->Props.Name.clear();
    AddObjectRecord(page.Objects, okShape, 50, 50)->Props.Name = "Kept";
    return page;
}

struct PageTemplateFixture : DesignerFixture {
    TTemplateLibrary Library{Program + "/Templates"};
    void Put(int tab, const std::string& name, const TPageRecord& page) {
        fs::create_directories(Library.PagesFolder(tab));
        ASSERT_TRUE(SavePageFile(Library.PagesFolder(tab) + "/" + name, page));
    }
    std::vector<std::string> Captions(const TSelectPageForm& form) const {
        std::vector<std::string> captions;
        for (int i = 0; i < form.ListView1()->count(); ++i)
            captions.push_back(form.ListView1()->item(i)->text().toStdString());
        return captions;
    }
    static void Choose(TSelectPageForm& form, int row) { form.ListView1()->setCurrentRow(row); }
};

TEST(PageTemplatePicker, OpensOnTheTabOfTheKindAndReturnsOnlyAChoice) {
    PageTemplateFixture f;
    f.Put(0, "Blue", TemplatePage(RGB(0, 0, 255)));
    f.Put(5, "Bye", TemplatePage(RGB(0, 255, 0), pkExitForm));
    for (const auto& [kind, tab] : {std::pair{pkSubPage, 0}, std::pair{pkMainPage, 0},
                                    std::pair{pkExitForm, 5}, std::pair{pkSecurityForm, 4}}) {
        TSelectPageForm form(nullptr, f.Library, PageTemplateTabOf(kind));
        EXPECT_EQ(form.PageControl1()->currentIndex(), tab);
        EXPECT_EQ(form.windowTitle(), "Page Templates");
        EXPECT_EQ(form.size(), QSize(680, 489));
        EXPECT_EQ(form.findChild<QLabel*>("Panel5")->text().toStdString(),
                  std::string(kPageTemplateTabs[static_cast<std::size_t>(tab)]));
    }
    TSelectPageForm form(nullptr, f.Library, 0);
    EXPECT_FALSE(form.ManagerMode());
    EXPECT_FALSE(form.Button("Add")->isVisibleTo(&form));
    EXPECT_TRUE(form.Button("Cancel")->isVisibleTo(&form));
    EXPECT_EQ(f.Captions(form), (std::vector<std::string>{"Blue"}));
    EXPECT_EQ(form.findChild<QLabel*>("Panel4")->text(), "1");
    // Without a selection OK does nothing.
    EXPECT_FALSE(form.Button("OK")->isEnabled());
    form.OkClick();
    EXPECT_FALSE(form.Confirmed());
    EXPECT_EQ(form.Result(), "");
    // The tab at OK decides.
    form.PageControl1()->setCurrentIndex(5);
    EXPECT_EQ(form.Folder(), f.Library.PagesFolder(5));
    f.Choose(form, 0);
    EXPECT_TRUE(form.Button("OK")->isEnabled());
    EXPECT_TRUE(form.Button("Preview")->isEnabled());
    form.OkClick();
    EXPECT_TRUE(form.Confirmed());
    EXPECT_EQ(form.Result(), f.Library.PagesFolder(5) + "/Bye");
}

TEST(PageTemplatePicker, ADoubleClickChoosesAndCancelDoesNot) {
    PageTemplateFixture f;
    f.Put(0, "Blue", TemplatePage(RGB(0, 0, 255)));
    {
        TSelectPageForm form(nullptr, f.Library, 0);
        f.Choose(form, 0);
        emit form.ListView1()->itemDoubleClicked(form.ListView1()->item(0));
        EXPECT_TRUE(form.Confirmed());
        EXPECT_EQ(form.Result(), f.Library.PagesFolder(0) + "/Blue");
    }
    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TSelectPageForm*>(dialog);
        ASSERT_NE(form, nullptr);
        form->ListView1()->setCurrentRow(0);
        form->Button("Cancel")->click();
    });
    EXPECT_EQ(PickPageTemplate(nullptr, f.Library, pkSubPage), "");
}

TEST(PageTemplatePicker, AnUnreadableTemplateIsListedWithItsErrorAndTheListStillWorks) {
    PageTemplateFixture f;
    f.Put(0, "Good", TemplatePage(RGB(0, 0, 255)));
    WriteText(f.Library.PagesFolder(0) + "/Bad", "damaged");
    TSelectPageForm form(nullptr, f.Library, 0);
    EXPECT_EQ(f.Captions(form), (std::vector<std::string>{"Bad", "Good"}));
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_FALSE(fs::exists(PreviewPathOf(form.Folder(), "Bad")));
    EXPECT_TRUE(fs::exists(PreviewPathOf(form.Folder(), "Good")));
    EXPECT_FALSE(form.ListView1()->item(0)->icon().isNull());
    f.Choose(form, 1);
    form.OkClick();
    EXPECT_EQ(form.Result(), form.Folder() + "/Good");
}

TEST(PageTemplateManager, AddWritesTheCurrentPageUnderTheFirstFreeNumber) {
    PageTemplateFixture f;
    f.Put(0, "001", TemplatePage(1));
    f.Put(0, "003", TemplatePage(3));
    const auto page = TemplatePage(RGB(9, 9, 9));
    TSelectPageForm form(nullptr, f.Library, 0,
                         [&page](const std::string& path) { return SavePageFile(path, page); });
    EXPECT_TRUE(form.ManagerMode());
    EXPECT_FALSE(form.Button("Cancel")->isVisibleTo(&form));
    EXPECT_TRUE(form.Button("OK")->isEnabled());
    f.Boxes.Answers.push_back(platform::TAnswer::No);
    form.AddClick();
    EXPECT_FALSE(fs::exists(form.Folder() + "/002"));
    form.AddClick();
    EXPECT_EQ(f.Boxes.Shown.back(), "Confirm: Add current page as a template, continue?");
    TMemoryStream expected;
    ASSERT_TRUE(WritePage(expected, page));
    EXPECT_EQ(ReadFileBytes(form.Folder() + "/002"), expected.Bytes());
    EXPECT_EQ(f.Captions(form), (std::vector<std::string>{"001", "002", "003"}));
    EXPECT_TRUE(fs::exists(PreviewPathOf(form.Folder(), "002")));
    // Into the folder of the active tab, whatever the page's kind.
    form.PageControl1()->setCurrentIndex(3);
    form.AddClick();
    EXPECT_TRUE(fs::exists(f.Library.PagesFolder(3) + "/001"));
}

TEST(PageTemplateManager, RenameInPlaceKeepsThePreviewOrRestoresTheCaption) {
    PageTemplateFixture f;
    f.Put(0, "001", TemplatePage(1));
    f.Put(0, "002", TemplatePage(2));
    TSelectPageForm form(nullptr, f.Library, 0, [](const std::string&) { return true; });
    form.show();
    f.Choose(form, 0);
    form.RenameClick();
    EXPECT_FALSE(form.Button("OK")->isDefault());
    auto* editor = form.ListView1()->findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    editor->setText("002");
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents(); // the edit ends once the key is handled
    ASSERT_EQ(f.Boxes.Shown.size(), 1u);
    EXPECT_EQ(f.Boxes.Shown.back(), "Error: Rename failed.");
    EXPECT_EQ(form.ListView1()->item(0)->text(), "001");
    EXPECT_TRUE(form.Button("OK")->isDefault());
    EXPECT_TRUE(form.isVisible()); // Enter ended the edit, not the dialog

    for (const char* improper : {"a/b", "..", ""}) {
        form.ListView1()->item(0)->setText(improper);
        EXPECT_EQ(form.ListView1()->item(0)->text(), "001") << improper;
    }
    form.ListView1()->item(0)->setText("Sunset");
    EXPECT_TRUE(fs::exists(form.Folder() + "/Sunset"));
    EXPECT_TRUE(fs::exists(PreviewPathOf(form.Folder(), "Sunset")));
    EXPECT_FALSE(fs::exists(form.Folder() + "/001"));
    form.RefreshTemplateList();
    EXPECT_EQ(form.Previews().Rendered(), 2); // the renamed preview went with it
}

TEST(PageTemplateManager, DeleteAsksThenRemovesTheTemplateAndItsPreview) {
    PageTemplateFixture f;
    f.Put(0, "001", TemplatePage(1));
    f.Put(0, "002", TemplatePage(2));
    TSelectPageForm form(nullptr, f.Library, 0, [](const std::string&) { return true; });
    form.DeleteClick(); // nothing selected: no question
    EXPECT_TRUE(f.Boxes.Shown.empty());
    f.Choose(form, 0);
    f.Boxes.Answers.push_back(platform::TAnswer::No);
    form.DeleteClick();
    EXPECT_TRUE(fs::exists(form.Folder() + "/001"));
    f.Choose(form, 0);
    form.DeleteClick();
    EXPECT_EQ(f.Boxes.Shown.back(), "Confirm: Delete selected item, continue?");
    EXPECT_FALSE(fs::exists(form.Folder() + "/001"));
    EXPECT_FALSE(fs::exists(PreviewPathOf(form.Folder(), "001")));
    EXPECT_EQ(f.Captions(form), (std::vector<std::string>{"002"}));
}

// Answers the next picker with the template `name` of its active tab.
void PickNext(const std::string& name) {
    OnNextDialog([name](QWidget* dialog) {
        auto* form = qobject_cast<TSelectPageForm*>(dialog);
        ASSERT_NE(form, nullptr);
        const auto items =
            form->ListView1()->findItems(QString::fromStdString(name), Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        form->ListView1()->setCurrentItem(items.front());
        form->OkClick();
    });
}

TEST(PageTemplateCommands, LoadFromTemplateReplacesThePageKeepingItsNameKindAndCaption) {
    PageTemplateFixture f;
    f.Put(0, "Blue", TemplatePage(RGB(0, 0, 255)));
    f.NewProject();
    f.Form->SetModified(false);
    PickNext("Blue");
    f.Form->Action("GetPage1")->trigger();
    const auto& page = f.Form->Host().Model()->Page();
    EXPECT_EQ(page.PageName, "Main Page");
    EXPECT_EQ(page.Caption, "Main Page");
    EXPECT_EQ(page.PageKind, pkMainPage);
    EXPECT_EQ(page.BackColor, RGB(0, 0, 255));
    ASSERT_EQ(page.Objects.size(), 2u);
    EXPECT_EQ(page.Objects[0]->Props.Name, "Button1"); // unnamed objects get names
    EXPECT_EQ(page.Objects[1]->Props.Name, "Kept");
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_TRUE(f.Boxes.Shown.empty()); // no question
    // One step back gives the page as it was.
    f.Form->Undo1Click();
    EXPECT_TRUE(f.Form->Host().Model()->Page().Objects.empty());
}

TEST(PageTemplateCommands, AddPageAndNewProjectStartFromChosenTemplates) {
    PageTemplateFixture f;
    f.Put(0, "Blue", TemplatePage(RGB(0, 0, 255)));
    f.Put(1, "Splash", TemplatePage(RGB(255, 0, 0), pkSplashScreen));
    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TNewProjectForm*>(dialog);
        ASSERT_NE(form, nullptr);
        form->FolderBox()->setText(
            QString::fromStdString(dynamic_cast<TMainForm*>(form->parent())->Project().BaseFolder));
        PickNext("Splash");
        form->Row(pkSplashScreen).SelectTemplate->click();
        EXPECT_FALSE(form->Row(pkSplashScreen).Blank->isChecked());
        EXPECT_EQ(form->Row(pkSplashScreen).TemplateName->text(), "Splash");
        form->Row(pkScreenBackground).Include->setChecked(false);
        form->accept();
    });
    f.Form->Project().BaseFolder = f.Base;
    f.Form->New1Click();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Splash Screen"}));
    f.Select(1);
    EXPECT_EQ(f.Form->Host().Model()->Page().BackColor, RGB(255, 0, 0));
    EXPECT_EQ(f.Form->Host().Model()->Page().PageKind, pkSplashScreen);

    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TNewPageForm*>(dialog);
        ASSERT_NE(form, nullptr);
        form->SourceButton(TNewPageSource::Template)->setChecked(true);
        PickNext("Blue");
        form->accept();
    });
    f.Form->NewSubPage1Click();
    ASSERT_EQ(f.Names(), (std::vector<std::string>{"Main Page", "Splash Screen", "Sub Page"}));
    const auto& page = f.Form->Host().Model()->Page();
    EXPECT_EQ(page.PageName, "Sub Page");
    EXPECT_EQ(page.BackColor, RGB(0, 0, 255));
    EXPECT_EQ(page.Objects[0]->Props.Name, "Button1");
}

} // namespace
} // namespace brelvane::test
