#include "dialogs/TextEditorForm.h"

#include "dialogs/DialogSupport.h"
#include "dialogs/EditorFiles.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr const char* kTextFilter = "Text file (*.txt)";
} // namespace

TTextFilePrompts DesktopTextFilePrompts() {
    return {[](QWidget* owner) -> std::optional<QString> {
                const auto file = QFileDialog::getOpenFileName(owner, {}, {}, kTextFilter);
                if (file.isEmpty()) return std::nullopt;
                return file;
            },
            [](QWidget* owner) -> std::optional<QString> {
                const auto file = QFileDialog::getSaveFileName(owner, {}, {}, kTextFilter);
                if (file.isEmpty()) return std::nullopt;
                return file;
            }};
}

TTextEditorForm::TTextEditorForm(QWidget* owner, const std::string& text, TTextFilePrompts prompts)
    : QDialog(owner), prompts_(std::move(prompts)) {
    setObjectName("TextEditorForm");
    setWindowTitle("Text Editor");
    auto* layout = new QHBoxLayout(this);
    memo_ = new QPlainTextEdit(MemoText(text), this);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setMinimumSize(360, 240);
    layout->addWidget(memo_);
    auto* buttons = new QVBoxLayout;
    auto* load = new QPushButton("&Load...", this);
    auto* save = new QPushButton("&Save As...", this);
    auto* clear = new QPushButton("Clear", this);
    for (auto* button : {load, save, clear})
        buttons->addWidget(button);
    buttons->addStretch();
    AddOkCancel(this, buttons);
    layout->addLayout(buttons);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(load, &QPushButton::clicked, this, &TTextEditorForm::Load);
    connect(save, &QPushButton::clicked, this, &TTextEditorForm::SaveAs);
    connect(clear, &QPushButton::clicked, this, [this] {
        memo_->clear();
        changed_ = true;
    });
}

std::string TTextEditorForm::Text() const {
    return StoredMemoText(memo_->toPlainText());
}

void TTextEditorForm::Load() {
    const auto file = prompts_.Open ? prompts_.Open(this) : std::nullopt;
    if (!file) return;
    const auto bytes = ReadEditorFile(this, *file);
    if (!bytes) return;
    memo_->setPlainText(MemoText(*bytes));
    changed_ = true;
}

void TTextEditorForm::SaveAs() {
    const auto file = prompts_.Save ? prompts_.Save(this) : std::nullopt;
    if (!file) return;
    WriteEditorFile(this, *file, Text());
}

bool EditText(QWidget* owner, std::string& text, TTextFilePrompts prompts) {
    TTextEditorForm form(owner, text, std::move(prompts));
    if (form.exec() != QDialog::Accepted || !form.Changed()) return false;
    text = form.Text();
    return true;
}

} // namespace brelvane
