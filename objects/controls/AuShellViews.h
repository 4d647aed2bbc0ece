#pragma once

#include "objects/controls/InnerWidgetControl.h"
#include "objects/records/ShellPayloads.h"

#include <string>

class QComboBox;
class QFileSystemModel;
class QListView;
class QTreeWidget;
class QTreeWidgetItem;

namespace brelvane {

class THotTrackDelegate;

// What every shell view keeps: the base folder it may not leave and the
// folder its root resolved to.
class TShellViewRoot {
public:
    const std::string& BaseFolder() const { return baseFolder_; }
    const std::string& RootFolder() const { return rootFolder_; }

protected:
    // Resolves `root` below `baseFolder`; a missing root is the base folder.
    void Resolve(const std::string& baseFolder, const std::string& root);
    // Whether `folder` may be shown: the base folder or below it.
    bool MayShow(const std::string& folder) const;

private:
    std::string baseFolder_;
    std::string rootFolder_;
};

// Kind 26: the files and folders of one folder; a double click enters a
// folder or opens a file.
class TAuShellListView final : public TInnerWidgetControl, public TShellViewRoot {
    Q_OBJECT
public:
    TAuShellListView(TAutoObject& object, QWidget* parent);
    void Refresh() override;
    void ApplyRoot(const std::string& baseFolder);
    // Shows `folder` when it lies inside the base folder; false otherwise.
    bool ShowFolder(const std::string& folder);
    const std::string& ShownFolder() const { return shownFolder_; }
    QListView* View() const { return view_; }
    QFileSystemModel* Model() const { return model_; }

private:
    void OnActivated(const QModelIndex& index);

    QFileSystemModel* model_;
    QListView* view_;
    THotTrackDelegate* delegate_;
    std::string shownFolder_;
};

// Kind 25: the folders below the root as a tree, the root captioned by its
// Root text; choosing a folder shows it in the linked shell list view.
class TAuShellTreeView final : public TInnerWidgetControl, public TShellViewRoot {
    Q_OBJECT
public:
    TAuShellTreeView(TAutoObject& object, QWidget* parent);
    void Refresh() override;
    void ApplyRoot(const std::string& baseFolder);
    void LinkListView(TAuShellListView* list) { list_ = list; }
    QTreeWidget* Tree() const { return tree_; }
    // The folder a node stands for.
    static std::string FolderOf(const QTreeWidgetItem& item);

private:
    void FillChildren(QTreeWidgetItem* item);
    void OnCurrentChanged(QTreeWidgetItem* current);

    QTreeWidget* tree_;
    TAuShellListView* list_ = nullptr;
};

// Kind 24: a drop-down of the root folder and its folders.
class TAuShellComboBox final : public TInnerWidgetControl, public TShellViewRoot {
    Q_OBJECT
public:
    TAuShellComboBox(TAutoObject& object, QWidget* parent);
    void Refresh() override;
    void ApplyRoot(const std::string& baseFolder);
    QComboBox* Combo() const { return combo_; }

private:
    QComboBox* combo_;
};

} // namespace brelvane
