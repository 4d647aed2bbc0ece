#pragma once

#include "dialogs/ActionContext.h"
#include "dialogs/DialogSupport.h"
#include "objects/records/ActionArguments.h"

#include <QDialog>

class QCheckBox;
class QLineEdit;

namespace brelvane {

// "Open/Run File Editor": one entry of an open/run file list.
class TActionFileEditForm : public QDialog {
    Q_OBJECT
public:
    TActionFileEditForm(QWidget* owner, const TActionContext& context, const TFileListEntry& entry);

    // The three texts trimmed, with the wait flag.
    TFileListEntry Entry() const;
    TModifiedFlag& Modified() { return *modified_; }
    void done(int result) override;

    QLineEdit* FileEdit() const { return file_; }
    QLineEdit* ParametersEdit() const { return parameters_; }
    QLineEdit* FolderEdit() const { return folder_; }
    QCheckBox* WaitBox() const { return wait_; }

private:
    void Select();

    const TActionContext& context_;
    TModifiedFlag* modified_ = nullptr;
    QLineEdit* file_ = nullptr;
    QLineEdit* parameters_ = nullptr;
    QLineEdit* folder_ = nullptr;
    QCheckBox* wait_ = nullptr;
};

// True (and `entry` replaced) when accepted and modified.
bool EditFileEntry(QWidget* owner, const TActionContext& context, TFileListEntry& entry);

} // namespace brelvane
