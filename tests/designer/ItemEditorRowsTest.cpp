#include "SurfaceFixture.h"
#include "designer/PropertyEditor.h"
#include "dialogs/ColumnPanelForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/ToolButtonsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/TreeViewPayload.h"
#include "project/PageStream.h"

#include <QPushButton>
#include <QTableWidget>
#include <QTreeWidget>

namespace brelvane::test {
namespace {

struct ItemRows : SurfaceFixture {
    TPropertyEditor& Editor() { return Form->PropertyEditor(); }
    TPageRecord& Page() { return Form->Host().Model()->Page(); }
    QString Shown(const char* caption) {
        return Editor().ValueEdit()->item(Editor().RowOf(caption), 1)->text();
    }
    void Open(const char* caption) {
        const int row = Editor().RowOf(caption);
        ASSERT_GE(row, 0) << caption;
        ASSERT_TRUE(Editor().Rows()[static_cast<std::size_t>(row)].HasEllipsis()) << caption;
        Editor().ValueEditEditButtonClick(row);
    }
    std::vector<std::uint8_t> PageBytes() {
        TMemoryStream stream;
        EXPECT_TRUE(WritePage(stream, Page()));
        return stream.Bytes();
    }
};

TEST(ItemEditorRows, OkWithoutAChangeLeavesThePageStreamAsItWas) {
    ItemRows f;
    TMenuItem item;
    item.Caption = "&File";
    f.Page().MenuBar = {item};
    TStatusPanel panel;
    panel.Text = "Ready";
    f.Page().StatusPanels = {panel};
    f.Editor().ComboBox1Change(0);
    f.Form->SetModified(false);
    const auto before = f.PageBytes();
    for (const char* row :
         {"MenuBarItems", "ToolBarButtons", "StatusBarPanels", "PopupMenu (Right Click)"}) {
        OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
        f.Open(row);
    }
    EXPECT_EQ(f.PageBytes(), before);
    EXPECT_FALSE(f.Form->Project().ProjectModified);
}

TEST(ItemEditorRows, AnAcceptedChangeIsAppliedAsOneStep) {
    ItemRows f;
    f.Editor().ComboBox1Change(0);
    f.Form->SetModified(false);
    EXPECT_EQ(f.Shown("ToolBarButtons"), "[None]");
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TToolButtonsForm*>(dialog);
        form->AddButton()->click();
        form->accept();
    });
    f.Open("ToolBarButtons");
    ASSERT_EQ(f.Page().ToolButtons.size(), 1u);
    EXPECT_EQ(f.Shown("ToolBarButtons"), "[Buttons]");
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_EQ(f.Form->UndoHistory().NextUndo(f.Form->Project().Entry(0))->Label, "ToolBarButtons");
    // A cancelled editor changes nothing.
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TColumnPanelForm*>(dialog);
        form->AddButton()->click();
        form->reject();
    });
    f.Open("StatusBarPanels");
    EXPECT_TRUE(f.Page().StatusPanels.empty());
    EXPECT_EQ(f.Shown("StatusBarPanels"), "[None]");
}

TEST(ItemEditorRows, ListObjectsOpenTheirEditorsWithTheAssociatedListView) {
    ItemRows f;
    auto& view = f.Add("ToolButton_ListView", {40, 40});
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TColumnPanelForm*>(dialog);
        EXPECT_EQ(form->windowTitle(), "ListView Column Editor");
        form->AddButton()->click();
        form->accept();
    });
    f.Open("ReportColumns");
    const auto& columns = static_cast<TListViewPayload&>(*view.Payload).Columns;
    ASSERT_EQ(columns.size(), 1u);
    EXPECT_EQ(columns[0].Caption, "New Column");

    auto& tree = f.Add("ToolButton_TreeView", {200, 200});
    auto& nodes = static_cast<TTreeViewPayload&>(*tree.Payload);
    nodes.AssociatedListView = "ListView1";
    const auto left = nodes.Left;
    bool nestedOpened = false;
    OnNextDialog([&nestedOpened](QWidget* dialog) {
        auto* form = static_cast<TViewItemsForm*>(dialog);
        EXPECT_EQ(form->windowTitle(), "TreeView Item Editor");
        form->AddButton()->click();
        OnNextDialog([&nestedOpened](QWidget* nested) {
            nestedOpened = true;
            auto* list = static_cast<TViewItemsForm*>(nested);
            list->AddButton()->click();
            list->accept();
        });
        form->AssociatedButton()->click();
        form->accept();
    });
    f.Open("Items");
    EXPECT_TRUE(nestedOpened);
    // The list view exists, so no message was needed.
    EXPECT_EQ(f.Boxes.Shown.size(), 0u) << ::testing::PrintToString(f.Boxes.Shown);
    ASSERT_EQ(nodes.Nodes.size(), 1u);
    EXPECT_EQ(nodes.Nodes[0].Item.AssociatedItems.size(), 1u);
    EXPECT_EQ(nodes.Left, left);
    EXPECT_EQ(f.Shown("Items"), "[Items]");
}

} // namespace
} // namespace brelvane::test
