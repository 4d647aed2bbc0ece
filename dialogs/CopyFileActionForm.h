#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"
#include "objects/records/ActionArguments.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace brelvane {

// The copy-file settings as the dialog reads them: fields in order up to the
// first missing separator, the rest at their defaults.
TCopyThenOpenArgument ReadCopyFileSettings(const std::string& text);

// "Copy file or files in a folder": what to copy where, the prompt, and
// what to open afterwards.
class TCopyFileActionForm : public QDialog {
    Q_OBJECT
public:
    TCopyFileActionForm(QWidget* owner, const TActionContext& context, const std::string& text);

    std::string Text() const;
    TModifiedFlag& Modified() { return *modified_; }

    QLineEdit* SourceEdit() const { return source_; }
    QComboBox* TargetBox() const { return target_; }
    QLabel* TargetLocation() const { return location_; }
    QCheckBox* OverwriteBox() const { return overwrite_; }
    QCheckBox* ShowMessageBox() const { return showMessage_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QLineEdit* MessageEdit() const { return message_; }
    QComboBox* MessageTypeBox() const { return messageType_; }
    QLineEdit* OpenFileEdit() const { return openFile_; }
    QLineEdit* OpenParametersEdit() const { return openParameters_; }
    QLineEdit* OpenFolderEdit() const { return openFolder_; }

private:
    void ShowTargetLocation();
    void ChooseSource(bool folder);

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    // A stored message type the list has no row for is kept as it was.
    std::string unlistedMessageType_;
    QLineEdit* source_ = nullptr;
    QComboBox* target_ = nullptr;
    QLabel* location_ = nullptr;
    QCheckBox* overwrite_ = nullptr;
    QCheckBox* showMessage_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QLineEdit* message_ = nullptr;
    QComboBox* messageType_ = nullptr;
    QLineEdit* openFile_ = nullptr;
    QLineEdit* openParameters_ = nullptr;
    QLineEdit* openFolder_ = nullptr;
};

// True (and `text` replaced) when accepted and modified.
bool EditCopyFileAction(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
