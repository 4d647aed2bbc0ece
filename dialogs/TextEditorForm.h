#pragma once

#include <QDialog>
#include <functional>
#include <optional>
#include <string>

class QPlainTextEdit;

namespace brelvane {

// Where the text editor loads from and saves to; tests install scripted
// answers. Nothing when the user cancels.
struct TTextFilePrompts {
    std::function<std::optional<QString>(QWidget* owner)> Open;
    std::function<std::optional<QString>(QWidget* owner)> Save;
};
// The platform's file dialogs, filtered to text files.
TTextFilePrompts DesktopTextFilePrompts();

// "Text Editor": a multi-line text edited as lines.
class TTextEditorForm : public QDialog {
    Q_OBJECT
public:
    TTextEditorForm(QWidget* owner, const std::string& text, TTextFilePrompts prompts);

    // The lines joined with CR LF.
    std::string Text() const;
    bool Changed() const { return changed_; }
    QPlainTextEdit* Memo() const { return memo_; }

private:
    void Load();
    void SaveAs();

    TTextFilePrompts prompts_;
    bool changed_ = false;
    QPlainTextEdit* memo_ = nullptr;
};

// True (and `text` replaced) when accepted and changed.
bool EditText(QWidget* owner, std::string& text,
              TTextFilePrompts prompts = DesktopTextFilePrompts());

} // namespace brelvane
