#include "designer/ItemEditorRows.h"
#include "designer/KindRowBuilders.h"
#include "designer/ProjectPickers.h"
#include "dialogs/ColumnPanelForm.h"
#include "dialogs/ListItemsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShellPayloads.h"
#include "objects/records/TreeViewPayload.h"
#include "project/PageRecord.h"

namespace brelvane {

namespace {
template <class List> TPropertyRow ItemsRow(const std::vector<List>& items, const char* field) {
    return DialogRow("Items", [&items] { return Placeholder(!items.empty(), "Items"); },
                     {At(field)});
}

// Items, font, colour and the sizes the list box and the drop-down list share.
template <class P> void AddItemListRows(TRowContext& context, P& list, TPropertyRows& rows) {
    rows.push_back(EditorRow(ItemsRow(list.Items, "Items"), context, list,
                             [](QWidget* owner, const TActionContext& actions, P& edited) {
                                 return EditListItems(owner, actions, edited, edited.Font,
                                                      edited.Color);
                             }));
    rows.push_back(PayloadFontRow(context, "Font", list.Font, "Font"));
    rows.push_back(ColorRow("Color", list.Color, At("Color")));
    rows.push_back(NumberRow("ItemHeight", list.ItemHeight, At("ItemHeight"), 1));
    rows.push_back(NumberRow("IconWidth", list.IconWidth, At("IconWidth"), 0));
    rows.push_back(NumberRow("IconHeight", list.IconHeight, At("IconHeight"), 0));
    rows.push_back(NumberRow("SelectedIndex", list.SelectedIndex, At("SelectedIndex"), -1));
}

template <class P> void AddFontAndColorRows(TRowContext& context, P& list, TPropertyRows& rows) {
    rows.push_back(PayloadFontRow(context, "Font", list.Font, "Font"));
    rows.push_back(ColorRow("Color", list.Color, At("Color")));
}

template <class P> void AddBorderAndHotTrackRows(P& list, TPropertyRows& rows) {
    rows.push_back(ChoiceRow("Border", list.Border, kBoolChoices, At("Border")));
    rows.push_back(BoolRow("HotTrack", list.HotTrack, At("HotTrack")));
}

// The tree keeps its images two pixels larger each way than the size shown.
TPropertyRow TreeIconRow(const QString& caption, std::int32_t& field, const char* path) {
    constexpr int kTreeIconMargin = 2;
    TPropertyRow row = NumberRow(caption, field, At(path), 1,
                                 std::numeric_limits<std::int32_t>::max() - kTreeIconMargin);
    row.Number = [&field] { return static_cast<std::int64_t>(field) - kTreeIconMargin; };
    row.SetNumber = [&field](std::int64_t shown) {
        field = static_cast<std::int32_t>(shown + kTreeIconMargin);
    };
    row.Text = [&field] {
        return QString::number(static_cast<std::int64_t>(field) - kTreeIconMargin);
    };
    return row;
}

// The name of a linked object of `kind`, offered among the page's objects of
// that kind and shown empty once no such object has the name.
TPropertyRow LinkRow(TRowContext& context, const QString& caption, std::string& field,
                     std::uint8_t kind, const char* path) {
    TPropertyRow row = SuggestRow(caption, field, NamesOfKindsLater(context.Page, kind), At(path));
    row.Text = [&field, &objects = context.Page.Objects, kind] {
        for (const auto& object : objects)
            if (object->Kind == kind && object->Props.Name == field) return FromAnsi(field);
        return QString();
    };
    return row;
}

// The first list view object named `name` exactly, or null.
const TListViewPayload* AssociatedListView(const TAutoObjects& objects, const std::string& name) {
    if (name.empty()) return nullptr;
    for (const auto& object : objects)
        if (object->Kind == okListView && object->Props.Name == name)
            return &static_cast<const TListViewPayload&>(*object->Payload);
    return nullptr;
}

TPropertyRow RootRow(TRowContext& context, TShellView& view) {
    return FolderRow("Root", view.Root, At("Root"), context.Pickers);
}
} // namespace

void ListBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& list = PayloadOf<TListBoxPayload>(object);
    AddItemListRows(context, list, rows);
    rows.push_back(ChoiceRow("Border", list.Border, kBoolChoices, At("Border")));
}

void DropDownListRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& list = PayloadOf<TDropDownListPayload>(object);
    AddItemListRows(context, list, rows);
    rows.push_back(NumberRow("DropDownCount", list.DropDownCount, At("DropDownCount"), 1));
}

void ListViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& view = PayloadOf<TListViewPayload>(object);
    rows.push_back(EditorRow(ItemsRow(view.Items, "Items"), context, view, EditListViewItems));
    AddFontAndColorRows(context, view, rows);
    rows.push_back(NumberRow("IconWidth", view.IconWidth, At("IconWidth"), 1));
    rows.push_back(NumberRow("IconHeight", view.IconHeight, At("IconHeight"), 1));
    AddBorderAndHotTrackRows(view, rows);
    rows.push_back(ChoiceRow("ViewStyle", view.ViewStyle, kViewStyles, At("ViewStyle")));
    const auto& columns = view.Columns;
    rows.push_back(EditorRow(
        DialogRow("ReportColumns", [&columns] { return Placeholder(!columns.empty(), "Columns"); },
                  {At("Columns")}),
        context, view.Columns,
        [](QWidget* owner, const TActionContext&, std::vector<TListColumn>& edited) {
            return EditListColumns(owner, edited);
        }));
    rows.push_back(BoolRow("ReportGridLines", view.ReportGridLines, At("ReportGridLines")));
    rows.push_back(BoolRow("ReportRowSelect", view.ReportRowSelect, At("ReportRowSelect")));
}

void TreeViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& tree = PayloadOf<TTreeViewPayload>(object);
    const auto& objects = context.Page.Objects;
    rows.push_back(EditorRow(
        ItemsRow(tree.Nodes, "Nodes"), context, tree,
        [&objects](QWidget* owner, const TActionContext& actions, TTreeViewPayload& edited) {
            return EditTreeViewItems(owner, actions, edited,
                                     AssociatedListView(objects, edited.AssociatedListView));
        }));
    AddFontAndColorRows(context, tree, rows);
    rows.push_back(TreeIconRow("IconWidth", tree.IconWidth, "IconWidth"));
    rows.push_back(TreeIconRow("IconHeight", tree.IconHeight, "IconHeight"));
    rows.push_back(ChoiceRow("Border", tree.Border, kBoolChoices, At("Border")));
    rows.push_back(BoolRow("ShowRoot", tree.ShowRoot, At("ShowRoot")));
    rows.push_back(BoolRow("HotTrack", tree.HotTrack, At("HotTrack")));
    rows.push_back(NumberRow("ExpandLevels", tree.ExpandLevels, At("ExpandLevels"), 0));
    rows.push_back(LinkRow(context, "AssociatedListView", tree.AssociatedListView, okListView,
                           "AssociatedListView"));
}

void ShellComboBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& combo = PayloadOf<TShellComboBoxPayload>(object);
    AddFontAndColorRows(context, combo, rows);
    rows.push_back(NumberRow("DropDownCount", combo.DropDownCount, At("DropDownCount"), 1));
    rows.push_back(RootRow(context, combo));
    rows.push_back(
        LinkRow(context, "ShellTreeView", combo.ShellTreeView, okShellTreeView, "ShellTreeView"));
}

void ShellTreeViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& tree = PayloadOf<TShellTreeViewPayload>(object);
    AddFontAndColorRows(context, tree, rows);
    AddBorderAndHotTrackRows(tree, rows);
    rows.push_back(RootRow(context, tree));
    rows.push_back(
        LinkRow(context, "ShellListView", tree.ShellListView, okShellListView, "ShellListView"));
}

void ShellListViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& view = PayloadOf<TShellListViewPayload>(object);
    AddFontAndColorRows(context, view, rows);
    AddBorderAndHotTrackRows(view, rows);
    rows.push_back(ChoiceRow("ViewStyle", view.ViewStyle, kViewStyles, At("ViewStyle")));
    rows.push_back(RootRow(context, view));
}

} // namespace brelvane
