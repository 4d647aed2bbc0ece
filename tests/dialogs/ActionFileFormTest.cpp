#include "dialogs/ActionFileForm.h"

#include "dialogs/ActionFileEditForm.h"
#include "dialogs/DialogsFixture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct ActionFileTest : DialogsFixture, ::testing::Test {};

const std::string kRefusal = "Information: The file can not be \"autorun.exe\".";

TEST(FileListRows, ReadingStopsAtAnEntryWithoutItsFirstThreeSeparators) {
    const auto rows = ReadFileListRows("\\a.exe\x01/q\x01\\\x01Y\x01\x02"
                                       "\\b.exe\x01\x01\\\x01\x02"
                                       "\\c.exe\x01-x\x02"
                                       "\\d.exe\x01\x01\x01 \x01\x02");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0], (TFileListRow{"\\a.exe", "/q", "\\", "Y"}));
    // A missing wait mark leaves the column empty.
    EXPECT_EQ(rows[1], (TFileListRow{"\\b.exe", "", "\\", ""}));
    EXPECT_EQ(rows[2], (TFileListRow{"\\c.exe", "-x", "", ""}));
    // A plain file without separators still shows as one row.
    EXPECT_EQ(ReadFileListRows("\\setup.exe"),
              (std::vector<TFileListRow>{{"\\setup.exe", "", "", ""}}));
}

TEST_F(ActionFileTest, AddRefusesTheRootAutorunOnly) {
    TActionFileForm form(nullptr, Context, "");
    FileAnswers = {"\\AutoRun.EXE", "\\tools\\autorun.exe"};
    form.AddButton()->click();
    EXPECT_EQ(form.List()->topLevelItemCount(), 0);
    EXPECT_EQ(Messages.Shown, (std::vector<std::string>{kRefusal}));
    EXPECT_FALSE(form.Modified().IsSet());
    form.AddButton()->click();
    ASSERT_EQ(form.List()->topLevelItemCount(), 1);
    EXPECT_TRUE(form.Modified().IsSet());
    EXPECT_EQ(form.Text(), "\\tools\\autorun.exe\x01\x01\\tools\\\x01 \x01\x02");
}

TEST_F(ActionFileTest, DeleteAndClearFollowTheRows) {
    TActionFileForm form(nullptr, Context,
                         "\\a.exe\x01\x01\x01Y\x01\x02\\b.exe\x01\x01\x01 \x01\x02"
                         "\\c.exe\x01\x01\x01 \x01\x02");
    EXPECT_FALSE(form.EditButton()->isEnabled());
    form.List()->topLevelItem(0)->setSelected(true);
    form.List()->topLevelItem(2)->setSelected(true);
    EXPECT_TRUE(form.DeleteButton()->isEnabled());
    form.DeleteButton()->click();
    EXPECT_EQ(form.Text(), "\\b.exe\x01\x01\x01 \x01\x02");
    form.Modified().Clear();
    form.ClearButton()->click();
    EXPECT_TRUE(form.Modified().IsSet());
    EXPECT_FALSE(form.ClearButton()->isEnabled());
    form.Modified().Clear();
    form.ClearButton()->click();
    EXPECT_FALSE(form.Modified().IsSet());
}

TEST_F(ActionFileTest, EntryEditorSelectsTrimsAndRefusesTheRootAutorun) {
    TActionFileEditForm form(nullptr, Context, {" \\a.exe ", " /q", "\\", true});
    EXPECT_EQ(form.FileEdit()->text(), "\\a.exe");
    EXPECT_EQ(form.ParametersEdit()->text(), "/q");
    EXPECT_TRUE(form.WaitBox()->isChecked());
    FileAnswers = {"\\bin\\run.exe"};
    form.findChild<QPushButton*>("SelectButton")->click();
    EXPECT_EQ(form.Entry().File, "\\bin\\run.exe");
    EXPECT_EQ(form.Entry().Parameters, "");
    EXPECT_EQ(form.Entry().Folder, "\\bin\\");
    form.FileEdit()->setText("  autorun.EXE ");
    form.show();
    form.accept();
    EXPECT_TRUE(form.isVisible()); // kept open
    EXPECT_EQ(Messages.Shown, (std::vector<std::string>{kRefusal}));
    form.FileEdit()->setText("\\sub\\autorun.exe");
    form.accept();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(ActionFileTest, EditingARowStoresTheWaitMark) {
    std::string text = "\\a.exe\x01\x01\x01 \x01\x02";
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TActionFileForm*>(dialog);
        form->List()->setCurrentItem(form->List()->topLevelItem(0));
        OnNextDialog([form](QWidget* inner) {
            auto* entry = static_cast<TActionFileEditForm*>(inner);
            entry->WaitBox()->click();
            entry->accept();
            QTimer::singleShot(0, form, [form] { form->accept(); });
        });
        form->EditButton()->click();
    });
    ASSERT_TRUE(EditFileList(nullptr, Context, text));
    EXPECT_EQ(text, "\\a.exe\x01\x01\x01Y\x01\x02");
    // Unmodified, even when accepted, reports nothing.
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditFileList(nullptr, Context, text));
}

} // namespace
} // namespace brelvane
