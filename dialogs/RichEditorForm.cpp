#include "dialogs/RichEditorForm.h"

#include "dialogs/ColorBox.h"
#include "dialogs/DialogSupport.h"
#include "dialogs/EditorFiles.h"
#include "platform/MessageBoxes.h"
#include "render/RtfTextDocument.h"
#include "render/SystemColors.h"
#include "storage/rtf/RtfPlainText.h"
#include "storage/rtf/RtfWriter.h"

#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextList>
#include <QToolBar>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr const char* kRichFilter = "Rich Text Files (*.rtf);;Text Files (*.txt)";
constexpr int kSideMargin = 6;

QString ProgramFolder() {
    return QCoreApplication::applicationDirPath();
}

// The editing area keeps its side margins whatever the content brought.
// The content was replaced, so there is nothing to undo, not even this.
void KeepMargins(QTextDocument& document) {
    auto format = document.rootFrame()->frameFormat();
    format.setLeftMargin(kSideMargin);
    format.setRightMargin(kSideMargin);
    document.rootFrame()->setFrameFormat(format);
    document.clearUndoRedoStacks();
}

const QFont& DefaultFont() {
    static const QFont font("MS Sans Serif", 8);
    return font;
}

// New text in an empty editor takes the default attributes.
void UseDefaultFont(QTextEdit& editor) {
    QTextCharFormat format;
    format.setFont(DefaultFont());
    auto cursor = editor.textCursor();
    cursor.setBlockCharFormat(format);
    editor.setCurrentCharFormat(format);
    editor.document()->clearUndoRedoStacks();
}
} // namespace

TRichFilePrompts DesktopRichFilePrompts() {
    return {[](QWidget* owner) -> std::optional<QString> {
                const auto file =
                    QFileDialog::getOpenFileName(owner, {}, ProgramFolder(), kRichFilter);
                if (file.isEmpty()) return std::nullopt;
                return file;
            },
            [](QWidget* owner) -> std::optional<QString> {
                const auto file =
                    QFileDialog::getSaveFileName(owner, {}, ProgramFolder(), kRichFilter);
                if (file.isEmpty()) return std::nullopt;
                return file;
            }};
}

TRichEditorForm::TRichEditorForm(QWidget* owner, TRichFilePrompts prompts)
    : QDialog(owner), prompts_(std::move(prompts)) {
    setObjectName("RichEditorForm");
    setWindowTitle("Rich Editor");
    auto* layout = new QHBoxLayout(this);
    auto* left = new QVBoxLayout;
    // One flat tool bar, in two rows so that it fits the editing area.
    auto* bar = new QToolBar(this);
    bar->setObjectName("ToolBar");
    auto* paragraphBar = new QToolBar(this);
    editor_ = new QTextEdit(this);
    editor_->setAcceptRichText(true);
    editor_->document()->setDefaultFont(DefaultFont());
    editor_->setMinimumSize(600, 320);
    BuildToolBar(bar, paragraphBar);
    left->addWidget(bar);
    left->addWidget(paragraphBar);
    left->addWidget(editor_, 1);
    layout->addLayout(left, 1);

    auto* right = new QVBoxLayout;
    auto* note = new QLabel("Note:               To change font properties, select part of the "
                            "text first, then change the font properties of the selected item ",
                            this);
    note->setWordWrap(true);
    note->setMaximumWidth(120);
    right->addWidget(note);
    AddOkCancel(this, right);
    auto* load = new QPushButton("&Load...", this);
    auto* save = new QPushButton("&Save As...", this);
    auto* clear = new QPushButton("Clear", this);
    for (auto* button : {load, save, clear})
        right->addWidget(button);
    right->addStretch();
    layout->addLayout(right);
    connect(load, &QPushButton::clicked, this, &TRichEditorForm::Load);
    connect(save, &QPushButton::clicked, this, &TRichEditorForm::SaveAs);
    connect(clear, &QPushButton::clicked, this, &TRichEditorForm::Clear);

    connect(editor_, &QTextEdit::currentCharFormatChanged, this, &TRichEditorForm::ShowFormat);
    connect(editor_, &QTextEdit::cursorPositionChanged, this, &TRichEditorForm::ShowFormat);
    connect(editor_, &QTextEdit::copyAvailable, this, &TRichEditorForm::UpdateEnabling);
    connect(editor_, &QTextEdit::undoAvailable, this, &TRichEditorForm::UpdateEnabling);
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this,
            &TRichEditorForm::UpdateEnabling);
    KeepMargins(*editor_->document());
    ShowFormat();
    UpdateEnabling();
}

void TRichEditorForm::BuildToolBar(QToolBar* bar, QToolBar* paragraphBar) {
    fontNames_ = new QComboBox(bar);
    fontNames_->setObjectName("FontName");
    auto families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    fontNames_->addItems(families);
    fontNames_->setEditable(true);
    fontNames_->setInsertPolicy(QComboBox::NoInsert);
    fontNames_->setMaximumWidth(160);
    bar->addWidget(fontNames_);
    fontSize_ = new QSpinBox(bar);
    fontSize_->setObjectName("FontSize");
    fontSize_->setRange(1, 1638);
    bar->addWidget(fontSize_);
    fontColor_ = new TColorBox(bar);
    fontColor_->setMaximumWidth(120);
    bar->addWidget(fontColor_);
    connect(fontNames_, &QComboBox::textActivated, this, [this](const QString& family) {
        QTextCharFormat format;
        format.setFontFamilies({family});
        MergeFormat(format);
    });
    connect(fontSize_, &QSpinBox::valueChanged, this, [this](int points) {
        if (showing_) return;
        QTextCharFormat format;
        format.setFontPointSize(points);
        MergeFormat(format);
    });
    connect(fontColor_, &TColorBox::ValueChosen, this, [this](std::int32_t value) {
        QTextCharFormat format;
        format.setForeground(ResolveColor(value));
        MergeFormat(format);
    });

    QToolBar* target = bar;
    const auto add = [this, &target](const QString& caption, auto act) {
        auto* action = target->addAction(caption);
        action->setObjectName(caption);
        connect(action, &QAction::triggered, this, act);
        return action;
    };
    add("Bold", [this](bool on) {
        QTextCharFormat format;
        format.setFontWeight(on ? QFont::Bold : QFont::Normal);
        MergeFormat(format);
    })->setCheckable(true);
    add("Italic", [this](bool on) {
        QTextCharFormat format;
        format.setFontItalic(on);
        MergeFormat(format);
    })->setCheckable(true);
    add("Underline", [this](bool on) {
        QTextCharFormat format;
        format.setFontUnderline(on);
        MergeFormat(format);
    })->setCheckable(true);
    target = paragraphBar;
    auto* alignments = new QActionGroup(this);
    for (auto [caption, alignment] :
         {std::pair{"Align Left", Qt::AlignLeft}, std::pair{"Center", Qt::AlignHCenter},
          std::pair{"Align Right", Qt::AlignRight}}) {
        auto* action = add(
            caption, [this, alignment] { editor_->setAlignment(alignment | Qt::AlignAbsolute); });
        action->setCheckable(true);
        alignments->addAction(action);
    }
    add("Bullets", [this](bool on) { SetBullets(on); })->setCheckable(true);
    paragraphBar->addSeparator();
    add("Clear", [this] { Clear(); });
    add("Cut", [this] { editor_->cut(); });
    add("Copy", [this] { editor_->copy(); });
    add("Paste", [this] { editor_->paste(); });
    add("Undo", [this] { editor_->undo(); });
}

QAction* TRichEditorForm::Command(const QString& caption) const {
    return findChild<QAction*>(caption);
}

void TRichEditorForm::MergeFormat(const QTextCharFormat& format) {
    if (showing_) return;
    editor_->mergeCurrentCharFormat(format);
    editor_->setFocus();
}

void TRichEditorForm::ShowFormat() {
    showing_ = true;
    const auto format = editor_->currentCharFormat();
    const QFont font = format.font();
    fontNames_->setCurrentText(font.family());
    fontSize_->setValue(static_cast<int>(font.pointSizeF() > 0 ? font.pointSizeF() + 0.5 : 8));
    fontColor_->SetValue(ColorValueOf(format.foreground().color()));
    Command("Bold")->setChecked(font.bold());
    Command("Italic")->setChecked(font.italic());
    Command("Underline")->setChecked(font.underline());
    const auto alignment = editor_->alignment();
    Command("Center")->setChecked(alignment & Qt::AlignHCenter);
    Command("Align Right")->setChecked(alignment & Qt::AlignRight);
    Command("Align Left")->setChecked(!(alignment & (Qt::AlignHCenter | Qt::AlignRight)));
    Command("Bullets")->setChecked(editor_->textCursor().currentList() != nullptr);
    showing_ = false;
    UpdateEnabling();
}

void TRichEditorForm::UpdateEnabling() {
    const bool selected = editor_->textCursor().hasSelection();
    Command("Cut")->setEnabled(selected);
    Command("Copy")->setEnabled(selected);
    Command("Undo")->setEnabled(editor_->document()->isUndoAvailable());
    Command("Paste")->setEnabled(editor_->canPaste());
}

void TRichEditorForm::SetBullets(bool on) {
    auto cursor = editor_->textCursor();
    if (auto* list = cursor.currentList(); list && !on) {
        for (int i = list->count() - 1; i >= 0; --i)
            if (list->item(i) == cursor.block()) list->remove(list->item(i));
        auto format = cursor.blockFormat();
        format.setIndent(0);
        cursor.setBlockFormat(format);
    } else if (on && !cursor.currentList()) {
        cursor.createList(QTextListFormat::ListDisc);
    }
    editor_->setFocus();
}

void TRichEditorForm::Open(const std::string& content) {
    LoadRtfIntoTextDocument(ReadRichContent(content, TRtfRecovery::ReadPastFaults).Document,
                            *editor_->document());
    KeepMargins(*editor_->document());
    editor_->moveCursor(QTextCursor::Start);
    if (editor_->document()->isEmpty()) UseDefaultFont(*editor_);
    editor_->document()->setModified(false);
    ShowFormat();
}

std::string TRichEditorForm::Content() const {
    return WriteRtf(RtfFromTextDocument(*editor_->document()));
}

bool TRichEditorForm::Modified() const {
    return editor_->document()->isModified();
}

bool TRichEditorForm::Edit(std::string& content, bool plainText) {
    Open(content);
    if (exec() != QDialog::Accepted || !Modified()) return false;
    content = plainText ? PlainTextOf(RtfFromTextDocument(*editor_->document())) : Content();
    return true;
}

void TRichEditorForm::Load() {
    const auto file = prompts_.Open ? prompts_.Open(this) : std::nullopt;
    if (!file) return;
    const auto bytes = ReadEditorFile(this, *file);
    if (!bytes) return;
    const auto read = ReadRichContent(*bytes, TRtfRecovery::StopAtFault);
    if (read.Fault) {
        platform::ShowErrorBox(
            this, "\"" + *file + "\": " + QString::fromStdString(RtfFaultText(*read.Fault)) + ".");
        return;
    }
    LoadRtfIntoTextDocument(read.Document, *editor_->document());
    KeepMargins(*editor_->document());
    editor_->document()->setModified(true);
    ShowFormat();
}

void TRichEditorForm::SaveAs() {
    const auto file = prompts_.Save ? prompts_.Save(this) : std::nullopt;
    if (!file) return;
    const auto document = RtfFromTextDocument(*editor_->document());
    const auto bytes =
        file->endsWith(".txt", Qt::CaseInsensitive) ? PlainTextOf(document) : WriteRtf(document);
    WriteEditorFile(this, *file, bytes);
}

void TRichEditorForm::Clear() {
    editor_->clear();
    KeepMargins(*editor_->document());
    UseDefaultFont(*editor_);
    editor_->document()->setModified(true);
    ShowFormat();
}

} // namespace brelvane
