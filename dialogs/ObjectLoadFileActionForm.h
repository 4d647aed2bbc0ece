#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"

#include <QDialog>

class QComboBox;
class QLineEdit;

namespace brelvane {

// "Load file with object": which object of the page loads which file.
class TObjectLoadFileActionForm : public QDialog {
    Q_OBJECT
public:
    TObjectLoadFileActionForm(QWidget* owner, const TActionContext& context,
                              const std::string& text);

    std::string Text() const;
    TModifiedFlag& Modified() { return *modified_; }
    QComboBox* ObjectBox() const { return object_; }
    QLineEdit* FileEdit() const { return file_; }

private:
    void Choose(bool folder);

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    QComboBox* object_ = nullptr;
    QLineEdit* file_ = nullptr;
};

// True (and `text` replaced) when accepted and modified.
bool EditLoadFileAction(QWidget* owner, const TActionContext& context, std::string& text);

} // namespace brelvane
