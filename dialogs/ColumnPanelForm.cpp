#include "dialogs/ColumnPanelForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/StreamCopy.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr int kMaxWidth = 9999;

// The alignments in the order the drop-down offers them.
constexpr std::uint8_t kOfferedAlignments[] = {caLeft, caCenter, caRight};

} // namespace

QString AlignmentName(std::uint8_t alignment) {
    switch (alignment) {
    case caRight:
        return "Right";
    case caCenter:
        return "Center";
    default:
        return "Left";
    }
}

TColumnPanelForm::TColumnPanelForm(QWidget* owner, TMode mode, std::vector<TColumnRow> rows)
    : QDialog(owner), mode_(mode), rows_(std::move(rows)) {
    const bool columns = mode == TMode::Columns;
    setObjectName(columns ? "ListViewColumnForm" : "StatusBarForm");
    setWindowTitle(columns ? "ListView Column Editor" : "Status Bar Panels Editor");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    list_ = new QTreeWidget(this);
    list_->setObjectName("RowList");
    list_->setHeaderLabels({"Caption", "Alignment", "Width"});
    list_->setRootIsDecorated(false);
    list_->setColumnWidth(0, 150);
    list_->setColumnWidth(1, 80);
    list_->setColumnWidth(2, 60);
    list_->setMinimumWidth(310);
    left->addWidget(list_);
    auto* fields = new QGridLayout;
    caption_ = new QLineEdit(this);
    alignment_ = new QComboBox(this);
    for (const auto alignment : kOfferedAlignments)
        alignment_->addItem(AlignmentName(alignment), alignment);
    width_ = new QSpinBox(this);
    width_->setRange(1, kMaxWidth);
    fields->addWidget(new QLabel("Caption:", this), 0, 0);
    fields->addWidget(caption_, 0, 1);
    fields->addWidget(new QLabel("Alignment:", this), 1, 0);
    fields->addWidget(alignment_, 1, 1);
    fields->addWidget(new QLabel("Width:", this), 2, 0);
    fields->addWidget(width_, 2, 1);
    left->addLayout(fields);
    layout->addLayout(left);
    auto* buttons = new QVBoxLayout;
    add_ = NamedButton("&Add", "AddButton", this);
    delete_ = NamedButton("&Delete", "DeleteButton", this);
    clear_ = NamedButton("C&lear", "ClearButton", this);
    for (auto* button : {add_, delete_, clear_})
        buttons->addWidget(button);
    buttons->addStretch();
    AddOkCancel(this, buttons);
    layout->addLayout(buttons);

    for (int row = 0; row < static_cast<int>(rows_.size()); ++row)
        ShowRow(row);
    connect(list_, &QTreeWidget::currentItemChanged, this,
            [this] { Select(list_->indexOfTopLevelItem(list_->currentItem())); });
    connect(add_, &QPushButton::clicked, this, &TColumnPanelForm::Add);
    connect(delete_, &QPushButton::clicked, this, &TColumnPanelForm::DeleteSelected);
    connect(clear_, &QPushButton::clicked, this, &TColumnPanelForm::ClearRows);
    connect(caption_, &QLineEdit::textEdited, this, &TColumnPanelForm::EditSelected);
    connect(alignment_, &QComboBox::currentIndexChanged, this, &TColumnPanelForm::EditSelected);
    connect(width_, &QSpinBox::valueChanged, this, &TColumnPanelForm::EditSelected);
    UpdateControls();
}

void TColumnPanelForm::ShowRow(int row) {
    auto* item = list_->topLevelItem(row);
    if (!item) item = new QTreeWidgetItem(list_);
    const auto& shown = rows_[static_cast<std::size_t>(row)];
    item->setText(0, ShownText(shown.Caption));
    item->setText(1, AlignmentName(shown.Alignment));
    item->setText(2, QString::number(shown.Width));
}

void TColumnPanelForm::Select(int row) {
    const QSignalBlocker blockCaption(caption_);
    const QSignalBlocker blockAlignment(alignment_);
    const QSignalBlocker blockWidth(width_);
    loading_ = true;
    if (row >= 0) {
        const auto& shown = rows_[static_cast<std::size_t>(row)];
        caption_->setText(ShownText(shown.Caption));
        alignment_->setCurrentIndex(alignment_->findText(AlignmentName(shown.Alignment)));
        width_->setValue(shown.Width);
    } else {
        caption_->clear();
    }
    loading_ = false;
    UpdateControls();
}

void TColumnPanelForm::Add() {
    TColumnRow row;
    row.Caption = mode_ == TMode::Columns ? "New Column" : "New Panel";
    rows_.push_back(row);
    modified_ = true;
    ShowRow(static_cast<int>(rows_.size()) - 1);
    list_->setCurrentItem(list_->topLevelItem(static_cast<int>(rows_.size()) - 1));
    UpdateControls();
}

void TColumnPanelForm::DeleteSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    rows_.erase(rows_.begin() + row);
    modified_ = true;
    delete list_->takeTopLevelItem(row);
    Select(list_->indexOfTopLevelItem(list_->currentItem()));
}

void TColumnPanelForm::ClearRows() {
    if (rows_.empty()) return;
    rows_.clear();
    modified_ = true;
    list_->clear();
    Select(-1);
}

void TColumnPanelForm::EditSelected() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (loading_ || row < 0) return;
    auto& edited = rows_[static_cast<std::size_t>(row)];
    edited.Caption = StoredText(caption_->text());
    edited.Alignment = static_cast<std::uint8_t>(alignment_->currentData().toInt());
    edited.Width = width_->value();
    modified_ = true;
    ShowRow(row);
}

void TColumnPanelForm::UpdateControls() {
    const bool selected = list_->currentItem() != nullptr;
    for (QWidget* control : {static_cast<QWidget*>(caption_), static_cast<QWidget*>(alignment_),
                             static_cast<QWidget*>(width_), static_cast<QWidget*>(delete_)})
        control->setEnabled(selected);
    clear_->setEnabled(!rows_.empty());
}

namespace {
template <class R>
bool EditRows(QWidget* owner, TColumnPanelForm::TMode mode, std::vector<R>& records,
              std::string R::*caption) {
    std::vector<R> copies;
    if (!CopyRecords(records, copies)) return false;
    std::vector<TColumnRow> rows;
    for (std::size_t i = 0; i < copies.size(); ++i)
        rows.push_back(
            {copies[i].*caption, copies[i].Alignment, copies[i].Width, static_cast<int>(i)});
    TColumnPanelForm form(owner, mode, std::move(rows));
    if (form.exec() != QDialog::Accepted || !form.Modified()) return false;
    std::vector<R> rebuilt;
    for (const auto& row : form.Rows()) {
        R& record = rebuilt.emplace_back(
            row.Origin >= 0 ? copies[static_cast<std::size_t>(row.Origin)] : R{});
        record.*caption = row.Caption;
        record.Alignment = row.Alignment;
        record.Width = row.Width;
    }
    records = std::move(rebuilt);
    return true;
}
} // namespace

bool EditListColumns(QWidget* owner, std::vector<TListColumn>& columns) {
    return EditRows(owner, TColumnPanelForm::TMode::Columns, columns, &TListColumn::Caption);
}

bool EditStatusPanels(QWidget* owner, std::vector<TStatusPanel>& panels) {
    return EditRows(owner, TColumnPanelForm::TMode::Panels, panels, &TStatusPanel::Text);
}

} // namespace brelvane
