#include "designer/SelectPageForm.h"

#include "designer/PagePreview.h"
#include "designer/SelectorDelegate.h"
#include "designer/WaitCursor.h"
#include "platform/MessageBoxes.h"
#include "project/PageStream.h"
#include "storage/ProjectIndex.h"

#include <QAbstractItemDelegate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QVBoxLayout>
#include <filesystem>

namespace brelvane {

namespace {
// The page kind whose icon a tab shows: "Normal" shows the main page's.
constexpr std::uint8_t kTabIconKinds[] = {pkMainPage,      pkSplashScreen, pkScreenBackground,
                                          pkAgreementForm, pkSecurityForm, pkExitForm};

QString FromName(const std::string& name) {
    return QString::fromStdString(name);
}
} // namespace

TSelectPageForm::TSelectPageForm(QWidget* owner, TTemplateLibrary library, int tab,
                                 std::function<bool(const std::string&)> addCurrentPage)
    : QDialog(owner), library_(std::move(library)), addCurrentPage_(std::move(addCurrentPage)) {
    setObjectName("SelectPageForm");
    setWindowTitle("Page Templates");
    setWindowFlags(Qt::Dialog | Qt::WindowCloseButtonHint);
    setFixedSize(680, 489);
    if (const auto* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    left->setSpacing(0);
    pageControl1_ = new QTabBar(this);
    pageControl1_->setObjectName("PageControl1");
    pageControl1_->setExpanding(false);
    for (std::size_t i = 0; i < kPageTemplateTabs.size(); ++i)
        pageControl1_->addTab(SelectorIcon(kTabIconKinds[i], true, true),
                              FromName(std::string(kPageTemplateTabs[i])));
    listView1_ = new QListWidget(this);
    listView1_->setObjectName("ListView1");
    listView1_->setViewMode(QListView::IconMode);
    listView1_->setIconSize(kPagePreviewSize);
    listView1_->setResizeMode(QListView::Adjust);
    listView1_->setMovement(QListView::Static);
    listView1_->setWordWrap(true);
    listView1_->setSpacing(6);
    listView1_->setSelectionMode(QAbstractItemView::SingleSelection);
    listView1_->setEditTriggers(ManagerMode() ? QAbstractItemView::EditKeyPressed |
                                                    QAbstractItemView::SelectedClicked
                                              : QAbstractItemView::NoEditTriggers);
    left->addWidget(pageControl1_);
    left->addWidget(listView1_, 1);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    const auto addButton = [this, right](const char* name, const char* caption) {
        auto* button = new QPushButton(caption, this);
        button->setObjectName(name);
        button->setAutoDefault(false);
        right->addWidget(button);
        return button;
    };
    ok_ = addButton("OK", "&OK");
    ok_->setDefault(true);
    cancel_ = addButton("Cancel", "&Cancel");
    addButton("Preview", "&Preview...");
    addButton("Add", "&Add")->setToolTip("Add Current Page To Template");
    addButton("Rename", "&Rename");
    addButton("Delete", "&Delete");
    right->addStretch(1);
    panel5_ = new QLabel(this);
    panel5_->setObjectName("Panel5");
    panel5_->setAlignment(Qt::AlignCenter);
    panel5_->setFrameShape(QFrame::Panel);
    panel4_ = new QLabel(this);
    panel4_->setObjectName("Panel4");
    panel4_->setAlignment(Qt::AlignCenter);
    panel4_->setFrameShape(QFrame::Panel);
    right->addWidget(panel5_);
    right->addWidget(panel4_);
    layout->addLayout(right);

    for (const char* name : {"Add", "Rename", "Delete"})
        Button(name)->setVisible(ManagerMode());
    cancel_->setVisible(!ManagerMode());

    connect(ok_, &QPushButton::clicked, this, &TSelectPageForm::OkClick);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button("Preview"), &QPushButton::clicked, this, &TSelectPageForm::PreviewClick);
    connect(Button("Add"), &QPushButton::clicked, this, &TSelectPageForm::AddClick);
    connect(Button("Rename"), &QPushButton::clicked, this, &TSelectPageForm::RenameClick);
    connect(Button("Delete"), &QPushButton::clicked, this, &TSelectPageForm::DeleteClick);
    connect(listView1_, &QListWidget::itemSelectionChanged, this,
            &TSelectPageForm::SelectionChanged);
    connect(listView1_, &QListWidget::itemDoubleClicked, this, [this] {
        if (!ManagerMode()) OkClick();
    });
    connect(listView1_, &QListWidget::itemChanged, this, &TSelectPageForm::CaptionEdited);
    connect(listView1_->itemDelegate(), &QAbstractItemDelegate::closeEditor, this,
            &TSelectPageForm::EditEnded);
    pageControl1_->setCurrentIndex(tab);
    connect(pageControl1_, &QTabBar::currentChanged, this, &TSelectPageForm::TabChanged);
    TabChanged();
}

QPushButton* TSelectPageForm::Button(const char* name) const {
    return findChild<QPushButton*>(name);
}

QListWidgetItem* TSelectPageForm::SelectedItem() const {
    const auto items = listView1_->selectedItems();
    return items.isEmpty() ? nullptr : items.front();
}

std::string TSelectPageForm::Result() const {
    const auto* item = SelectedItem();
    if (!confirmed_ || !item) return {};
    return folder_ + "/" + item->data(Qt::UserRole).toString().toStdString();
}

void TSelectPageForm::TabChanged() {
    folder_ = library_.PagesFolder(pageControl1_->currentIndex());
    RefreshTemplateList();
}

void TSelectPageForm::RefreshTemplateList() {
    WaitCursor wait;
    refreshing_ = true;
    listView1_->clear();
    for (const auto& name : TemplateItems(folder_)) {
        QImage preview = previews_.Preview(folder_, name);
        if (preview.isNull()) preview = UnreadablePreview(kPagePreviewSize);
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(preview)), FromName(name));
        item->setData(Qt::UserRole, FromName(name));
        if (ManagerMode()) item->setFlags(item->flags() | Qt::ItemIsEditable);
        listView1_->addItem(item);
    }
    refreshing_ = false;
    panel4_->setText(QString::number(listView1_->count()));
    panel5_->setText(pageControl1_->tabText(pageControl1_->currentIndex()));
    SelectionChanged();
}

void TSelectPageForm::SelectionChanged() {
    const bool selected = SelectedItem() != nullptr;
    Button("Preview")->setEnabled(selected);
    Button("Rename")->setEnabled(selected);
    Button("Delete")->setEnabled(selected);
    // The manager's OK only closes.
    ok_->setEnabled(selected || ManagerMode());
}

void TSelectPageForm::OkClick() {
    if (ManagerMode()) {
        accept();
        return;
    }
    if (!SelectedItem()) return;
    confirmed_ = true;
    accept();
}

void TSelectPageForm::AddClick() {
    if (!ManagerMode() ||
        !platform::AskYesNo(this, "Confirm", "Add current page as a template, continue?"))
        return;
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    addCurrentPage_(folder_ + "/" + UniqueTemplateName(folder_, {}));
    RefreshTemplateList();
}

void TSelectPageForm::RenameClick() {
    auto* item = SelectedItem();
    if (!ManagerMode() || !item) return;
    // Enter ends the edit instead of closing the dialog.
    ok_->setDefault(false);
    listView1_->editItem(item);
}

void TSelectPageForm::CaptionEdited(QListWidgetItem* item) {
    if (refreshing_ || !item) return;
    const auto oldName = item->data(Qt::UserRole).toString().toStdString();
    const auto newName = item->text().toStdString();
    if (newName == oldName) return;
    refreshing_ = true;
    if (RenameTemplate(folder_, oldName, newName)) {
        item->setData(Qt::UserRole, item->text());
    } else {
        item->setText(FromName(oldName));
        platform::ShowErrorBox(this, "Error", "Rename failed.");
    }
    refreshing_ = false;
}

void TSelectPageForm::EditEnded() {
    ok_->setDefault(true);
}

void TSelectPageForm::DeleteClick() {
    auto* item = SelectedItem();
    if (!ManagerMode() || !item ||
        !platform::AskYesNo(this, "Confirm", "Delete selected item, continue?"))
        return;
    const auto name = item->data(Qt::UserRole).toString().toStdString();
    DeleteTemplateFile(folder_, name);
    DeletePreviewFile(folder_, name);
    RefreshTemplateList();
}

void TSelectPageForm::PreviewClick() {
    const auto* item = SelectedItem();
    if (!item) return;
    TPageRecord page;
    const auto path = folder_ + "/" + item->data(Qt::UserRole).toString().toStdString();
    if (!LoadPageFile(path, page, TPageReadMode::Build, {})) return;
    TMemoryStream stream;
    if (!WritePage(stream, page)) return;
    stream.Seek(0);
    ShowPagePreview(stream);
}

std::string PickPageTemplate(QWidget* owner, const TTemplateLibrary& library,
                             std::uint8_t pageKind) {
    TSelectPageForm form(owner, library, PageTemplateTabOf(pageKind));
    form.exec();
    return form.Result();
}

void ManagePageTemplates(QWidget* owner, const TTemplateLibrary& library,
                         std::function<bool(const std::string& path)> addCurrentPage) {
    TSelectPageForm form(owner, library, 0, std::move(addCurrentPage));
    form.exec();
}

} // namespace brelvane
