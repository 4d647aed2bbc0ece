#include "objects/controls/AuTreeView.h"

#include "objects/controls/ListItemPainting.h"
#include "objects/controls/ListViewLook.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace brelvane {

namespace {
constexpr int kFlatIndexRole = Qt::UserRole + 1;
} // namespace

TAuTreeView::TAuTreeView(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), tree_(new QTreeWidget(this)) {
    SetUpNodeTree(*tree_);
    SetInner(tree_);
    AddPointerSource(tree_->viewport());
    tree_->installEventFilter(this);
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentChanged(current); });
    Refresh();
}

void TAuTreeView::Refresh() {
    const auto* payload = PayloadAs<TTreeViewPayload>();
    if (!payload) return;
    // A tree's HideSelection is not stored: the control keeps its own (off).
    ApplyViewLook(*tree_, payload->Font, payload->Color, payload->Border, false);
    tree_->setRootIsDecorated(payload->ShowRoot);
    tree_->viewport()->setAttribute(Qt::WA_Hover, payload->HotTrack);
    tree_->setIconSize(QSize(payload->IconWidth, payload->IconHeight));
    RebuildTreeIcons(true);
    ApplyGeometry();
}

void TAuTreeView::RebuildTreeIcons(bool expand) {
    auto* payload = PayloadAs<TTreeViewPayload>();
    if (!payload) return;
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    images_.clear();
    nodes_.clear();
    items_.clear();
    payload->SelectedIndex = -1;
    TIconCells cells(QSize(payload->IconWidth, payload->IconHeight), ResolveColor(payload->Color),
                     1);
    const auto flat = FlatNodes(payload->Nodes);
    // The item of the last node seen at each level: the parent of the next
    // deeper one. Items are built apart from the tree and handed to it at
    // once, so that the view is not told of each one.
    std::vector<QTreeWidgetItem*> parents;
    QList<QTreeWidgetItem*> topLevel;
    for (std::size_t i = 0; i < flat.size(); ++i) {
        const auto& [node, level] = flat[i];
        const TPicture* icon = node->Item.Icon.Empty() ? nullptr : &node->Item.Icon;
        const auto& cell = cells.CellOf(icon);
        images_.push_back(cell.Image);
        parents.resize(static_cast<std::size_t>(level));
        auto* item = level == 0 ? new QTreeWidgetItem : new QTreeWidgetItem(parents.back());
        if (level == 0) topLevel.push_back(item);
        item->setText(0, FromAnsi(node->Item.Caption));
        item->setIcon(0, cell.Icon);
        item->setData(0, kFlatIndexRole, static_cast<int>(i));
        parents.push_back(item);
        nodes_.push_back(node);
        items_.push_back(item);
    }
    tree_->addTopLevelItems(topLevel);
    if (!expand) return;
    for (std::size_t i = 0; i < flat.size(); ++i)
        items_[i]->setExpanded(flat[i].Level < payload->ExpandLevels);
}

bool TAuTreeView::HoldsNode(const TTreeNode* node) const {
    return ItemOf(node) != nullptr;
}

QTreeWidgetItem* TAuTreeView::ItemOf(const TTreeNode* node) const {
    for (std::size_t i = 0; i < nodes_.size(); ++i)
        if (nodes_[i] == node) return items_[i];
    return nullptr;
}

void TAuTreeView::SelectNode(const TTreeNode* node) {
    auto* item = ItemOf(node);
    if (item) {
        tree_->setCurrentItem(item);
        item->setSelected(true);
    } else {
        tree_->setCurrentItem(nullptr);
        tree_->clearSelection();
    }
}

void TAuTreeView::OnCurrentChanged(QTreeWidgetItem* current) {
    auto* payload = PayloadAs<TTreeViewPayload>();
    if (!payload) return;
    const int index = current ? current->data(0, kFlatIndexRole).toInt() : -1;
    payload->SelectedIndex = index;
    emit NodeSelected(this, index >= 0 ? nodes_[static_cast<std::size_t>(index)] : nullptr);
}

QRect TAuTreeView::CaptionArea(QTreeWidgetItem* item) const {
    const auto* payload = PayloadAs<TTreeViewPayload>();
    const int cell = payload ? payload->IconWidth : 0;
    const QRect row = tree_->visualItemRect(item);
    // The text starts after the image cell; the area reaches back over it.
    const int textRight =
        row.left() + cell + 3 + tree_->fontMetrics().horizontalAdvance(item->text(0)) + 4;
    return QRect(QPoint(row.left(), row.top()), QPoint(textRight, row.bottom()));
}

bool TAuTreeView::PressOutsideCaption(QPoint viewportPosition) {
    auto* selected = tree_->currentItem();
    if (selected && !CaptionArea(selected).contains(viewportPosition)) SelectNode(nullptr);
    // Right of a caption the press hits no node, whatever the row.
    auto* under = tree_->itemAt(viewportPosition);
    return under && viewportPosition.x() > CaptionArea(under).right();
}

bool TAuTreeView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tree_ && event->type() == QEvent::KeyPress &&
        IsClickKey(static_cast<QKeyEvent*>(event)->key())) {
        emit Clicked(this);
        return true;
    }
    if (watched == tree_->viewport() && event->type() == QEvent::MouseButtonPress) {
        auto* press = static_cast<QMouseEvent*>(event);
        if (press->button() == Qt::LeftButton && PressOutsideCaption(press->position().toPoint())) {
            // Reported to the page, kept from the tree so that it selects nothing.
            TInnerWidgetControl::eventFilter(watched, event);
            return true;
        }
    }
    return TInnerWidgetControl::eventFilter(watched, event);
}

} // namespace brelvane
