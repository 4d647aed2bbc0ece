#include "dialogs/ActionEditorForm.h"

#include "dialogs/ActionFileForm.h"
#include "dialogs/ActionTypes.h"
#include "dialogs/CopyFileActionForm.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/LaunchSlideShowActionForm.h"
#include "dialogs/ObjectLoadFileActionForm.h"
#include "dialogs/ShowHideForm.h"
#include "objects/records/ObjectKinds.h"
#include "storage/ProjectIndex.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace brelvane {

namespace {
bool SameAction(const TCommand& a, const TCommand& b) {
    return a.ActionType == b.ActionType && a.ActionFile == b.ActionFile &&
           a.ShowCommand == b.ShowCommand && a.ActionParams == b.ActionParams &&
           a.ActionDir == b.ActionDir;
}

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return ShownText(a).compare(ShownText(b), Qt::CaseInsensitive) == 0;
}
} // namespace

TActionEditorForm::TActionEditorForm(QWidget* owner, const TActionContext& context,
                                     const TCommand& command)
    : QDialog(owner), context_(context), working_(command) {
    setObjectName("ActionEditorForm");
    setWindowTitle("Action Editor");
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    actions_ = new QComboBox(this);
    actions_->setObjectName("ActionList");
    actions_->setMaxVisibleItems(16);
    for (const int type : kOfferedActionTypes)
        actions_->addItem(QString::fromLatin1(ActionTypeName(type)), type);
    grid->addWidget(new QLabel("ClickAction:", this), 0, 0);
    grid->addWidget(actions_, 0, 1, 1, 2);
    fileLabel_ = new QLabel("FileName:", this);
    file_ = new QComboBox(this);
    file_->setObjectName("FileBox");
    file_->setEditable(true);
    file_->setInsertPolicy(QComboBox::NoInsert);
    file_->setMinimumWidth(260);
    browse_ = new QPushButton("...", this);
    browse_->setObjectName("BrowseButton");
    browse_->setFixedWidth(28);
    grid->addWidget(fileLabel_, 1, 0);
    grid->addWidget(file_, 1, 1);
    grid->addWidget(browse_, 1, 2);
    layout->addLayout(grid);
    layout->addStretch();
    AddOkCancel(this, layout);

    connect(actions_, &QComboBox::currentIndexChanged, this, &TActionEditorForm::ChooseType);
    connect(file_, &QComboBox::currentTextChanged, this, &TActionEditorForm::FileTextEdited);
    connect(browse_, &QPushButton::clicked, this, &TActionEditorForm::Browse);
    Refresh();
}

void TActionEditorForm::WriteTo(TCommand& command) const {
    command.ActionType = working_.ActionType;
    command.ActionFile = working_.ActionFile;
    command.ShowCommand = working_.ShowCommand;
    command.ActionParams = working_.ActionParams;
    command.ActionDir = working_.ActionDir;
}

void TActionEditorForm::ChooseType(int row) {
    if (refreshing_ || row < 0) return;
    working_.ActionType = static_cast<std::uint8_t>(actions_->itemData(row).toInt());
    working_.ActionFile.clear();
    working_.ActionParams.clear();
    working_.ActionDir.clear();
    Refresh();
}

void TActionEditorForm::FileTextEdited(const QString& text) {
    if (refreshing_ || IsSettingsType(working_.ActionType) || !file_->isEnabled()) return;
    working_.ActionFile = StoredText(text);
}

void TActionEditorForm::ShowEditable(const QStringList& names, bool browse) {
    file_->setEnabled(true);
    file_->setEditable(true);
    file_->addItems(names);
    file_->setEditText(ShownText(working_.ActionFile));
    browse_->setEnabled(browse);
}

QStringList TActionEditorForm::PageNames(bool withMainPage) const {
    QStringList names;
    for (const auto& page : context_.Pages) {
        const bool offered = page.Kind == pkSubPage || (withMainPage && page.Kind == pkMainPage);
        if (offered && !SameNameIgnoringCase(page.Name, context_.PageName))
            names << ShownText(page.Name);
    }
    return names;
}

QStringList TActionEditorForm::PlayableObjectNames() const {
    QStringList names;
    for (const auto& object : context_.Objects)
        if (object.Kind == okSlideShow || object.Kind == okMediaPlayer)
            names << ShownText(object.Name);
    return names;
}

void TActionEditorForm::Refresh() {
    const QSignalBlocker blockActions(actions_);
    const QSignalBlocker blockFile(file_);
    refreshing_ = true;
    const int type = working_.ActionType;
    actions_->setCurrentIndex(actions_->findText(QString::fromLatin1(ActionTypeName(type))));
    fileLabel_->setText(QString::fromLatin1(FileFieldCaption(type)) + ":");
    file_->clear();
    switch (type) {
    case 1:
    case 15:
    case 17:
    case 26:
    case 27:
        file_->setEditText(ShownText(ShownFileField(type, working_.ActionFile)));
        file_->setEnabled(false);
        browse_->setEnabled(true);
        break;
    case 2:
    case 3:
    case 16:
        ShowEditable({}, false);
        break;
    case 4:
    case 5:
    case 7:
    case 13:
    case 14:
        ShowEditable({}, true);
        break;
    case 6:
    case 12:
        ShowEditable(PageNames(type == 12), false);
        break;
    case 19:
    case 20:
    case 21:
    case 22:
    case 23:
    case 24:
    case 25:
        ShowEditable(PlayableObjectNames(), false);
        break;
    default:
        file_->setEditText({});
        file_->setEnabled(false);
        browse_->setEnabled(false);
        break;
    }
    refreshing_ = false;
}

void TActionEditorForm::Browse() {
    const int type = working_.ActionType;
    // Pickers may leave their start path changed when cancelled.
    std::string text = working_.ActionFile;
    bool changed = false;
    switch (type) {
    case 1:
        changed = EditFileList(this, context_, text);
        break;
    case 15:
        changed = EditSlideShowAction(this, context_, text);
        break;
    case 17:
        changed = EditCopyFileAction(this, context_, text);
        break;
    case 26:
        changed = EditLoadFileAction(this, context_, text);
        break;
    case 27:
        changed = EditShowHideAction(this, context_, text);
        break;
    case 4:
        changed = context_.ChooseFile(text, TFilePurpose::Sound);
        break;
    case 5:
        changed = context_.ChooseFile(text, TFilePurpose::Document);
        break;
    case 13:
        changed = context_.ChooseFile(text, TFilePurpose::Picture);
        break;
    case 14:
        changed = context_.ChooseFile(text, TFilePurpose::Media);
        break;
    case 7:
        changed = context_.ChooseFolder(text);
        break;
    default:
        break;
    }
    if (!changed) return;
    working_.ActionFile = text;
    const QSignalBlocker block(file_);
    file_->setEditText(ShownText(ShownFileField(type, text)));
}

bool EditAction(QWidget* owner, const TActionContext& context, TCommand& command) {
    TActionEditorForm form(owner, context, command);
    if (form.exec() != QDialog::Accepted || SameAction(form.Working(), command)) return false;
    form.WriteTo(command);
    return true;
}

} // namespace brelvane
