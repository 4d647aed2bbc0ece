#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/MenuItem.h"

#include <QDialog>
#include <QTreeWidget>
#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace brelvane {

class TItemActionPanel;

// The menu tree: a node dropped onto another moves, with its sub-items, in
// front of that node at its level.
class TMenuTree : public QTreeWidget {
    Q_OBJECT
public:
    using QTreeWidget::QTreeWidget;
    // Moves `node` in front of `target`; false (nothing moved) for the node
    // itself or one of its own descendants.
    bool MoveNode(QTreeWidgetItem* node, QTreeWidgetItem* target);

signals:
    void NodeMoved();

protected:
    void dropEvent(QDropEvent* event) override;
};

// "Menu Editor": a menu bar or pop-up menu as a tree of items, each with its
// caption, shortcut, picture and action.
class TMenuEditorForm : public QDialog {
    Q_OBJECT
public:
    // What a node edits: the item's record (its sub-items are the node's
    // children) and its action decoded from the hint.
    struct TNode {
        TMenuItem Item;
        TCommand Command;
    };
    // `nodes` are the items in tree order with their depths.
    struct TLoaded {
        TNode Node;
        int Depth;
    };
    TMenuEditorForm(QWidget* owner, const TActionContext& context, std::vector<TLoaded> nodes);

    // The edited tree as menu items, each hint the encoded action; false
    // (reported) when an action cannot be encoded.
    bool Result(std::vector<TMenuItem>& items) const;
    bool Modified() const { return modified_; }

    TMenuTree* Tree() const { return tree_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QComboBox* ShortCutBox() const { return shortCut_; }
    QLabel* Image() const { return image_; }
    QPushButton* SelectImageButton() const { return selectImage_; }
    TItemActionPanel* ActionPanel() const { return action_; }
    QPushButton* AddRootButton() const { return addRoot_; }
    QPushButton* AddSubButton() const { return addSub_; }
    QPushButton* DeleteButton() const { return delete_; }

private:
    QTreeWidgetItem* NewNode(TNode node);
    TNode* NodeOf(QTreeWidgetItem* item) const;
    void Select();
    void AddNode(QTreeWidgetItem* parent);
    void DeleteSelected();
    void CaptionEdited(const QString& text);
    void ShortCutEdited(const QString& text);
    // The image editor on a copy of the item's picture; a change becomes the
    // item's bitmap (none when cleared).
    void EditPicture();
    bool Collect(QTreeWidgetItem* item, TMenuItem& out) const;

    std::vector<std::unique_ptr<TNode>> nodes_;
    bool modified_ = false;
    TMenuTree* tree_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QComboBox* shortCut_ = nullptr;
    QLabel* image_ = nullptr;
    QPushButton* selectImage_ = nullptr;
    TItemActionPanel* action_ = nullptr;
    QPushButton* addRoot_ = nullptr;
    QPushButton* addSub_ = nullptr;
    QPushButton* delete_ = nullptr;
};

// The items in tree order with their depths, each a stream copy without "&"
// in its caption and with its action decoded; stops (reported) at the first
// item that cannot be copied or decoded.
bool LoadMenuNodes(const std::vector<TMenuItem>& items,
                   std::vector<TMenuEditorForm::TLoaded>& nodes);

// Edits a menu bar or pop-up menu; true when accepted after a change, the
// menu then being rebuilt from the tree. An item that cannot be copied or
// whose action cannot be read is reported and nothing is shown or changed.
bool EditMenuItems(QWidget* owner, const TActionContext& context, std::vector<TMenuItem>& items);

} // namespace brelvane
