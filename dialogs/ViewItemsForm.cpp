#include "dialogs/ViewItemsForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ItemActionPanel.h"
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

// One item or node being edited; a node's associated items are in Item.
struct TViewItemsForm::TEntry {
    TListBoxItem Item;
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
    defaultIcon_ = NamedButton("Default Icon", "DefaultIconButton", action_);
    fields->addWidget(new QLabel("Icon:", action_), 1, 0);
    fields->addWidget(icon_, 1, 1);
    fields->addWidget(defaultIcon_, 1, 2);
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
    for (auto& item : items) {
        auto* row = new QTreeWidgetItem(view_);
        auto& entry = NewEntry(std::move(item));
        row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
        row->setText(0, ShownText(entry.Item.Caption));
        row->setIcon(0, IconOf(entry.Item));
    }
    Select();
}

TViewItemsForm::TViewItemsForm(QWidget* owner, const TActionContext& context,
                               std::vector<TTreeNode> nodes, QSize iconSize, TAssociated associated)
    : TViewItemsForm(owner, context, true, iconSize, associated) {
    AddTreeNodes(nodes, nullptr);
    view_->expandAll();
    Select();
}

TViewItemsForm::~TViewItemsForm() = default;

void TViewItemsForm::AddTreeNodes(const std::vector<TTreeNode>& nodes, QTreeWidgetItem* parent) {
    // Rows are made apart from the view and handed to it at once: far
    // cheaper than one insertion at a time for large trees.
    QList<QTreeWidgetItem*> rows;
    rows.reserve(static_cast<qsizetype>(nodes.size()));
    for (const auto& node : nodes) {
        auto* row = new QTreeWidgetItem;
        auto& entry = NewEntry(node.Item);
        row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
        row->setText(0, ShownText(entry.Item.Caption));
        row->setIcon(0, IconOf(entry.Item));
        AddTreeNodes(node.Nodes, row);
        rows.push_back(row);
    }
    if (parent)
        parent->addChildren(rows);
    else
        view_->addTopLevelItems(rows);
}

TViewItemsForm::TEntry& TViewItemsForm::NewEntry(TListBoxItem item) {
    entries_.push_back(std::make_unique<TEntry>(TEntry{std::move(item)}));
    return *entries_.back();
}

TViewItemsForm::TEntry* TViewItemsForm::EntryOf(QTreeWidgetItem* item) const {
    return item ? reinterpret_cast<TEntry*>(item->data(0, Qt::UserRole).value<quintptr>())
                : nullptr;
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
    for (QWidget* control : {static_cast<QWidget*>(icon_), static_cast<QWidget*>(defaultIcon_),
                             static_cast<QWidget*>(subItems_), static_cast<QWidget*>(delete_),
                             static_cast<QWidget*>(associatedItems_)})
        control->setEnabled(entry != nullptr);
}

void TViewItemsForm::AddListItem() {
    auto* row = new QTreeWidgetItem(view_);
    auto& entry = NewEntry(NewItem("New Item"));
    row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    row->setText(0, "New Item");
    row->setIcon(0, IconOf(entry.Item));
    modified_ = true;
    view_->setCurrentItem(row);
}

void TViewItemsForm::AddNode(QTreeWidgetItem* parent) {
    auto* row = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(view_);
    auto& entry = NewEntry(NewItem("New Item"));
    row->setData(0, Qt::UserRole, QVariant::fromValue(reinterpret_cast<quintptr>(&entry)));
    row->setText(0, "New Item");
    row->setIcon(0, IconOf(entry.Item));
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

void TViewItemsForm::EditAssociatedItems() {
    auto* row = view_->currentItem();
    if (!row) return;
    if (!associated_.Exists)
        platform::ShowInformation(this, "Associated ListView",
                                  "The TreeView has no Associated ListView, you can set the "
                                  "AssociatedListView property of the TreeView.");
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
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        items.push_back(EntryOf(view_->topLevelItem(i))->Item);
    return items;
}

TTreeNode TViewItemsForm::NodeOf(QTreeWidgetItem* item) const {
    TTreeNode node;
    node.Item = EntryOf(item)->Item;
    for (int i = 0; i < item->childCount(); ++i)
        node.Nodes.push_back(NodeOf(item->child(i)));
    return node;
}

std::vector<TTreeNode> TViewItemsForm::Nodes() const {
    std::vector<TTreeNode> nodes;
    for (int i = 0; i < view_->topLevelItemCount(); ++i)
        nodes.push_back(NodeOf(view_->topLevelItem(i)));
    return nodes;
}

namespace {
// Loads the edited copy into the object through its stored form; the object
// keeps its place and size.
template <class P> bool WriteBack(const P& edited, P& object) {
    // The read keeps the settings the control holds of its own.
    P loaded = object;
    if (!CopyRecord(edited, loaded)) return false;
    loaded.Left = object.Left;
    loaded.Top = object.Top;
    loaded.Width = object.Width;
    loaded.Height = object.Height;
    object = std::move(loaded);
    return true;
}

bool CopyNodes(const std::vector<TTreeNode>& from, std::vector<TTreeNode>& to) {
    to.clear();
    for (const auto& node : from) {
        auto& copy = to.emplace_back();
        if (!CopyListItem(node.Item, copy.Item, kNodeItem) || !CopyNodes(node.Nodes, copy.Nodes))
            return false;
    }
    return true;
}
} // namespace

bool EditListViewItems(QWidget* owner, const TActionContext& context, TListViewPayload& view) {
    std::vector<TListBoxItem> items;
    if (!CopyListItems(view.Items, items, kReportItem)) return false;
    TViewItemsForm form(owner, context, std::move(items), QSize(view.IconWidth, view.IconHeight));
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    TListViewPayload edited = view;
    edited.Items = form.Items();
    return WriteBack(edited, view);
}

bool EditTreeViewItems(QWidget* owner, const TActionContext& context, TTreeViewPayload& tree,
                       const TListViewPayload* associated) {
    std::vector<TTreeNode> nodes;
    if (!CopyNodes(tree.Nodes, nodes)) return false;
    TViewItemsForm::TAssociated link;
    if (associated) link = {true, QSize(associated->IconWidth, associated->IconHeight)};
    TViewItemsForm form(owner, context, std::move(nodes), QSize(tree.IconWidth, tree.IconHeight),
                        link);
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    TTreeViewPayload edited = tree;
    edited.Nodes = form.Nodes();
    return WriteBack(edited, tree);
}

} // namespace brelvane
