#pragma once

#include "objects/controls/InnerWidgetControl.h"
#include "objects/records/TreeViewPayload.h"

#include <QImage>
#include <vector>

class QTreeWidget;
class QTreeWidgetItem;

namespace brelvane {

// Kind 23: nodes with icons; selecting one can fill an associated list view.
class TAuTreeView final : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuTreeView(TAutoObject& object, QWidget* parent);
    void Refresh() override;

    // Rebuilds the image list and the node texts from the nodes; with
    // `expand`, nodes of a level below ExpandLevels are expanded and every
    // other node collapsed.
    void RebuildTreeIcons(bool expand);
    const std::vector<QImage>& Images() const { return images_; }
    QTreeWidget* Tree() const { return tree_; }

    // Selects `node` (null: none); the selection change is reported.
    void SelectNode(const TTreeNode* node);
    // Whether `node` is one of this tree's nodes.
    bool HoldsNode(const TTreeNode* node) const;
    // The widget item that shows `node`, or null.
    QTreeWidgetItem* ItemOf(const TTreeNode* node) const;

signals:
    void NodeSelected(TAuTreeView* tree, const TTreeNode* node);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnCurrentChanged(QTreeWidgetItem* current);
    // A node's caption area: its text widened to the left by the image cell
    // and 3 pixels.
    QRect CaptionArea(QTreeWidgetItem* item) const;
    // A press outside the selected node's caption area clears the selection;
    // true when the press lies right of the caption under it, where it
    // selects nothing.
    bool PressOutsideCaption(QPoint viewportPosition);

    QTreeWidget* tree_;
    std::vector<QImage> images_;
    // Node and widget item per position in the flat order.
    std::vector<const TTreeNode*> nodes_;
    std::vector<QTreeWidgetItem*> items_;
};

} // namespace brelvane
