#include "dialogs/ListItemsForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/PictureSelect.h"
#include "dialogs/StreamCopy.h"
#include "objects/controls/AuItemList.h"
#include "render/FontConversion.h"
#include "render/PictureImage.h"
#include "render/SystemColors.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr QRect kPreviewRect{24, 24, 265, 321};

} // namespace

TListItemsForm::TListItemsForm(QWidget* owner, const TActionContext& context, TItemList list,
                               const TFont& font, std::int32_t color)
    : QDialog(owner), list_(std::move(list)), background_(ResolveColor(color)),
      textColor_(FontColor(font)) {
    setObjectName("ListItemsForm");
    setWindowTitle("List Item Editor");
    preview_ = new QListWidget(this);
    preview_->setObjectName("Preview");
    preview_->setGeometry(kPreviewRect);
    preview_->setUniformItemSizes(true);
    preview_->setFont(ToQFont(font));
    QPalette palette = preview_->palette();
    palette.setColor(QPalette::Base, background_);
    palette.setColor(QPalette::Text, textColor_);
    preview_->setPalette(palette);
    delegate_ = new TItemListDelegate(preview_);
    preview_->setItemDelegate(delegate_);

    auto* right = new QWidget(this);
    right->setGeometry(kPreviewRect.right() + 12, 16, 420, kPreviewRect.height() + 60);
    auto* column = new QVBoxLayout(right);
    column->setContentsMargins(0, 0, 0, 0);
    action_ = new TItemActionPanel("Item Properties", right, context);
    caption_ = action_->AddCaptionRow(0);
    icon_ = PictureBox("Icon", action_);
    selectIcon_ = PictureSelectButton(icon_, "&Select...", "SelectIconButton", action_,
                                      [this] { EditIcon(); });
    AddPictureRow(action_->Fields(), 1, "Icon:", icon_, {selectIcon_});
    column->addWidget(action_);
    auto* buttons = new QGridLayout;
    add_ = NamedButton("&Add Item", "AddButton", right);
    delete_ = NamedButton("&Delete Item", "DeleteButton", right);
    clear_ = NamedButton("C&lear", "ClearButton", right);
    up_ = NamedButton("Move Up", "UpButton", right);
    down_ = NamedButton("Move Down", "DownButton", right);
    buttons->addWidget(add_, 0, 0);
    buttons->addWidget(delete_, 0, 1);
    buttons->addWidget(clear_, 0, 2);
    buttons->addWidget(up_, 1, 0);
    buttons->addWidget(down_, 1, 1);
    column->addLayout(buttons);
    column->addStretch();
    AddOkCancelRow(this, column);
    setFixedSize(right->geometry().right() + 16, kPreviewRect.bottom() + 64);

    connect(preview_, &QListWidget::currentRowChanged, this, &TListItemsForm::Select);
    connect(add_, &QPushButton::clicked, this, &TListItemsForm::Add);
    connect(delete_, &QPushButton::clicked, this, &TListItemsForm::DeleteSelected);
    connect(clear_, &QPushButton::clicked, this, &TListItemsForm::ClearItems);
    connect(up_, &QPushButton::clicked, this, [this] { Move(-1); });
    connect(down_, &QPushButton::clicked, this, [this] { Move(1); });
    connect(caption_, &QLineEdit::textEdited, this, &TListItemsForm::CaptionEdited);
    connect(action_, &TItemActionPanel::Edited, this, [this] { modified_ = true; });
    Redraw(-1);
}

int TListItemsForm::Selected() const {
    return preview_->currentRow();
}

void TListItemsForm::Select(int row) {
    auto* item = row >= 0 && row < static_cast<int>(list_.Items.size())
                     ? &list_.Items[static_cast<std::size_t>(row)]
                     : nullptr;
    {
        const QSignalBlocker block(caption_);
        caption_->setText(item ? ShownText(item->Caption) : QString());
    }
    const QImage icon = item ? DrawnFrame(*PictureImageOf(item->Icon), 0, true) : QImage();
    icon_->setPixmap(icon.isNull() ? QPixmap() : QPixmap::fromImage(icon));
    action_->Show(item ? &item->Command : nullptr);
    UpdateControls();
}

void TListItemsForm::Redraw(int selected) {
    const QSignalBlocker block(preview_);
    delegate_->Reset(list_, background_, textColor_);
    preview_->clear();
    for (const auto& item : list_.Items)
        preview_->addItem(ShownText(item.Caption));
    preview_->setCurrentRow(selected);
    Select(selected);
}

void TListItemsForm::Add() {
    TListBoxItem item;
    item.Caption = "New Item";
    list_.Items.push_back(std::move(item));
    modified_ = true;
    Redraw(static_cast<int>(list_.Items.size()) - 1);
}

void TListItemsForm::DeleteSelected() {
    const int row = Selected();
    if (row < 0) return;
    list_.Items.erase(list_.Items.begin() + row);
    modified_ = true;
    Redraw(std::min(row, static_cast<int>(list_.Items.size()) - 1));
}

void TListItemsForm::ClearItems() {
    if (list_.Items.empty()) return;
    list_.Items.clear();
    modified_ = true;
    Redraw(-1);
}

void TListItemsForm::Move(int by) {
    const int row = Selected();
    const int target = row + by;
    if (row < 0 || target < 0 || target >= static_cast<int>(list_.Items.size())) return;
    std::swap(list_.Items[static_cast<std::size_t>(row)],
              list_.Items[static_cast<std::size_t>(target)]);
    modified_ = true;
    Redraw(target);
}

void TListItemsForm::CaptionEdited(const QString& text) {
    const int row = Selected();
    if (row < 0) return;
    list_.Items[static_cast<std::size_t>(row)].Caption = StoredText(text);
    preview_->item(row)->setText(text);
    modified_ = true;
}

void TListItemsForm::EditIcon() {
    const int row = Selected();
    if (row < 0) return;
    // The preview draws item pictures transparent, as the list does.
    if (!EditImage(this, list_.Items[static_cast<std::size_t>(row)].Icon)) return;
    modified_ = true;
    Redraw(row);
}

void TListItemsForm::UpdateControls() {
    const int row = Selected();
    const int count = static_cast<int>(list_.Items.size());
    caption_->setEnabled(row >= 0);
    icon_->setEnabled(row >= 0);
    selectIcon_->setEnabled(row >= 0);
    delete_->setEnabled(row >= 0);
    clear_->setEnabled(count > 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < count);
}

bool EditListItems(QWidget* owner, const TActionContext& context, TItemList& list,
                   const TFont& font, std::int32_t color) {
    TItemList copy;
    copy.ItemHeight = list.ItemHeight;
    copy.IconWidth = list.IconWidth;
    copy.IconHeight = list.IconHeight;
    if (!CopyListItems(list.Items, copy.Items, kPlainItem)) return false;
    TListItemsForm form(owner, context, std::move(copy), font, color);
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    list.Items = form.Items();
    return true;
}

} // namespace brelvane
