#include "dialogs/DialogSupport.h"

#include "objects/records/ActionArguments.h"
#include "platform/MessageBoxes.h"
#include "render/AnsiText.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <algorithm>
#include <cctype>

namespace brelvane {

QString ShownText(const std::string& stored) {
    return FromAnsi(stored);
}

std::string StoredText(const QString& shown) {
    return ToAnsi(shown);
}

QString MemoText(const std::string& stored) {
    auto shown = ShownText(stored);
    shown.replace("\r\n", "\n");
    return shown;
}

std::string StoredMemoText(const QString& shown) {
    auto text = shown;
    text.replace("\n", "\r\n");
    return StoredText(text);
}

std::string FolderOfPath(const std::string& path) {
    const auto slash = path.find_last_of("\\/:");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool IsRootAutorun(const std::string& file) {
    auto name = Trimmed(file);
    std::transform(name.begin(), name.end(), name.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return name == "\\autorun.exe" || name == "autorun.exe";
}

void RefuseAutorun(QWidget* owner) {
    platform::ShowInformation(owner, "Information", "The file can not be \"autorun.exe\".");
}

std::string WithLeadingBackslash(const std::string& path) {
    auto trimmed = Trimmed(path);
    if (!trimmed.empty() && trimmed.front() != '\\') trimmed.insert(0, 1, '\\');
    return trimmed;
}

void ReportBadNumber(QWidget* owner, const std::string& piece) {
    platform::ShowErrorBox(owner, "'" + ShownText(piece) + "' is not a valid integer value");
}

QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout, const QString& cancelCaption) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    auto* ok = new QPushButton("&OK", dialog);
    ok->setObjectName("OkButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(cancelCaption, dialog);
    cancel->setObjectName("CancelButton");
    row->addWidget(ok);
    row->addWidget(cancel);
    layout->addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, dialog, &QDialog::reject);
    return ok;
}

QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

void AddOkCancelRow(QDialog* dialog, QBoxLayout* layout) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    AddOkCancel(dialog, row);
    layout->addLayout(row);
}

QLabel* PictureBox(const char* name, QWidget* parent) {
    constexpr int kSide = 48;
    auto* box = new QLabel(parent);
    box->setObjectName(name);
    box->setFixedSize(kSide, kSide);
    box->setFrameShape(QFrame::Box);
    box->setScaledContents(true);
    return box;
}

void TModifiedFlag::Watch(QLineEdit* edit) {
    connect(edit, &QLineEdit::textEdited, this, &TModifiedFlag::Set);
}

void TModifiedFlag::Watch(QComboBox* combo) {
    connect(combo, &QComboBox::currentIndexChanged, this, &TModifiedFlag::Set);
    if (combo->isEditable())
        connect(combo->lineEdit(), &QLineEdit::textEdited, this, &TModifiedFlag::Set);
}

void TModifiedFlag::Watch(QCheckBox* box) {
    connect(box, &QCheckBox::clicked, this, &TModifiedFlag::Set);
}

void TModifiedFlag::Watch(QSpinBox* spin) {
    connect(spin, &QSpinBox::valueChanged, this, &TModifiedFlag::Set);
}

} // namespace brelvane
