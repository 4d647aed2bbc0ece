#include "dialogs/ViewItemsForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/PictureSelect.h"
#include "dialogs/StreamCopy.h"
#include "objects/controls/ListItemPainting.h"
#include "platform/MessageBoxes.h"
#include "storage/Fields.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brelvane {

// One row of the view with the item or node it edits (a node's associated
// items are in Item); the row owns it, so deleting a row drops its item.
// Children below the levels the tree opens with wait, already copied, in
// Pending until the row is expanded or edited: most of a large tree is
// never looked at, and rows for it would cost more than the copy.
struct TViewItemsForm::TEntry : QTreeWidgetItem {
    explicit TEntry(TListBoxItem item) : Item(std::move(item)) {}
    TListBoxItem Item;
    std::vector<TTreeNode> Pending;
};

namespace {
TListBoxItem NewItem(const std::string& caption) {
    TListBoxItem item;
    item.Caption = caption;
    return item;
}
} // namespace

std::string SubItemsText(const QString& memo) {
    std::string text;
    const auto lines = memo.split('\n');
    for (int i = 0; i < lines.size(); ++i) {
        // A memo's last line counts only when it holds something.
        if (i + 1 == lines.size() && lines[i].isEmpty()) break;
        text += StoredText(lines[i]) + "\r\n";
    }
    return text;
}

TViewItemsForm::TViewItemsForm(QWidget* owner, const TActionContext& context, bool tree,
                               QSize iconSize, TAssociated associated)
    : QDialog(owner), context_(context), iconSize_(iconSize), associated_(associated),
      isTree_(tree) {
    setObjectName("ViewItemsForm");
    setWindowTitle(tree ? "TreeView Item Editor" : "ListView Item Editor");
    auto* layout = new QHBoxLayout(this);
    view_ = new QTreeWidget(this);
    view_->setObjectName("ItemView");
    view_->setHeaderHidden(true);
    view_->setRootIsDecorated(tree);
    view_->setIconSize(iconSize_);
    view_->setUniformRowHeights(true);
    view_->setMinimumSize(240, 320);
    cells_ = std::make_unique<TIconCells>(iconSize_, view_->palette().color(QPalette::Base),
                                          isTree_ ? 1 : 0);
    layout->addWidget(view_);
    auto* right = new QVBoxLayout;
    action_ = new TItemActionPanel("Item Properties", this, context);
    auto* fields = action_->Fields();
    caption_ = action_->AddCaptionRow(0);
    icon_ = PictureBox("Icon", action_);
    selectIcon_ = PictureSelectButton(icon_, "&Select...", "SelectIconButton", action_,
                                      [this] { EditIcon(); });
    defaultIcon_ = NamedButton("Default Icon", "DefaultIconButton", action_);
    AddPictureRow(fields, 1, "Icon:", icon_, {selectIcon_, defaultIcon_});
    fields->addWidget(new QLabel("Please do not select too large image for the icon", action_), 2,
                      1, 1, 2);
    right->addWidget(action_);
    auto* memoLabel = new QLabel("Sub Items for Report (one line for one item):", this);
    subItems_ = new QPlainTextEdit(this);
    subItems_->setObjectName("SubItemsMemo");
    subItems_->setMaximumHeight(90);
    right->addWidget(memoLabel);
    right->addWidget(subItems_);
    associatedItems_ = NamedButton("Edit Items display in associated ListView Object...",
                                   "AssociatedButton", this);
    right->addWidget(associatedItems_);
    auto* buttons = new QHBoxLayout;
    add_ = NamedButton("&Add Item", "AddButton", this);
    addRoot_ = NamedButton("Add Root Item", "AddRootButton", this);
    delete_ = NamedButton("&Delete Item", "DeleteButton", this);
    clear_ = NamedButton("C&lear", "ClearButton", this);
    for (auto* button : {add_, addRoot_, delete_, clear_})
        buttons->addWidget(button);
    right->addLayout(buttons);
    right->addStretch();
    AddOkCancelRow(this, right);
    layout->addLayout(right);

    addRoot_->setVisible(tree);
    associatedItems_->setVisible(tree);
    memoLabel->setVisible(!tree);
    subItems_->setVisible(!tree);

    connect(view_, &QTreeWidget::currentItemChanged, this, &TViewItemsForm::Select);
    connect(add_, &QPushButton::clicked, this, [this] {
        if (isTree_)
            AddNode(view_->currentItem());
        else
            AddListItem();
    });
    connect(addRoot_, &QPushButton::clicked, this, [this] { AddNode(nullptr); });
    connect(delete_, &QPushButton::clicked, this, &TViewItemsForm::DeleteSelected);
    connect(clear_, &QPushButton::clicked, this, &TViewItemsForm::ClearItems);
    connect(caption_, &QLineEdit::textEdited, this, &TViewItemsForm::CaptionEdited);
    connect(subItems_, &QPlainTextEdit::textChanged, this, &TViewItemsForm::SubItemsEdited);
    connect(defaultIcon_, &QPushButton::clicked, this, &TViewItemsForm::UseDefaultIcon);
    connect(associatedItems_, &QPushButton::clicked, this, &TViewItemsForm::EditAssociatedItems);
    connect(action_, &TItemActionPanel::Edited, this, [this] { modified_ = true; });
}

TViewItemsForm::TViewItemsForm(QWidget* owner, const TActionContext& context,
                               std::vector<TListBoxItem> items, QSize iconSize)
    : TViewItemsForm(owner, context, false, iconSize, {}) {
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(items.size()));
    for (auto& item : items)
        rows.push_back(NewRow(std::move(item)));
    view_->addTopLevelItems(rows);
    Select();
}

TViewItemsForm::TViewItemsForm(QWidget* owner, const TActionContext& context,
                               const std::vector<TTreeNode>& nodes, QSize iconSize,
                               TAssociated associated)
    : TViewItemsForm(owner, context, true, iconSize, associated) {
    TMemoryStream through;
    loaded_ = AddTreeNodes(nodes, nullptr, through, 0);
    connect(view_, &QTreeWidget::itemExpanded, this, &TViewItemsForm::AddPendingRows);
    // As the object shows them: the levels above ExpandLevels open.
    if (associated.ExpandLevels > 0) view_->expandToDepth(associated.ExpandLevels - 1);
    Select();
}

TViewItemsForm::~TViewItemsForm() = default;

bool TViewItemsForm::AddTreeNodes(const std::vector<TTreeNode>& nodes, QTreeWidgetItem* parent,
                                  TMemoryStream& through, int depth) {
    // Each node is copied through the stream straight into its row, and the
    // rows are handed to the view at once: far cheaper than one insertion
    // at a time for large trees.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(nodes.size()));
    const bool shownOpen = depth < associated_.ExpandLevels;
    for (const auto& node : nodes) {
        auto row = std::make_unique<TEntry>(TListBoxItem{});
        if (!CopyListItem(node.Item, row->Item, kNodeItem, through)) {
            qDeleteAll(rows);
            return false;
        }
        auto* entry = Shown(row.release());
        rows.push_back(entry);
        const bool childrenCopied = shownOpen ? AddTreeNodes(node.Nodes, entry, through, depth + 1)
                                              : CopyNodes(node.Nodes, entry->Pending, through);
        if (!childrenCopied) {
            qDeleteAll(rows);
            return false;
        }
        if (!entry->Pending.empty()) entry->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
    }
    if (parent)
        parent->addChildren(rows);
    else
        view_->addTopLevelItems(rows);
    return true;
}

bool TViewItemsForm::CopyNodes(const std::vector<TTreeNode>& from, std::vector<TTreeNode>& to,
                               TMemoryStream& through) {
    to.resize(from.size());
    for (std::size_t i = 0; i < from.size(); ++i)
        if (!CopyListItem(from[i].Item, to[i].Item, kNodeItem, through) ||
            !CopyNodes(from[i].Nodes, to[i].Nodes, through))
            return false;
    return true;
}

void TViewItemsForm::AddPendingRows(QTreeWidgetItem* item) {
    auto* entry = EntryOf(item);
    if (entry->Pending.empty()) return;
    // The copies were checked when the form opened: moved, not copied again.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(entry->Pending.size()));
    for (auto& node : entry->Pending) {
        auto* row = NewRow(std::move(node.Item));
        row->Pending = std::move(node.Nodes);
        if (!row->Pending.empty()) row->setChildIndicatorPolicy(QTreeWidgetItem::ShowIndicator);
        rows.push_back(row);
    }
    entry->Pending.clear();
    entry->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    item->addChildren(rows);
}

TViewItemsForm::TEntry* TViewItemsForm::NewRow(TListBoxItem item) {
    return Shown(new TEntry(std::move(item)));
}

TViewItemsForm::TEntry* TViewItemsForm::Shown(TEntry* row) {
    row->setText(0, ShownText(row->Item.Caption));
    row->setIcon(0, IconOf(row->Item));
    return row;
}

TViewItemsForm::TEntry* TViewItemsForm::EntryOf(QTreeWidgetItem* item) const {
    // Every row of the view is an entry.
    return static_cast<TEntry*>(item);
}

TViewItemsForm::TEntry* TViewItemsForm::Current() const {
    return EntryOf(view_->currentItem());
}

QIcon TViewItemsForm::IconOf(const TListBoxItem& item) {
    return cells_->CellOf(item.Icon.Empty() ? nullptr : &item.Icon).Icon;
}

void TViewItemsForm::Select() {
    auto* entry = Current();
    const bool linked = entry && entry->Item.TreeNode;
    loading_ = true;
    {
        const QSignalBlocker blockCaption(caption_);
        const QSignalBlocker blockMemo(subItems_);
        caption_->setText(entry ? ShownText(entry->Item.Caption) : QString());
        subItems_->setPlainText(entry ? ShownText(entry->Item.SubItems).replace("\r\n", "\n")
                                      : QString());
        icon_->setPixmap(entry ? IconOf(entry->Item).pixmap(iconSize_) : QPixmap());
    }
    loading_ = false;
    action_->Show(entry && !linked ? &entry->Item.Command : nullptr);
    caption_->setEnabled(entry && !linked);
    for (QWidget* control :
         {static_cast<QWidget*>(icon_), static_cast<QWidget*>(selectIcon_),
          static_cast<QWidget*>(defaultIcon_), static_cast<QWidget*>(subItems_),
          static_cast<QWidget*>(delete_), static_cast<QWidget*>(associatedItems_)})
        control->setEnabled(entry != nullptr);
}

void TViewItemsForm::AddListItem() {
    auto* row = NewRow(NewItem("New Item"));
    view_->addTopLevelItem(row);
    modified_ = true;
    view_->setCurrentItem(row);
}

void TViewItemsForm::AddNode(QTreeWidgetItem* parent) {
    if (parent) AddPendingRows(parent);
    auto* row = NewRow(NewItem("New Item"));
    if (parent)
        parent->addChild(row);
    else
        view_->addTopLevelItem(row);
    if (parent) {
        // The parent's list stands for its children: entries for the earlier
        // children come first when it had none yet.
        auto& associatedItems = EntryOf(parent)->Item.AssociatedItems;
        if (associatedItems.empty())
            for (int i = 0; i + 1 < parent->childCount(); ++i)
                associatedItems.push_back(NewItem(EntryOf(parent->child(i))->Item.Caption));
        associatedItems.push_back(NewItem("New Item"));
        parent->setExpanded(true);
    }
    modified_ = true;
    view_->setCurrentItem(row);
}

void TViewItemsForm::DeleteSelected() {
    auto* row = view_->currentItem();
    auto* entry = EntryOf(row);
    if (!entry) return;
    if (entry->Item.TreeNode) {
        platform::ShowInformation(
            this, "Delete Item",
            "Can not delete the item that is associated with a TreeVeiw item.");
        return;
    }
    if (auto* parent = row->parent()) {
        auto& associatedItems = EntryOf(parent)->Item.AssociatedItems;
        const auto position = static_cast<std::size_t>(parent->indexOfChild(row));
        if (position < associatedItems.size())
            associatedItems.erase(associatedItems.begin() + static_cast<std::ptrdiff_t>(position));
    }
    delete row;
    modified_ = true;
    Select();
}

void TViewItemsForm::ClearItems() {
    for (int i = view_->topLevelItemCount() - 1; i >= 0; --i) {
        auto* row = view_->topLevelItem(i);
        if (EntryOf(row)->Item.TreeNode) continue;
        delete row;
        modified_ = true;
    }
    Select();
}

void TViewItemsForm::CaptionEdited(const QString& text) {
    auto* row = view_->currentItem();
    if (!row) return;
    EntryOf(row)->Item.Caption = StoredText(text);
    row->setText(0, text);
    modified_ = true;
}

void TViewItemsForm::SubItemsEdited() {
    auto* entry = Current();
    if (loading_ || !entry) return;
    entry->Item.SubItems = SubItemsText(subItems_->toPlainText());
    modified_ = true;
}

void TViewItemsForm::UseDefaultIcon() {
    auto* row = view_->currentItem();
    if (!row || EntryOf(row)->Item.Icon.Empty()) return;
    EntryOf(row)->Item.Icon.Clear();
    row->setIcon(0, IconOf(EntryOf(row)->Item));
    modified_ = true;
    Select();
}

void TViewItemsForm::EditIcon() {
    auto* row = view_->currentItem();
    if (!row || !EditImage(this, EntryOf(row)->Item.Icon)) return;
    row->setIcon(0, IconOf(EntryOf(row)->Item));
    modified_ = true;
    Select();
}

void TViewItemsForm::EditAssociatedItems() {
    auto* row = view_->currentItem();
    if (!row) return;
    if (!associated_.Exists)
        platform::ShowInformation(this, "Associated ListView",
                                  "The TreeView has no Associated ListView, you can set the "
                                  "AssociatedListView property of the TreeView.");
    AddPendingRows(row);
    auto& entry = *EntryOf(row);
    // Entry j stands for child j: such items are linked and cannot be deleted.
    std::vector<TTreeNode> children(static_cast<std::size_t>(row->childCount()));
    std::vector<TListBoxItem> items;
    if (!CopyListItems(entry.Item.AssociatedItems, items, kReportItem)) return;
    for (std::size_t j = 0; j < items.size() && j < children.size(); ++j)
        items[j].TreeNode = &children[j];
    TViewItemsForm nested(this, context_, std::move(items), associated_.IconSize);
    if (nested.exec() != QDialog::Accepted || !nested.Modified()) return;
    auto edited = nested.Items();
    for (auto& item : edited)
        item.TreeNode = nullptr;
    entry.Item.AssociatedItems = std::move(edited);
    modified_ = true;
}

std::vector<TListBoxItem> TViewItemsForm::Items() const {
    std::vector<TListBoxItem> items;
    items.reserve(static_cast<std::size_t>(view_->topLevelItemCount()));
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        items.push_back(EntryOf(view_->topLevelItem(i))->Item);
    return items;
}

TTreeNode TViewItemsForm::NodeOf(QTreeWidgetItem* item, bool take) const {
    TTreeNode node;
    auto& edited = EntryOf(item)->Item;
    if (take)
        node.Item = std::move(edited);
    else
        node.Item = edited;
    auto& pending = EntryOf(item)->Pending;
    if (!pending.empty()) {
        if (take)
            node.Nodes = std::move(pending);
        else
            node.Nodes = pending;
        return node;
    }
    node.Nodes.reserve(static_cast<std::size_t>(item->childCount()));
    for (int i = 0; i < item->childCount(); ++i)
        node.Nodes.push_back(NodeOf(item->child(i), take));
    return node;
}

std::vector<TTreeNode> TViewItemsForm::TreeOf(bool take) const {
    std::vector<TTreeNode> nodes;
    nodes.reserve(static_cast<std::size_t>(view_->topLevelItemCount()));
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        nodes.push_back(NodeOf(view_->topLevelItem(i), take));
    return nodes;
}

std::vector<TTreeNode> TViewItemsForm::Nodes() const {
    return TreeOf(false);
}

std::vector<TTreeNode> TViewItemsForm::TakeNodes() {
    return TreeOf(true);
}

namespace {
// A copy of `object` without its items, which the editor replaces: copying
// thousands of items only to drop them would cost more than the dialog.
template <class P, class L> P WithoutItems(P& object, L P::*items) {
    L kept = std::move(object.*items);
    P copy = object;
    object.*items = std::move(kept);
    return copy;
}

// Loads the edited copy into the object through its stored form; the object
// keeps its place and size.
template <class P, class L> bool WriteBack(const P& edited, P& object, L P::*items) {
    // The read keeps the settings the control holds of its own.
    P loaded = WithoutItems(object, items);
    if (!CopyRecord(edited, loaded)) return false;
    loaded.Left = object.Left;
    loaded.Top = object.Top;
    loaded.Width = object.Width;
    loaded.Height = object.Height;
    object = std::move(loaded);
    return true;
}

} // namespace

bool EditListViewItems(QWidget* owner, const TActionContext& context, TListViewPayload& view) {
    std::vector<TListBoxItem> items;
    if (!CopyListItems(view.Items, items, kReportItem)) return false;
    TViewItemsForm form(owner, context, std::move(items), QSize(view.IconWidth, view.IconHeight));
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    auto edited = WithoutItems(view, &TListViewPayload::Items);
    edited.Items = form.Items();
    return WriteBack(edited, view, &TListViewPayload::Items);
}

bool EditTreeViewItems(QWidget* owner, const TActionContext& context, TTreeViewPayload& tree,
                       const TListViewPayload* associated) {
    TViewItemsForm::TAssociated link;
    if (associated) link = {true, QSize(associated->IconWidth, associated->IconHeight)};
    link.ExpandLevels = tree.ExpandLevels;
    TViewItemsForm form(owner, context, tree.Nodes, QSize(tree.IconWidth, tree.IconHeight), link);
    if (!form.Loaded() || form.exec() != QDialog::Accepted || !form.Modified()) return false;
    // Every node was checked by its stream copy on opening and every change
    // since came from the dialog's own editors, so a second trip through the
    // stored form would give the same nodes back: they are moved in instead,
    // and the object keeps its other settings, place and size as they are.
    tree.Nodes = form.TakeNodes();
    return true;
}

} // namespace brelvane
