#include "dialogs/MenuEditorForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/PictureSelect.h"
#include "dialogs/StreamCopy.h"
#include "objects/records/ShortCommand.h"
#include "objects/records/ShortCutText.h"
#include "render/PictureImage.h"

#include <QComboBox>
#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace brelvane {

namespace {

bool IsWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
    for (; item; item = item->parent())
        if (item == ancestor) return true;
    return false;
}

bool LoadNodes(const std::vector<TMenuItem>& items, int depth,
               std::vector<TMenuEditorForm::TLoaded>& nodes) {
    for (const auto& item : items) {
        TMenuItem shallow = item;
        shallow.Items.clear();
        TMenuEditorForm::TLoaded loaded{{}, depth};
        if (!CopyRecord(shallow, loaded.Node.Item) ||
            !DecodeShortCommand(loaded.Node.Item.Hint, loaded.Node.Command))
            return false;
        loaded.Node.Item.Caption.erase(
            std::remove(loaded.Node.Item.Caption.begin(), loaded.Node.Item.Caption.end(), '&'),
            loaded.Node.Item.Caption.end());
        nodes.push_back(std::move(loaded));
        if (!LoadNodes(item.Items, depth + 1, nodes)) return false;
    }
    return true;
}
} // namespace

bool TMenuTree::MoveNode(QTreeWidgetItem* node, QTreeWidgetItem* target) {
    if (!node || !target || IsWithin(target, node)) return false;
    auto* oldParent = node->parent();
    if (oldParent)
        oldParent->removeChild(node);
    else
        takeTopLevelItem(indexOfTopLevelItem(node));
    auto* parent = target->parent();
    if (parent)
        parent->insertChild(parent->indexOfChild(target), node);
    else
        insertTopLevelItem(indexOfTopLevelItem(target), node);
    setCurrentItem(node);
    emit NodeMoved();
    return true;
}

void TMenuTree::dropEvent(QDropEvent* event) {
    // The move is ours; the view's own drop would place the node otherwise.
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    MoveNode(currentItem(), itemAt(event->position().toPoint()));
}

TMenuEditorForm::TMenuEditorForm(QWidget* owner, const TActionContext& context,
                                 std::vector<TLoaded> nodes)
    : QDialog(owner) {
    setObjectName("MenuEditorForm");
    setWindowTitle("Menu Editor");
    auto* layout = new QHBoxLayout(this);
    tree_ = new TMenuTree(this);
    tree_->setObjectName("MenuTree");
    tree_->setHeaderHidden(true);
    tree_->setDragDropMode(QAbstractItemView::InternalMove);
    tree_->setMinimumWidth(200);
    layout->addWidget(tree_);
    auto* right = new QVBoxLayout;
    action_ = new TItemActionPanel("Menu Item Properties", this, context);
    auto* fields = action_->Fields();
    caption_ = action_->AddCaptionRow(0);
    shortCut_ = new QComboBox(action_);
    shortCut_->setObjectName("ShortCutBox");
    shortCut_->setEditable(true);
    shortCut_->setInsertPolicy(QComboBox::NoInsert);
    for (const auto& text : OfferedShortCutTexts())
        shortCut_->addItem(QString::fromLatin1(text));
    image_ = PictureBox("Image", action_);
    selectImage_ = PictureSelectButton(image_, "Select...", "SelectImageButton", action_,
                                       [this] { EditPicture(); });
    fields->addWidget(new QLabel("Shot Cut:", action_), 1, 0);
    fields->addWidget(shortCut_, 1, 1);
    AddPictureRow(fields, 2, "Image:", image_, {selectImage_});
    right->addWidget(action_);
    auto* buttons = new QHBoxLayout;
    addRoot_ = NamedButton("Add Root Item", "AddRootButton", this);
    addSub_ = NamedButton("Add Sub Item", "AddSubButton", this);
    delete_ = NamedButton("Delete Item", "DeleteButton", this);
    for (auto* button : {addRoot_, addSub_, delete_})
        buttons->addWidget(button);
    right->addLayout(buttons);
    right->addStretch();
    AddOkCancelRow(this, right);
    layout->addLayout(right);

    std::vector<QTreeWidgetItem*> parents;
    for (auto& loaded : nodes) {
        auto* item = NewNode(std::move(loaded.Node));
        parents.resize(static_cast<std::size_t>(loaded.Depth));
        if (parents.empty())
            tree_->addTopLevelItem(item);
        else
            parents.back()->addChild(item);
        parents.push_back(item);
    }
    tree_->expandAll();

    connect(tree_, &QTreeWidget::currentItemChanged, this, &TMenuEditorForm::Select);
    connect(tree_, &TMenuTree::NodeMoved, this, [this] { modified_ = true; });
    connect(addRoot_, &QPushButton::clicked, this, [this] { AddNode(nullptr); });
    connect(addSub_, &QPushButton::clicked, this, [this] {
        if (tree_->currentItem()) AddNode(tree_->currentItem());
    });
    connect(delete_, &QPushButton::clicked, this, &TMenuEditorForm::DeleteSelected);
    connect(caption_, &QLineEdit::textEdited, this, &TMenuEditorForm::CaptionEdited);
    connect(shortCut_, &QComboBox::currentTextChanged, this, &TMenuEditorForm::ShortCutEdited);
    connect(action_, &TItemActionPanel::Edited, this, [this] { modified_ = true; });
    Select();
}

QTreeWidgetItem* TMenuEditorForm::NewNode(TNode node) {
    auto* item = new QTreeWidgetItem({ShownText(node.Item.Caption)});
    nodes_.push_back(std::make_unique<TNode>(std::move(node)));
    item->setData(0, Qt::UserRole,
                  QVariant::fromValue(reinterpret_cast<quintptr>(nodes_.back().get())));
    return item;
}

TMenuEditorForm::TNode* TMenuEditorForm::NodeOf(QTreeWidgetItem* item) const {
    return item ? reinterpret_cast<TNode*>(item->data(0, Qt::UserRole).value<quintptr>()) : nullptr;
}

void TMenuEditorForm::Select() {
    auto* node = NodeOf(tree_->currentItem());
    {
        const QSignalBlocker blockCaption(caption_);
        const QSignalBlocker blockShortCut(shortCut_);
        caption_->setText(node ? ShownText(node->Item.Caption) : QString());
        shortCut_->setEditText(node ? QString::fromLatin1(ShortCutToText(node->Item.ShortCut))
                                    : QString());
        const QImage picture =
            node ? DrawnFrame(*PictureImageOf(node->Item.Bitmap), 0, false) : QImage();
        image_->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    }
    action_->Show(node ? &node->Command : nullptr);
    for (QWidget* control : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(shortCut_),
                             static_cast<QWidget*>(image_), static_cast<QWidget*>(selectImage_),
                             static_cast<QWidget*>(addSub_), static_cast<QWidget*>(delete_)})
        control->setEnabled(node != nullptr);
}

void TMenuEditorForm::AddNode(QTreeWidgetItem* parent) {
    TNode node;
    node.Item.Caption = "NewItem";
    auto* item = NewNode(std::move(node));
    if (parent) {
        parent->addChild(item);
        parent->setExpanded(true);
    } else {
        tree_->addTopLevelItem(item);
    }
    modified_ = true;
    tree_->setCurrentItem(item);
}

void TMenuEditorForm::DeleteSelected() {
    auto* item = tree_->currentItem();
    if (!item) return;
    delete item;
    modified_ = true;
    Select();
}

void TMenuEditorForm::CaptionEdited(const QString& text) {
    auto* item = tree_->currentItem();
    if (!item) return;
    NodeOf(item)->Item.Caption = StoredText(text);
    item->setText(0, text);
    modified_ = true;
}

void TMenuEditorForm::ShortCutEdited(const QString& text) {
    if (auto* node = NodeOf(tree_->currentItem())) {
        node->Item.ShortCut = TextToShortCut(StoredText(text));
        modified_ = true;
    }
}

void TMenuEditorForm::EditPicture() {
    auto* node = NodeOf(tree_->currentItem());
    if (!node) return;
    TPicture picture = node->Item.Bitmap;
    if (!EditImage(this, picture)) return;
    node->Item.Bitmap = MenuBitmapOf(picture);
    modified_ = true;
    Select();
}

bool TMenuEditorForm::Collect(QTreeWidgetItem* item, TMenuItem& out) const {
    const auto* node = NodeOf(item);
    out = node->Item;
    out.Items.clear();
    if (!EncodeShortCommand(node->Command, out.Hint)) return false;
    for (int i = 0; i < item->childCount(); ++i)
        if (!Collect(item->child(i), out.Items.emplace_back())) return false;
    return true;
}

bool TMenuEditorForm::Result(std::vector<TMenuItem>& items) const {
    std::vector<TMenuItem> built;
    for (int i = 0; i < tree_->topLevelItemCount(); ++i)
        if (!Collect(tree_->topLevelItem(i), built.emplace_back())) return false;
    items = std::move(built);
    return true;
}

bool LoadMenuNodes(const std::vector<TMenuItem>& items,
                   std::vector<TMenuEditorForm::TLoaded>& nodes) {
    return LoadNodes(items, 0, nodes);
}

bool EditMenuItems(QWidget* owner, const TActionContext& context, std::vector<TMenuItem>& items) {
    std::vector<TMenuEditorForm::TLoaded> nodes;
    if (!LoadMenuNodes(items, nodes)) return false;
    TMenuEditorForm form(owner, context, std::move(nodes));
    return form.exec() == QDialog::Accepted && form.Modified() && form.Result(items);
}

} // namespace brelvane
