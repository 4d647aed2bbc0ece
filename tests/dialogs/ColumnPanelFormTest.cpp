#include "dialogs/ColumnPanelForm.h"

#include "dialogs/DialogsFixture.h"
#include "storage/ErrorReport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TListColumn Column(const std::string& caption, std::uint8_t alignment, std::int32_t width) {
    TListColumn column;
    column.Caption = caption;
    column.Alignment = alignment;
    column.Width = width;
    column.MinWidth = 20;
    column.Tag = 7;
    return column;
}

struct ColumnPanelTest : DialogsFixture, ::testing::Test {};

TEST_F(ColumnPanelTest, OneFormTwoCaptions) {
    TColumnPanelForm columns(nullptr, TColumnPanelForm::TMode::Columns, {});
    TColumnPanelForm panels(nullptr, TColumnPanelForm::TMode::Panels, {});
    EXPECT_EQ(columns.windowTitle(), "ListView Column Editor");
    EXPECT_EQ(panels.windowTitle(), "Status Bar Panels Editor");
    columns.AddButton()->click();
    panels.AddButton()->click();
    const auto* added = columns.List()->topLevelItem(0);
    EXPECT_EQ(added->text(0), "New Column");
    EXPECT_EQ(added->text(1), "Left");
    EXPECT_EQ(added->text(2), "100");
    EXPECT_EQ(panels.List()->topLevelItem(0)->text(0), "New Panel");
    EXPECT_EQ(columns.List()->currentItem(), added);
    EXPECT_EQ(columns.List()->headerItem()->text(1), "Alignment");
}

TEST_F(ColumnPanelTest, FieldsEditTheSelectedRowWithinTheirLimits) {
    TColumnPanelForm form(nullptr, TColumnPanelForm::TMode::Columns,
                          {{"Name", caRight, 80, 0}, {"Size", caCenter, 60, 1}});
    EXPECT_EQ(form.List()->topLevelItem(0)->text(1), "Right");
    EXPECT_EQ(form.List()->topLevelItem(1)->text(1), "Center");
    EXPECT_FALSE(form.CaptionEdit()->isEnabled());
    EXPECT_FALSE(form.WidthSpin()->isEnabled());
    EXPECT_FALSE(form.DeleteButton()->isEnabled());
    form.List()->setCurrentItem(form.List()->topLevelItem(1));
    EXPECT_FALSE(form.Modified());
    EXPECT_EQ(form.WidthSpin()->value(), 60);
    EXPECT_EQ(form.AlignmentBox()->currentText(), "Center");
    EXPECT_EQ(form.AlignmentBox()->count(), 3);
    form.WidthSpin()->setValue(123456);
    EXPECT_EQ(form.Rows()[1].Width, 9999);
    EXPECT_EQ(form.List()->topLevelItem(1)->text(2), "9999");
    form.AlignmentBox()->setCurrentIndex(form.AlignmentBox()->findText("Left"));
    EXPECT_EQ(form.Rows()[1].Alignment, caLeft);
    form.DeleteButton()->click();
    ASSERT_EQ(form.Rows().size(), 1u);
    form.ClearButton()->click();
    EXPECT_TRUE(form.Rows().empty());
    EXPECT_FALSE(form.ClearButton()->isEnabled());
    EXPECT_TRUE(form.Modified());
}

TEST_F(ColumnPanelTest, AcceptedRowsRebuildTheColumnsKeepingWhatTheyDoNotShow) {
    std::vector<TListColumn> columns{Column("Name", caLeft, 80), Column("Size", caRight, 60)};
    const auto before = columns;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditListColumns(nullptr, columns));
    EXPECT_EQ(columns, before);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TColumnPanelForm*>(dialog);
        form->List()->setCurrentItem(form->List()->topLevelItem(0));
        form->DeleteButton()->click();
        form->AddButton()->click();
        form->accept();
    });
    ASSERT_TRUE(EditListColumns(nullptr, columns));
    ASSERT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns[0], before[1]);
    EXPECT_EQ(columns[1].Caption, "New Column");
    EXPECT_EQ(columns[1].Width, 100);
    EXPECT_EQ(columns[1].Tag, 0);
}

TEST_F(ColumnPanelTest, PanelsAreEditedAndCancelKeepsThem) {
    std::vector<TStatusPanel> panels(1);
    panels[0].Text = "Ready";
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TColumnPanelForm*>(dialog);
        form->AddButton()->click();
        form->reject();
    });
    EXPECT_FALSE(EditStatusPanels(nullptr, panels));
    EXPECT_EQ(panels.size(), 1u);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TColumnPanelForm*>(dialog);
        form->List()->setCurrentItem(form->List()->topLevelItem(0));
        form->CaptionEdit()->selectAll();
        QTest::keyClicks(form->CaptionEdit(), "Busy");
        form->AlignmentBox()->setCurrentIndex(form->AlignmentBox()->findText("Right"));
        form->accept();
    });
    ASSERT_TRUE(EditStatusPanels(nullptr, panels));
    EXPECT_EQ(panels[0].Text, "Busy");
    EXPECT_EQ(panels[0].Alignment, caRight);
}

} // namespace
} // namespace brelvane
