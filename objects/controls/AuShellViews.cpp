#include "objects/controls/AuShellViews.h"

#include "objects/controls/HotTrackDelegate.h"
#include "objects/controls/ListViewLook.h"
#include "objects/records/ShellRoot.h"
#include "platform/MessageBoxes.h"
#include "platform/Shell.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/SystemColors.h"
#include "storage/FilePaths.h"

#include <QComboBox>
#include <QDir>
#include <QFileIconProvider>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace brelvane {

namespace {
constexpr int kFolderRole = Qt::UserRole + 1;

QString Native(const std::string& path) {
    return QString::fromStdString(path);
}

// The folders directly inside `folder` that lie inside `baseFolder` (a link
// to elsewhere is left out), by name in any case.
QFileInfoList SubFolders(const std::string& folder, const std::string& baseFolder) {
    QFileInfoList inside;
    const auto entries =
        QDir(Native(folder))
            .entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name | QDir::IgnoreCase);
    for (const auto& entry : entries)
        if (IsInsideFolder(entry.absoluteFilePath().toStdString(), baseFolder))
            inside.push_back(entry);
    return inside;
}

QIcon FolderIcon(const QFileInfo& folder) {
    static const QFileIconProvider provider;
    return provider.icon(folder);
}

} // namespace

void TShellViewRoot::Resolve(const std::string& baseFolder, const std::string& root) {
    baseFolder_ = baseFolder;
    rootFolder_ = ResolveRoot(baseFolder, root);
}

bool TShellViewRoot::MayShow(const std::string& folder) const {
    return !baseFolder_.empty() && IsInsideFolder(folder, baseFolder_);
}

TAuShellListView::TAuShellListView(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), model_(new QFileSystemModel(this)),
      view_(new QListView(this)), delegate_(new THotTrackDelegate(view_)) {
    model_->setIconProvider(new QFileIconProvider);
    model_->setReadOnly(true);
    // Folders first, then files, each by name.
    model_->sort(0);
    view_->setModel(model_);
    view_->setItemDelegate(delegate_);
    view_->setSelectionMode(QAbstractItemView::SingleSelection);
    view_->setMovement(QListView::Static);
    view_->setResizeMode(QListView::Adjust);
    SetInner(view_);
    AddPointerSource(view_->viewport());
    connect(view_, &QListView::doubleClicked, this, &TAuShellListView::OnActivated);
    Refresh();
}

void TAuShellListView::Refresh() {
    const auto* payload = PayloadAs<TShellListViewPayload>();
    if (!payload) return;
    ApplyViewLook(*view_, payload->Font, payload->Color, payload->Border, false);
    delegate_->SetHotTrack(payload->HotTrack, payload->HotTrackStyles);
    const bool icons = payload->ViewStyle == vsIcon;
    view_->setViewMode(icons ? QListView::IconMode : QListView::ListMode);
    view_->setFlow(payload->ViewStyle == vsSmallIcon || icons ? QListView::LeftToRight
                                                              : QListView::TopToBottom);
    // A report has one entry per line; the other styles wrap.
    view_->setWrapping(payload->ViewStyle != vsReport);
    view_->setIconSize(icons ? QSize(32, 32) : QSize(16, 16));
    if (icons) view_->setGridSize(QSize(88, 64));
    ApplyGeometry();
}

void TAuShellListView::ApplyRoot(const std::string& baseFolder) {
    const auto* payload = PayloadAs<TShellListViewPayload>();
    Resolve(baseFolder, payload ? payload->Root : std::string());
    ShowFolder(RootFolder());
}

bool TAuShellListView::ShowFolder(const std::string& folder) {
    if (!MayShow(folder)) return false;
    shownFolder_ = folder;
    view_->setRootIndex(model_->setRootPath(Native(folder)));
    return true;
}

void TAuShellListView::OnActivated(const QModelIndex& index) {
    const QFileInfo entry = model_->fileInfo(index);
    const std::string path = entry.absoluteFilePath().toStdString();
    if (entry.isDir()) {
        ShowFolder(path);
        return;
    }
    platform::ShellRequest request{"open", path, "", entry.absolutePath().toStdString(), 1};
    if (!platform::ShellSucceeded(platform::CurrentShell().Execute(request)))
        platform::ShowErrorBox(this, tr("Cannot open \"%1\".").arg(entry.fileName()));
}

TAuShellTreeView::TAuShellTreeView(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), tree_(new QTreeWidget(this)) {
    SetUpNodeTree(*tree_);
    SetInner(tree_);
    AddPointerSource(tree_->viewport());
    connect(tree_, &QTreeWidget::itemExpanded, this,
            [this](QTreeWidgetItem* item) { FillChildren(item); });
    connect(tree_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { OnCurrentChanged(current); });
    Refresh();
}

void TAuShellTreeView::Refresh() {
    const auto* payload = PayloadAs<TShellTreeViewPayload>();
    if (!payload) return;
    ApplyViewLook(*tree_, payload->Font, payload->Color, payload->Border, false);
    tree_->viewport()->setAttribute(Qt::WA_Hover, payload->HotTrack);
    ApplyGeometry();
}

std::string TAuShellTreeView::FolderOf(const QTreeWidgetItem& item) {
    return item.data(0, kFolderRole).toString().toStdString();
}

void TAuShellTreeView::ApplyRoot(const std::string& baseFolder) {
    const auto* payload = PayloadAs<TShellTreeViewPayload>();
    const std::string root = payload ? payload->Root : std::string();
    Resolve(baseFolder, root);
    const QSignalBlocker blocker(tree_);
    tree_->clear();
    const QFileInfo folder(Native(RootFolder()));
    auto* item = new QTreeWidgetItem(tree_);
    // The root node shows the stored Root text, even where it was missing.
    item->setText(0, FromAnsi(RootCaption(root)));
    item->setIcon(0, FolderIcon(folder));
    item->setData(0, kFolderRole, folder.absoluteFilePath());
    FillChildren(item);
    item->setExpanded(true);
}

void TAuShellTreeView::FillChildren(QTreeWidgetItem* item) {
    // Children are read when their parent opens; a filled node keeps them.
    if (item->data(0, Qt::UserRole + 2).toBool()) return;
    item->setData(0, Qt::UserRole + 2, true);
    qDeleteAll(item->takeChildren());
    for (const auto& entry : SubFolders(FolderOf(*item), BaseFolder())) {
        auto* child = new QTreeWidgetItem(item);
        child->setText(0, entry.fileName());
        child->setIcon(0, FolderIcon(entry));
        child->setData(0, kFolderRole, entry.absoluteFilePath());
        child->setChildIndicatorPolicy(
            SubFolders(entry.absoluteFilePath().toStdString(), BaseFolder()).isEmpty()
                ? QTreeWidgetItem::DontShowIndicator
                : QTreeWidgetItem::ShowIndicator);
    }
}

void TAuShellTreeView::OnCurrentChanged(QTreeWidgetItem* current) {
    if (current && list_) list_->ShowFolder(FolderOf(*current));
}

TAuShellComboBox::TAuShellComboBox(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), combo_(new QComboBox(this)) {
    combo_->setEditable(false);
    combo_->setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    combo_->setFocusPolicy(Qt::ClickFocus);
    SetInner(combo_);
    SetClickOnRelease(false);
    Refresh();
}

void TAuShellComboBox::Refresh() {
    const auto* payload = PayloadAs<TShellComboBoxPayload>();
    if (!payload) return;
    combo_->setFont(ToQFont(payload->Font));
    QPalette palette = combo_->palette();
    palette.setColor(QPalette::Base, ResolveColor(payload->Color));
    palette.setColor(QPalette::Text, FontColor(payload->Font));
    combo_->setPalette(palette);
    combo_->setMaxVisibleItems(std::max(1, payload->DropDownCount));
    ApplyGeometry();
}

void TAuShellComboBox::ApplyRoot(const std::string& baseFolder) {
    const auto* payload = PayloadAs<TShellComboBoxPayload>();
    const std::string root = payload ? payload->Root : std::string();
    Resolve(baseFolder, root);
    const QSignalBlocker blocker(combo_);
    combo_->clear();
    const QFileInfo folder(Native(RootFolder()));
    combo_->addItem(FolderIcon(folder), FromAnsi(RootCaption(root)), folder.absoluteFilePath());
    for (const auto& entry : SubFolders(RootFolder(), BaseFolder()))
        combo_->addItem(FolderIcon(entry), entry.fileName(), entry.absoluteFilePath());
    combo_->setCurrentIndex(0);
}

} // namespace brelvane
