#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QAction;
class QComboBox;
class QSpinBox;
class QTextCharFormat;
class QTextEdit;
class QToolBar;

namespace brelvane {

class TColorBox;

// Where the rich editor loads from and saves to; tests install scripted
// answers. Nothing when the user cancels.
struct TRichFilePrompts {
    std::function<std::optional<QString>(QWidget* owner)> Open;
    std::function<std::optional<QString>(QWidget* owner)> Save;
};
// The platform's file dialogs, starting in the program's folder.
TRichFilePrompts DesktopRichFilePrompts();

// "Rich Editor": the content of a rich-text object. Made once when the
// designer starts; each call of Edit replaces what it shows.
class TRichEditorForm : public QDialog {
    Q_OBJECT
public:
    explicit TRichEditorForm(QWidget* owner, TRichFilePrompts prompts = DesktopRichFilePrompts());

    // Shows `content` (rich text, or plain text when `plainText`); true and
    // `content` replaced when accepted with the modified mark set. Plain
    // content stays plain.
    bool Edit(std::string& content, bool plainText);

    // Fills the editor as Edit does, without showing it.
    void Open(const std::string& content);
    // The editor's content as stored rich text.
    std::string Content() const;
    bool Modified() const;

    QTextEdit* Editor() const { return editor_; }
    QAction* Command(const QString& caption) const;
    QComboBox* FontNames() const { return fontNames_; }
    QSpinBox* FontSize() const { return fontSize_; }

private:
    void BuildToolBar(QToolBar* bar, QToolBar* paragraphBar);
    void MergeFormat(const QTextCharFormat& format);
    void ShowFormat();
    void UpdateEnabling();
    void SetBullets(bool on);
    void Load();
    void SaveAs();
    void Clear();

    TRichFilePrompts prompts_;
    QTextEdit* editor_ = nullptr;
    QComboBox* fontNames_ = nullptr;
    QSpinBox* fontSize_ = nullptr;
    TColorBox* fontColor_ = nullptr;
    bool showing_ = false;
};

} // namespace brelvane
