#include "designer/NewProjectForm.h"

#include "designer/ProjectSaver.h"
#include "platform/MessageBoxes.h"
#include "storage/FilePaths.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <filesystem>

namespace brelvane {

namespace {
// Rows in the order of the dialog, which is also the order of checking and creating.
constexpr std::array<std::uint8_t, 6> kRowKinds{pkMainPage,      pkSplashScreen, pkScreenBackground,
                                                pkAgreementForm, pkSecurityForm, pkExitForm};

void Tell(QWidget* owner, const QString& text) {
    platform::ShowInformation(owner, "Information", text);
}
} // namespace

TNewProjectForm::TNewProjectForm(QWidget* owner, const std::string& folder,
                                 std::function<std::string(const std::string&)> browse,
                                 std::function<std::string(std::uint8_t)> pickTemplate)
    : QDialog(owner), browse_(std::move(browse)), pickTemplate_(std::move(pickTemplate)) {
    setObjectName("NewProjectForm");
    setWindowTitle("New Project");
    auto* layout = new QVBoxLayout(this);

    auto* folderGroup = new QGroupBox(
        "Project folder (CD-ROM Base folder, all the files and sub folders in it will be burned "
        "to CD)",
        this);
    auto* folderRow = new QHBoxLayout(folderGroup);
    edit1_ = new QLineEdit(QString::fromStdString(folder), folderGroup);
    edit1_->setObjectName("Edit1");
    auto* select = new QPushButton("Select Folder...", folderGroup);
    select->setObjectName("SelectFolderButton");
    folderRow->addWidget(edit1_, 1);
    folderRow->addWidget(select);
    connect(select, &QPushButton::clicked, this, [this] {
        auto chosen = browse_(edit1_->text().trimmed().toStdString());
        if (chosen.size() > 1 && chosen.back() == '/') chosen.pop_back();
        if (!chosen.empty()) edit1_->setText(QString::fromStdString(chosen));
    });
    layout->addWidget(folderGroup);

    auto* pagesGroup = new QGroupBox("Include Pages", this);
    auto* grid = new QGridLayout(pagesGroup);
    for (std::size_t i = 0; i < kRowKinds.size(); ++i) {
        auto& row = rows_[i];
        row.Kind = kRowKinds[i];
        const QString name = QString::fromUtf8(PageKindName(row.Kind).data(),
                                               static_cast<int>(PageKindName(row.Kind).size()));
        row.Include = new QCheckBox(name, pagesGroup);
        row.Include->setChecked(row.Kind == pkMainPage || row.Kind == pkSplashScreen ||
                                row.Kind == pkScreenBackground);
        row.Include->setEnabled(row.Kind != pkMainPage);
        row.Blank = new QCheckBox("Blank Page", pagesGroup);
        row.Blank->setChecked(true);
        row.SelectTemplate = new QPushButton("Select Template...", pagesGroup);
        row.TemplateName = new QLineEdit(pagesGroup);
        row.TemplateName->setReadOnly(true);
        connect(row.SelectTemplate, &QPushButton::clicked, this, [this, &row] {
            const auto path = pickTemplate_(row.Kind);
            if (path.empty()) return;
            row.TemplatePath = path;
            row.TemplateName->setText(
                QString::fromStdString(std::filesystem::path(path).filename().string()));
            row.Blank->setChecked(false);
        });
        const auto sync = [&row] {
            row.Blank->setEnabled(row.Include->isChecked());
            row.SelectTemplate->setEnabled(row.Include->isChecked());
        };
        connect(row.Include, &QCheckBox::toggled, this, sync);
        sync();
        const int line = static_cast<int>(i);
        grid->addWidget(row.Include, line, 0);
        grid->addWidget(row.Blank, line, 1);
        grid->addWidget(row.SelectTemplate, line, 2);
        grid->addWidget(row.TemplateName, line, 3);
    }
    auto* subPages = new QCheckBox("Sub Pages", pagesGroup);
    subPages->setEnabled(false);
    const int last = static_cast<int>(kRowKinds.size());
    grid->addWidget(subPages, last, 0);
    grid->addWidget(new QLabel("Note: You can press Add Page BUTTON to create sub pages (and other "
                               "pages) after the project created.",
                               pagesGroup),
                    last, 1, 1, 3);
    layout->addWidget(pagesGroup);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &TNewProjectForm::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
}

std::string TNewPageRow::ChosenTemplate() const {
    return Blank->isChecked() ? std::string() : TemplatePath;
}

TNewPageRow& TNewProjectForm::Row(std::uint8_t kind) {
    for (auto& row : rows_)
        if (row.Kind == kind) return row;
    return rows_.front();
}

std::string TNewProjectForm::Folder() const {
    auto folder = edit1_->text().trimmed().toStdString();
    if (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::vector<const TNewPageRow*> TNewProjectForm::IncludedRows() const {
    std::vector<const TNewPageRow*> included;
    for (const auto& row : rows_)
        if (row.Include->isChecked()) included.push_back(&row);
    return included;
}

void TNewProjectForm::accept() {
    const auto folder = Folder();
    if (folder.empty()) {
        Tell(this, "Please input, select or create CD-ROM Base folder.");
        edit1_->setFocus();
        return;
    }
    if (!FolderExists(folder)) {
        Tell(this, "The CD-ROM Base folder does not exists.");
        edit1_->setFocus();
        return;
    }
    for (const auto* row : IncludedRows()) {
        if (!row->Blank->isChecked() && row->TemplatePath.empty()) {
            Tell(this, "\"Blank Page\" not checked, please select template.");
            row->SelectTemplate->setFocus();
            return;
        }
    }
    if (FileExists(IndexPathOf(folder)) &&
        !platform::AskYesNo(this, "Confirm", "The project file exists, overwrite?"))
        return;
    QDialog::accept();
}

} // namespace brelvane
