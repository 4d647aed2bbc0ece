#include "dialogs/SelectGroupForm.h"

#include "dialogs/DialogSupport.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace brelvane {

std::vector<std::string> GroupNamesOf(const TAutoObjects& objects) {
    std::vector<std::string> names;
    for (const auto& object : objects) {
        const auto& name = object->Props.GroupName;
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

TSelectGroupForm::TSelectGroupForm(QWidget* owner, const QString& prompt,
                                   const std::vector<std::string>& groups)
    : QDialog(owner) {
    setObjectName("SelectGroupForm");
    setWindowTitle("Select Groups");
    auto* layout = new QVBoxLayout(this);
    prompt_ = new QLabel("Select Groups:", this);
    prompt_->setText(prompt);
    prompt_->setWordWrap(true);
    layout->addWidget(prompt_);
    list_ = new QListWidget(this);
    list_->setObjectName("GroupList");
    for (const auto& group : groups) {
        auto* item = new QListWidgetItem(ShownText(group), list_);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    layout->addWidget(list_);
    auto* buttons = new QHBoxLayout;
    checkAll_ = new QPushButton("Check All", this);
    uncheckAll_ = new QPushButton("Uncheck All", this);
    buttons->addWidget(checkAll_);
    buttons->addWidget(uncheckAll_);
    buttons->addStretch();
    AddOkCancel(this, buttons, "&Cancal");
    layout->addLayout(buttons);
    connect(checkAll_, &QPushButton::clicked, this, [this] { CheckAll(true); });
    connect(uncheckAll_, &QPushButton::clicked, this, [this] { CheckAll(false); });
}

void TSelectGroupForm::CheckAll(bool checked) {
    for (int i = 0; i < list_->count(); ++i)
        list_->item(i)->setCheckState(checked ? Qt::Checked : Qt::Unchecked);
}

std::vector<std::string> TSelectGroupForm::Ticked() const {
    std::vector<std::string> names;
    for (int i = 0; i < list_->count(); ++i)
        if (list_->item(i)->checkState() == Qt::Checked)
            names.push_back(StoredText(list_->item(i)->text()));
    return names;
}

bool SelectGroups(QWidget* owner, const QString& prompt, const std::vector<std::string>& groups,
                  std::vector<std::string>& chosen) {
    TSelectGroupForm form(owner, prompt, groups);
    if (form.exec() != QDialog::Accepted) return false;
    for (auto& name : form.Ticked())
        chosen.push_back(std::move(name));
    return true;
}

} // namespace brelvane
