#include "designer/NewLibPageForm.h"

#include "designer/TemplateLibrary.h"
#include "platform/MessageBoxes.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace brelvane {

namespace {
constexpr int kMaxGroupName = 20;
}

TNewLibPageForm::TNewLibPageForm(QWidget* owner, std::string objectsFolder)
    : QDialog(owner), objectsFolder_(std::move(objectsFolder)) {
    setObjectName("NewLibPageForm");
    setWindowTitle("New Object Template Group");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("New Template Group Name", this));
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName("Edit1");
    edit1_->setMaxLength(kMaxGroupName);
    layout->addWidget(edit1_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText("&OK");
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OK");
    buttons->button(QDialogButtonBox::Cancel)->setText("&Cancel");
    connect(buttons, &QDialogButtonBox::accepted, this, &TNewLibPageForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string TNewLibPageForm::GroupName() const {
    return edit1_->text().trimmed().toStdString();
}

void TNewLibPageForm::accept() {
    const auto name = GroupName();
    if (name.empty()) return;
    std::error_code error;
    // A name that cannot be a folder closes the dialog; its folder is then not made.
    if (IsPlainFileName(name) && std::filesystem::exists(objectsFolder_ + "/" + name, error)) {
        platform::ShowInformation(this, "Information",
                                  "\"" + QString::fromStdString(name) + "\" already exists.");
        return;
    }
    QDialog::accept();
}

} // namespace brelvane
