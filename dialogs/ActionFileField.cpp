#include "dialogs/ActionFileField.h"

#include "dialogs/ActionFileForm.h"
#include "dialogs/ActionGroupForm.h"
#include "dialogs/ActionIcons.h"
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
#include <QPushButton>
#include <QSignalBlocker>

namespace brelvane {

namespace {
bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return ShownText(a).compare(ShownText(b), Qt::CaseInsensitive) == 0;
}
} // namespace

TActionFileField::TActionFileField(QWidget* parent, const TActionContext& context)
    : QObject(parent), context_(context) {
    label_ = new QLabel("FileName:", parent);
    box_ = new QComboBox(parent);
    box_->setObjectName("FileBox");
    box_->setEditable(true);
    box_->setInsertPolicy(QComboBox::NoInsert);
    box_->setMinimumWidth(260);
    button_ = new QPushButton("...", parent);
    button_->setObjectName("BrowseButton");
    button_->setFixedWidth(28);
    connect(box_, &QComboBox::currentTextChanged, this, &TActionFileField::TextEdited);
    connect(button_, &QPushButton::clicked, this, &TActionFileField::Browse);
}

void TActionFileField::Show(TCommand* command) {
    command_ = command;
    Refresh();
}

void TActionFileField::TextEdited(const QString& text) {
    if (refreshing_ || !command_ || IsSettingsType(command_->ActionType) || !box_->isEnabled())
        return;
    command_->ActionFile = StoredText(text);
    emit Edited();
}

void TActionFileField::ShowEditable(const QStringList& names, bool browse) {
    box_->setEnabled(true);
    box_->setEditable(true);
    box_->addItems(names);
    box_->setEditText(ShownText(command_->ActionFile));
    button_->setEnabled(browse);
}

QStringList TActionFileField::PageNames(bool withMainPage) const {
    QStringList names;
    for (const auto& page : context_.Pages) {
        const bool offered = page.Kind == pkSubPage || (withMainPage && page.Kind == pkMainPage);
        if (offered && !SameNameIgnoringCase(page.Name, context_.PageName))
            names << ShownText(page.Name);
    }
    return names;
}

QStringList TActionFileField::PlayableObjectNames() const {
    QStringList names;
    for (const auto& object : context_.Objects)
        if (object.Kind == okSlideShow || object.Kind == okMediaPlayer)
            names << ShownText(object.Name);
    return names;
}

void TActionFileField::Refresh() {
    const QSignalBlocker block(box_);
    refreshing_ = true;
    const int type = command_ ? command_->ActionType : 0;
    label_->setText(QString::fromLatin1(FileFieldCaption(type)) + ":");
    box_->clear();
    switch (command_ ? type : -1) {
    case 1:
    case 15:
    case 17:
    case 26:
    case 27:
    case kActionGroupType:
        box_->setEditText(ShownText(ShownFileField(type, command_->ActionFile)));
        box_->setEnabled(false);
        button_->setEnabled(true);
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
        box_->setEditText({});
        box_->setEnabled(false);
        button_->setEnabled(false);
        break;
    }
    refreshing_ = false;
}

void TActionFileField::Browse() {
    if (!command_) return;
    const int type = command_->ActionType;
    auto* owner = qobject_cast<QWidget*>(parent());
    // Pickers may leave their start path changed when cancelled.
    std::string text = command_->ActionFile;
    bool changed = false;
    switch (type) {
    case 1:
        changed = EditFileList(owner, context_, text);
        break;
    case 15:
        changed = EditSlideShowAction(owner, context_, text);
        break;
    case 17:
        changed = EditCopyFileAction(owner, context_, text);
        break;
    case 26:
        changed = EditLoadFileAction(owner, context_, text);
        break;
    case 27:
        changed = EditShowHideAction(owner, context_, text);
        break;
    case kActionGroupType:
        changed = EditActionGroup(owner, context_, text);
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
    command_->ActionFile = text;
    {
        const QSignalBlocker block(box_);
        box_->setEditText(ShownText(ShownFileField(type, text)));
    }
    emit Edited();
}

TActionRows AddActionRows(QWidget* owner, QGridLayout* grid, const TActionContext& context) {
    auto* actions = new QComboBox(owner);
    actions->setObjectName("ActionList");
    actions->setMaxVisibleItems(16);
    for (const int type : kOfferedActionTypes)
        actions->addItem(ActionIcon(type), QString::fromLatin1(ActionTypeName(type)), type);
    grid->addWidget(new QLabel("ClickAction:", owner), 0, 0);
    grid->addWidget(actions, 0, 1, 1, 2);
    auto* file = new TActionFileField(owner, context);
    grid->addWidget(file->Label(), 1, 0);
    grid->addWidget(file->Box(), 1, 1);
    grid->addWidget(file->Button(), 1, 2);
    return {actions, file};
}

} // namespace brelvane
