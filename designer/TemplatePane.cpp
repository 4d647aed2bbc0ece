#include "designer/TemplatePane.h"

#include "designer/NewLibPageForm.h"
#include "designer/WaitCursor.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "platform/MessageBoxes.h"

#include <QMimeData>
#include <QPainter>
#include <QTabBar>
#include <QVBoxLayout>
#include <filesystem>

namespace brelvane {

namespace fs = std::filesystem;

namespace {
QString FromName(const std::string& name) {
    return QString::fromStdString(name);
}

// The icon of a group tab: a small folder.
QIcon GroupIcon() {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setPen(QColor(150, 110, 20));
    painter.setBrush(QColor(240, 200, 90));
    painter.drawRect(1, 4, 13, 9);
    painter.drawRect(1, 2, 5, 2);
    return QIcon(pixmap);
}

std::string NameOf(const QListWidgetItem* item) {
    return item->data(Qt::UserRole).toString().toStdString();
}
} // namespace

TTemplateList::TTemplateList(QWidget* parent) : QListWidget(parent) {
    setObjectName("ListView2");
    setToolTip("Drag and drop the item to the page");
    setViewMode(QListView::IconMode);
    setIconSize(kObjectPreviewSize);
    setResizeMode(QListView::Adjust);
    setMovement(QListView::Static);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
}

QStringList TTemplateList::mimeTypes() const {
    return {kTemplateMimeType};
}

QMimeData* TTemplateList::mimeData(const QList<QListWidgetItem*>& items) const {
    if (items.isEmpty()) return nullptr;
    auto* data = new QMimeData;
    data->setData(kTemplateMimeType, QByteArray::fromStdString(
                                         GroupFolder + "/" + NameOf(items.front()) + "\n" + Group));
    return data;
}

TTemplatePane::TTemplatePane(TTemplateLibrary library,
                             std::function<TAutoObjects*()> currentObjects, QWidget* parent)
    : QWidget(parent), library_(std::move(library)), currentObjects_(std::move(currentObjects)) {
    setObjectName("PageControl2");
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    tabs_ = new QTabBar(this);
    tabs_->setObjectName("PageControl2Tabs");
    tabs_->setExpanding(false);
    layout->addWidget(tabs_);
    sheet_ = new QWidget(this);
    auto* sheetLayout = new QVBoxLayout(sheet_);
    sheetLayout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(sheet_, 1);
    scrollBox4_ = new QWidget(this);
    scrollBox4_->setObjectName("ScrollBox4");
    scrollBox4_->hide();
    auto* parkLayout = new QVBoxLayout(scrollBox4_);
    listView2_ = new TTemplateList(scrollBox4_);
    parkLayout->addWidget(listView2_);
    connect(tabs_, &QTabBar::currentChanged, this, [this] {
        if (!rebuilding_) ShowTemplateGroup();
    });
}

std::string TTemplatePane::Group() const {
    const int tab = tabs_->currentIndex();
    return tab < 0 ? std::string() : tabs_->tabText(tab).toStdString();
}

std::string TTemplatePane::GroupFolder() const {
    return tabs_->count() == 0 ? std::string() : library_.GroupFolder(Group());
}

void TTemplatePane::Park() {
    scrollBox4_->layout()->addWidget(listView2_);
}

void TTemplatePane::AddGroupTab(const std::string& name) {
    tabs_->addTab(GroupIcon(), FromName(name));
}

void TTemplatePane::FillTemplatePane(const std::string& folder) {
    Park();
    rebuilding_ = true;
    while (tabs_->count() > 0)
        tabs_->removeTab(0);
    for (const auto& group : TemplateGroups(folder))
        AddGroupTab(group);
    rebuilding_ = false;
    if (tabs_->count() == 0) return;
    tabs_->setCurrentIndex(0);
    ShowTemplateGroup();
}

void TTemplatePane::ShowTemplateGroup() {
    if (tabs_->count() == 0) {
        Park();
        return;
    }
    WaitCursor wait;
    listView2_->setUpdatesEnabled(false);
    listView2_->clear();
    sheet_->layout()->addWidget(listView2_);
    listView2_->show();
    listView2_->GroupFolder = GroupFolder();
    listView2_->Group = Group();
    for (const auto& name : TemplateItems(listView2_->GroupFolder)) {
        QImage preview = previews_.Preview(listView2_->GroupFolder, name);
        if (preview.isNull()) preview = UnreadablePreview(kObjectPreviewSize);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(preview)), FromName(name));
        item->setData(Qt::UserRole, FromName(name));
        listView2_->addItem(item);
    }
    listView2_->setUpdatesEnabled(true);
}

void TTemplatePane::CreateNewLibPage1Click() {
    TNewLibPageForm form(this, library_.ObjectsFolder());
    if (form.exec() != QDialog::Accepted) return;
    const auto name = form.GroupName();
    // Nothing is made outside the library.
    if (!IsPlainFileName(name)) return;
    std::error_code error;
    if (!fs::create_directories(library_.GroupFolder(name), error) || error) return;
    rebuilding_ = true;
    AddGroupTab(name);
    tabs_->setCurrentIndex(tabs_->count() - 1);
    rebuilding_ = false;
    ShowTemplateGroup();
}

void TTemplatePane::DeleteLibPage1Click() {
    if (tabs_->count() == 0) return;
    const auto group = Group();
    const auto folder = GroupFolder();
    if (!platform::AskYesNo(this, "Confirm",
                            "Delete object template group \"" + FromName(group) + "\", continue?"))
        return;
    for (int row = listView2_->count() - 1; row >= 0; --row) {
        const auto name = NameOf(listView2_->item(row));
        DeletePreviewFile(folder, name);
        if (!DeleteTemplateFile(folder, name)) {
            platform::ShowErrorBox(
                this, "Error", "Delete object template item \"" + FromName(name) + "\" failed.");
            return;
        }
        delete listView2_->takeItem(row);
    }
    // Plain removals: a folder that still holds anything stays.
    std::error_code error;
    fs::remove(folder + "/Icons", error);
    error.clear();
    if (!fs::remove(folder, error) || error) {
        platform::ShowErrorBox(this, "Error",
                               "Delete object template group \"" + FromName(group) + "\" failed.");
        return;
    }
    Park();
    const int tab = tabs_->currentIndex();
    rebuilding_ = true;
    tabs_->removeTab(tab);
    if (tabs_->count() > 0) tabs_->setCurrentIndex(tab < tabs_->count() ? tab : 0);
    rebuilding_ = false;
    ShowTemplateGroup();
}

void TTemplatePane::SaveObjectToLib1Click() {
    if (tabs_->count() == 0) return;
    const auto folder = GroupFolder();
    if (auto* objects = currentObjects_ ? currentObjects_() : nullptr) {
        for (const auto& object : *objects) {
            if (!object->Selected) continue;
            const auto name = UniqueTemplateName(folder, std::string(KindName(object->Kind)));
            if (!SaveObjectFile(folder + "/" + name, *object)) break;
        }
    }
    ShowTemplateGroup();
}

void TTemplatePane::DeleteTemplateItem1Click() {
    if (tabs_->count() == 0 || listView2_->selectedItems().isEmpty()) return;
    if (!platform::AskYesNo(this, "Confirm", "Delete object template item, continue?")) return;
    const auto folder = GroupFolder();
    for (int row = listView2_->count() - 1; row >= 0; --row) {
        auto* item = listView2_->item(row);
        if (!item->isSelected()) continue;
        if (!DeleteTemplateFile(folder, NameOf(item))) continue;
        DeletePreviewFile(folder, NameOf(item));
        delete listView2_->takeItem(row);
    }
}

} // namespace brelvane
