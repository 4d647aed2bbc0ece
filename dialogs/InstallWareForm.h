#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"
#include "storage/ProjectSettings.h"

#include <QDialog>
#include <memory>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

namespace brelvane {

inline constexpr const char* kDefaultInstallPrompt =
    "In order to use this product some additional software must be installed. If this software "
    "is not present your product will not function properly, continue?";

// "Install Software": one install-ware check of the project.
class TInstallWareForm : public QDialog {
    Q_OBJECT
public:
    TInstallWareForm(QWidget* owner, const TActionContext& context, const TInstallWare& ware);

    // The dialog's fields over `ware` (the reserved fields stay).
    void WriteTo(TInstallWare& ware) const;
    TModifiedFlag& Modified() { return *modified_; }
    // OK runs the checks and stays open on the first field at fault.
    void done(int result) override;

    QLineEdit* ExecutableEdit() const { return executable_; }
    QLineEdit* ParametersEdit() const { return parameters_; }
    QLineEdit* StartFolderEdit() const { return startFolder_; }
    QCheckBox* WaitBox() const { return wait_; }
    QComboBox* WhenBox() const { return when_; }
    QComboBox* FileTypeBox() const { return fileType_; }
    QCheckBox* PromptBox() const { return prompt_; }
    QLineEdit* CaptionEdit() const { return caption_; }
    QPlainTextEdit* MessageEdit() const { return message_; }
    QCheckBox* AllowSkipBox() const { return allowSkip_; }

private:
    void Select();
    void UpdateEnabling();
    bool Validate();

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    QLineEdit* executable_ = nullptr;
    QLineEdit* parameters_ = nullptr;
    QLineEdit* startFolder_ = nullptr;
    QCheckBox* wait_ = nullptr;
    QComboBox* when_ = nullptr;
    QComboBox* fileType_ = nullptr;
    QCheckBox* prompt_ = nullptr;
    QLineEdit* caption_ = nullptr;
    QPlainTextEdit* message_ = nullptr;
    QCheckBox* allowSkip_ = nullptr;
};

// A new check when accepted (it counts as changed from the start), else none.
std::unique_ptr<TInstallWare> CreateInstallWare(QWidget* owner, const TActionContext& context);
// True when accepted and modified; `ware` is then updated in place. No
// check gives false at once.
bool EditInstallWare(QWidget* owner, const TActionContext& context, TInstallWare* ware);

} // namespace brelvane
