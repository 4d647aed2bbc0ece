#include "dialogs/RowListForm.h"

#include "dialogs/DialogSupport.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace brelvane {

TRowListForm::TRowListForm(QWidget* owner, const QStringList& columns, const TCaptions& captions)
    : QDialog(owner) {
    auto* layout = new QHBoxLayout(this);
    list_ = new QTreeWidget(this);
    list_->setRootIsDecorated(false);
    list_->setSelectionBehavior(QAbstractItemView::SelectRows);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setHeaderLabels(columns);
    layout->addWidget(list_);
    auto* buttons = new QVBoxLayout;
    add_ = new QPushButton(captions.Add, this);
    edit_ = new QPushButton(captions.Edit, this);
    delete_ = new QPushButton(captions.Delete, this);
    clear_ = new QPushButton(captions.Clear, this);
    for (auto* button : {add_, edit_, delete_, clear_})
        buttons->addWidget(button);
    buttons->addStretch();
    AddOkCancel(this, buttons);
    layout->addLayout(buttons);
    connect(add_, &QPushButton::clicked, this, [this] { Add(); });
    connect(edit_, &QPushButton::clicked, this, [this] { EditSelected(); });
    connect(delete_, &QPushButton::clicked, this, [this] { DeleteSelected(); });
    connect(clear_, &QPushButton::clicked, this, [this] { ClearRows(); });
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &TRowListForm::UpdateButtons);
}

void TRowListForm::UpdateButtons() {
    const bool selected = !list_->selectedItems().isEmpty();
    edit_->setEnabled(selected);
    delete_->setEnabled(selected);
    clear_->setEnabled(list_->topLevelItemCount() > 0);
}

} // namespace brelvane
