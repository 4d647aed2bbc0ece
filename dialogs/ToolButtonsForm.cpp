#include "dialogs/ToolButtonsForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ItemActionPanel.h"
#include "dialogs/PictureSelect.h"
#include "dialogs/StreamCopy.h"
#include "render/PictureImage.h"

#include <QDropEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brelvane {

void TButtonList::dropEvent(QDropEvent* event) {
    event->setDropAction(Qt::IgnoreAction);
    event->accept();
    const int from = currentRow();
    auto* target = itemAt(event->position().toPoint());
    if (from >= 0 && target) emit MoveRequested(from, row(target));
}

QImage ButtonThumbnail(const TPicture& picture, QSize size, const QColor& background) {
    QImage tile(size, QImage::Format_ARGB32);
    tile.fill(background);
    const QImage frame = DrawnFrame(*PictureImageOf(picture), 0, true);
    if (!frame.isNull()) {
        QPainter painter(&tile);
        painter.drawImage(tile.rect(), frame);
    }
    return tile;
}

TToolButtonsForm::TToolButtonsForm(QWidget* owner, const TActionContext& context,
                                   std::vector<TAuToolButton> buttons, QSize imageSize)
    : QDialog(owner), buttons_(std::move(buttons)), imageSize_(imageSize) {
    setObjectName("ToolButtonsForm");
    setWindowTitle("Tool Bar Buttons Editor");
    auto* layout = new QHBoxLayout(this);
    list_ = new TButtonList(this);
    list_->setObjectName("ButtonList");
    list_->setIconSize(imageSize_);
    list_->setDragDropMode(QAbstractItemView::InternalMove);
    list_->setMinimumWidth(180);
    layout->addWidget(list_);
    auto* right = new QVBoxLayout;
    action_ = new TItemActionPanel("Item Properties", this, context);
    auto* fields = action_->Fields();
    caption_ = action_->AddCaptionRow(0);
    hint_ = new QLineEdit(action_);
    hint_->setObjectName("HintEdit");
    image_ = PictureBox("Image", action_);
    selectImage_ = PictureSelectButton(image_, "&Select...", "SelectImageButton", action_,
                                       [this] { EditPicture(); });
    AddPictureRow(fields, 1, "Image:", image_, {selectImage_});
    fields->addWidget(
        new QLabel("Please do not select too large image for the button icon", action_), 2, 1);
    fields->addWidget(new QLabel("Hint:", action_), 3, 0);
    fields->addWidget(hint_, 3, 1);
    right->addWidget(action_);
    auto* buttonGrid = new QGridLayout;
    add_ = NamedButton("&Add Button", "AddButton", this);
    addSeparator_ = NamedButton("Add Separator", "AddSeparatorButton", this);
    delete_ = NamedButton("&Delete Button", "DeleteButton", this);
    clear_ = NamedButton("C&lear", "ClearButton", this);
    up_ = NamedButton("Move Up", "UpButton", this);
    down_ = NamedButton("Move Down", "DownButton", this);
    buttonGrid->addWidget(add_, 0, 0);
    buttonGrid->addWidget(addSeparator_, 0, 1);
    buttonGrid->addWidget(delete_, 0, 2);
    buttonGrid->addWidget(clear_, 1, 0);
    buttonGrid->addWidget(up_, 1, 1);
    buttonGrid->addWidget(down_, 1, 2);
    right->addLayout(buttonGrid);
    right->addStretch();
    AddOkCancelRow(this, right);
    layout->addLayout(right);

    connect(list_, &QListWidget::currentRowChanged, this, &TToolButtonsForm::Select);
    connect(list_, &TButtonList::MoveRequested, this, &TToolButtonsForm::MoveEntry);
    connect(add_, &QPushButton::clicked, this, [this] {
        TAuToolButton button;
        button.Caption = "New Button";
        Append(std::move(button));
    });
    connect(addSeparator_, &QPushButton::clicked, this, [this] {
        TAuToolButton separator;
        separator.Caption = "-";
        separator.Separator = true;
        Append(std::move(separator));
    });
    connect(delete_, &QPushButton::clicked, this, &TToolButtonsForm::DeleteSelected);
    connect(clear_, &QPushButton::clicked, this, &TToolButtonsForm::ClearEntries);
    connect(up_, &QPushButton::clicked, this,
            [this] { MoveEntry(list_->currentRow(), list_->currentRow() - 1); });
    connect(down_, &QPushButton::clicked, this,
            [this] { MoveEntry(list_->currentRow(), list_->currentRow() + 1); });
    connect(caption_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = list_->currentRow();
        if (row < 0) return;
        buttons_[static_cast<std::size_t>(row)].Caption = StoredText(text);
        list_->item(row)->setText(text);
        modified_ = true;
    });
    connect(hint_, &QLineEdit::textEdited, this, [this](const QString& text) {
        const int row = list_->currentRow();
        if (row < 0) return;
        buttons_[static_cast<std::size_t>(row)].Hint = StoredText(text);
        modified_ = true;
    });
    connect(action_, &TItemActionPanel::Edited, this, [this] { modified_ = true; });
    Rebuild(-1);
}

void TToolButtonsForm::Rebuild(int selected) {
    {
        const QSignalBlocker block(list_);
        list_->clear();
        const QColor background = list_->palette().color(QPalette::Base);
        for (const auto& button : buttons_)
            list_->addItem(new QListWidgetItem(
                QIcon(QPixmap::fromImage(ButtonThumbnail(button.Picture, imageSize_, background))),
                ShownText(button.Caption)));
        list_->setCurrentRow(selected);
    }
    Select(selected);
}

void TToolButtonsForm::Select(int row) {
    auto* button = row >= 0 && row < static_cast<int>(buttons_.size())
                       ? &buttons_[static_cast<std::size_t>(row)]
                       : nullptr;
    const bool editable = button && !button->Separator;
    {
        const QSignalBlocker blockCaption(caption_);
        const QSignalBlocker blockHint(hint_);
        caption_->setText(button ? ShownText(button->Caption) : QString());
        hint_->setText(button ? ShownText(button->Hint) : QString());
        const QImage picture =
            editable ? DrawnFrame(*PictureImageOf(button->Picture), 0, true) : QImage();
        image_->setPixmap(picture.isNull() ? QPixmap() : QPixmap::fromImage(picture));
    }
    action_->Show(editable ? &button->Action : nullptr);
    for (QWidget* control : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(hint_),
                             static_cast<QWidget*>(image_), static_cast<QWidget*>(selectImage_)})
        control->setEnabled(editable);
    UpdateControls();
}

void TToolButtonsForm::Append(TAuToolButton button) {
    buttons_.push_back(std::move(button));
    modified_ = true;
    Rebuild(static_cast<int>(buttons_.size()) - 1);
}

void TToolButtonsForm::DeleteSelected() {
    const int row = list_->currentRow();
    if (row < 0) return;
    buttons_.erase(buttons_.begin() + row);
    modified_ = true;
    Rebuild(std::min(row, static_cast<int>(buttons_.size()) - 1));
}

void TToolButtonsForm::ClearEntries() {
    if (buttons_.empty()) return;
    buttons_.clear();
    modified_ = true;
    Rebuild(-1);
}

void TToolButtonsForm::MoveEntry(int from, int to) {
    const int count = static_cast<int>(buttons_.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to) return;
    auto moved = std::move(buttons_[static_cast<std::size_t>(from)]);
    buttons_.erase(buttons_.begin() + from);
    buttons_.insert(buttons_.begin() + to, std::move(moved));
    modified_ = true;
    Rebuild(to);
}

void TToolButtonsForm::EditPicture() {
    const int row = list_->currentRow();
    if (row < 0 || buttons_[static_cast<std::size_t>(row)].Separator) return;
    if (!EditImage(this, buttons_[static_cast<std::size_t>(row)].Picture)) return;
    modified_ = true;
    Rebuild(row);
}

void TToolButtonsForm::UpdateControls() {
    const int row = list_->currentRow();
    const int count = static_cast<int>(buttons_.size());
    delete_->setEnabled(row >= 0);
    clear_->setEnabled(count > 0);
    up_->setEnabled(row > 0);
    down_->setEnabled(row >= 0 && row + 1 < count);
}

bool EditToolButtons(QWidget* owner, const TActionContext& context,
                     std::vector<TAuToolButton>& buttons, QSize imageSize) {
    std::vector<TAuToolButton> copies;
    if (!CopyRecords(buttons, copies)) return false;
    TToolButtonsForm form(owner, context, std::move(copies), imageSize);
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    std::vector<TAuToolButton> written;
    if (!CopyRecords(form.Buttons(), written)) return false;
    buttons = std::move(written);
    return true;
}

} // namespace brelvane
