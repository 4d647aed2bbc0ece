#pragma once

#include <QDialog>
#include <string>

class QFileSystemModel;
class QTreeView;
class QDialogButtonBox;

namespace brelvane {

// The folder browser: file-system folders only in a tree; with a root the tree
// starts there and nothing above or beside it can be chosen.
class TFolderBrowser : public QDialog {
    Q_OBJECT
public:
    TFolderBrowser(QWidget* owner, const QString& title, const std::string& root,
                   const std::string& preselect);

    // The chosen folder; empty when none is selected.
    std::string SelectedFolder() const;
    // Selects `folder` when it lies in the tree (tests and preselection).
    bool SelectFolder(const std::string& folder);
    QTreeView* Tree() const { return tree_; }

private:
    std::string root_;
    QFileSystemModel* model_ = nullptr;
    QTreeView* tree_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

} // namespace brelvane
