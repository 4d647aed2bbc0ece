#pragma once

#include "dialogs/ActionContext.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/TreeViewPayload.h"

#include <QDialog>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace brelvane {

class TIconCells;
class TMemoryStream;
class TItemActionPanel;

// "Item Editor" for the items of a list view or the nodes of a tree view
// (each with its caption, icon and action; list items with their report
// lines, tree nodes with the items their associated list view shows).
class TViewItemsForm : public QDialog {
    Q_OBJECT
public:
    // What a tree view's associated list view gives the nested editor, and
    // how many levels of the tree start open, as the tree view shows them.
    struct TAssociated {
        bool Exists = false;
        QSize IconSize{32, 32};
        int ExpandLevels = 1;
    };

    // List view mode over copies of its items (a linked item has a TreeNode).
    TViewItemsForm(QWidget* owner, const TActionContext& context, std::vector<TListBoxItem> items,
                   QSize iconSize);
    // Tree view mode over stream copies of `nodes`; a node that cannot be
    // copied is reported and leaves the form not Loaded().
    TViewItemsForm(QWidget* owner, const TActionContext& context,
                   const std::vector<TTreeNode>& nodes, QSize iconSize, TAssociated associated);
    ~TViewItemsForm() override;

    bool Modified() const { return modified_; }
    bool Loaded() const { return loaded_; }
    bool IsTree() const { return isTree_; }
    // The edited items (list view mode) or nodes (tree view mode).
    std::vector<TListBoxItem> Items() const;
    std::vector<TTreeNode> Nodes() const;
    // The nodes moved out, for a write-back once the dialog is done.
    std::vector<TTreeNode> TakeNodes();

    // The items as a flat list (list view) or as the tree.
    QTreeWidget* View() const { return view_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QLabel* Icon() const { return icon_; }
    QPushButton* SelectIconButton() const { return selectIcon_; }
    QPushButton* DefaultIconButton() const { return defaultIcon_; }
    QPlainTextEdit* SubItemsMemo() const { return subItems_; }
    TItemActionPanel* ActionPanel() const { return action_; }
    QPushButton* AssociatedButton() const { return associatedItems_; }
    QPushButton* AddButton() const { return add_; }
    QPushButton* AddRootButton() const { return addRoot_; }
    QPushButton* DeleteButton() const { return delete_; }
    QPushButton* ClearButton() const { return clear_; }

private:
    struct TEntry;
    TViewItemsForm(QWidget* owner, const TActionContext& context, bool tree, QSize iconSize,
                   TAssociated associated);
    TEntry* Current() const;
    TEntry* EntryOf(QTreeWidgetItem* item) const;
    TEntry* NewRow(TListBoxItem item);
    TEntry* Shown(TEntry* row);
    QIcon IconOf(const TListBoxItem& item);
    void Select();
    void AddListItem();
    void AddNode(QTreeWidgetItem* parent);
    void DeleteSelected();
    void ClearItems();
    void CaptionEdited(const QString& text);
    void SubItemsEdited();
    void UseDefaultIcon();
    // The image editor on the selected item's picture.
    void EditIcon();
    void EditAssociatedItems();
    // Rows for `nodes` under `parent` at `depth`; below the levels shown open
    // the children are only copied and wait for AddPendingRows.
    bool AddTreeNodes(const std::vector<TTreeNode>& nodes, QTreeWidgetItem* parent,
                      TMemoryStream& through, int depth);
    bool CopyNodes(const std::vector<TTreeNode>& from, std::vector<TTreeNode>& to,
                   TMemoryStream& through);
    void AddPendingRows(QTreeWidgetItem* item);
    TTreeNode NodeOf(QTreeWidgetItem* item, bool take) const;
    std::vector<TTreeNode> TreeOf(bool take) const;

    const TActionContext& context_;
    // Each distinct icon drawn into its cell once.
    std::unique_ptr<TIconCells> cells_;
    QSize iconSize_;
    TAssociated associated_;
    bool modified_ = false;
    bool loaded_ = true;
    bool loading_ = false;
    bool isTree_;
    QTreeWidget* view_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QLabel* icon_ = nullptr;
    QPushButton* selectIcon_ = nullptr;
    QPushButton* defaultIcon_ = nullptr;
    QPlainTextEdit* subItems_ = nullptr;
    TItemActionPanel* action_ = nullptr;
    QPushButton* associatedItems_ = nullptr;
    QPushButton* add_ = nullptr;
    QPushButton* addRoot_ = nullptr;
    QPushButton* delete_ = nullptr;
    QPushButton* clear_ = nullptr;
};

// The editors' entries: true when accepted after a change, the object's
// items then being replaced through its own stored form (its bounds stay).
// An item that cannot be copied is reported and nothing is shown or changed.
bool EditListViewItems(QWidget* owner, const TActionContext& context, TListViewPayload& view);
// `associated`: the list view named by the tree's AssociatedListView, or null.
bool EditTreeViewItems(QWidget* owner, const TActionContext& context, TTreeViewPayload& tree,
                       const TListViewPayload* associated);

// The report lines of a memo as stored sub-items: each line ended by CR LF.
std::string SubItemsText(const QString& memo);

} // namespace brelvane
