#pragma once

#include <QDialog>
#include <QObject>
#include <QString>
#include <string>

class QBoxLayout;
class QCheckBox;
class QLabel;
class QComboBox;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QWidget;

namespace brelvane {

// Stored ANSI bytes shown in a control, and back.
QString ShownText(const std::string& stored);
std::string StoredText(const QString& shown);
// A stored multi-line text (lines ended by CR LF, or a lone LF) as a memo
// shows it, and a memo's text stored with CR LF line ends.
QString MemoText(const std::string& stored);
std::string StoredMemoText(const QString& shown);

// The folder part of a stored path with its trailing backslash ("\" for a
// file at the root of the base folder).
std::string FolderOfPath(const std::string& path);
// Whether a chosen file is the player itself at the root of the base folder.
bool IsRootAutorun(const std::string& file);
// Tells the user that a file list may not run the player itself.
void RefuseAutorun(QWidget* owner);

// A stored path as the dialogs keep it: trimmed, with a leading backslash
// when not empty.
std::string WithLeadingBackslash(const std::string& path);

// The conversion failure of a settings number that is not decimal text.
void ReportBadNumber(QWidget* owner, const std::string& piece);

// "&OK" (default) and a cancel button at the end of `layout`, wired to the
// dialog's accept and reject; returns the OK button.
QPushButton* AddOkCancel(QDialog* dialog, QBoxLayout* layout,
                         const QString& cancelCaption = QStringLiteral("&Cancel"));

// A push button with an object name that tests and scripts find it by.
QPushButton* NamedButton(const QString& caption, const char* name, QWidget* parent);
// "&OK" and "&Cancel" at the right end of a row appended to `layout`.
void AddOkCancelRow(QDialog* dialog, QBoxLayout* layout);
// A framed square in which an item's picture is shown stretched.
QLabel* PictureBox(const char* name, QWidget* parent);

// The modified flag of a dialog: any edit, click or choice in a watched
// control sets it; the entry operation clears it just before showing.
class TModifiedFlag : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    void Watch(QLineEdit* edit);
    void Watch(QComboBox* combo);
    void Watch(QCheckBox* box);
    void Watch(QSpinBox* spin);
    void Set() { modified_ = true; }
    void Clear() { modified_ = false; }
    bool IsSet() const { return modified_; }

private:
    bool modified_ = false;
};

// Shows a settings dialog with its modified flag cleared; when it is accepted
// and modified, `text` takes the dialog's new text.
template <class Form> bool AcceptModifiedText(Form& form, std::string& text) {
    form.Modified().Clear();
    if (form.exec() != QDialog::Accepted || !form.Modified().IsSet()) return false;
    text = form.Text();
    return true;
}

// Shows a dialog; when it is accepted and its text differs, `text` takes it.
template <class Form> bool AcceptChangedText(Form& form, std::string& text) {
    if (form.exec() != QDialog::Accepted) return false;
    auto result = form.Text();
    if (result == text) return false;
    text = std::move(result);
    return true;
}

} // namespace brelvane
