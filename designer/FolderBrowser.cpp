#include "designer/FolderBrowser.h"

#include "designer/ProjectPaths.h"

#include <QDialogButtonBox>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace brelvane {

TFolderBrowser::TFolderBrowser(QWidget* owner, const QString& title, const std::string& root,
                               const std::string& preselect)
    : QDialog(owner), root_(root) {
    setWindowTitle(title);
    resize(420, 480);
    model_ = new QFileSystemModel(this);
    model_->setFilter(QDir::Dirs | QDir::NoDotAndDotDot | QDir::Drives);
    model_->setReadOnly(true);
    const QString top = root.empty() ? QDir::rootPath() : QString::fromStdString(root);
    model_->setRootPath(top);
    tree_ = new QTreeView(this);
    tree_->setModel(model_);
    for (int column = 1; column < model_->columnCount(); ++column)
        tree_->hideColumn(column);
    tree_->header()->hide();
    if (!root.empty()) {
        // The root's own entry is shown as the tree's only top item, so the
        // base folder itself can be chosen and nothing beside it.
        const QModelIndex rootIndex = model_->index(top);
        tree_->setRootIndex(rootIndex.parent());
        for (int row = 0; row < model_->rowCount(rootIndex.parent()); ++row)
            tree_->setRowHidden(row, rootIndex.parent(), row != rootIndex.row());
        tree_->expand(rootIndex);
    }
    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tree_);
    layout->addWidget(buttons_);
    // Hidden rows of the root's parent are filled in as the model loads it.
    connect(model_, &QFileSystemModel::directoryLoaded, this, [this, top](const QString&) {
        if (root_.empty()) return;
        const QModelIndex rootIndex = model_->index(top);
        for (int row = 0; row < model_->rowCount(rootIndex.parent()); ++row)
            tree_->setRowHidden(row, rootIndex.parent(), row != rootIndex.row());
    });
    if (!SelectFolder(preselect) && !root.empty()) SelectFolder(root);
}

bool TFolderBrowser::SelectFolder(const std::string& folder) {
    if (folder.empty()) return false;
    if (!root_.empty() && MakeProjectRelative(root_, folder).empty()) return false;
    const QModelIndex index = model_->index(QString::fromStdString(folder));
    if (!index.isValid()) return false;
    tree_->setCurrentIndex(index);
    tree_->scrollTo(index);
    return true;
}

std::string TFolderBrowser::SelectedFolder() const {
    const QModelIndex index = tree_->currentIndex();
    if (!index.isValid()) return {};
    const auto path = model_->filePath(index).toStdString();
    // Nothing outside the root can come back, whatever the tree shows.
    if (!root_.empty() && MakeProjectRelative(root_, path).empty()) return {};
    return path;
}

} // namespace brelvane
