#include "objects/controls/AuTextBox.h"

#include "objects/controls/Docking.h"
#include "objects/records/TextBoxPayload.h"
#include "render/AnsiText.h"
#include "render/FontConversion.h"
#include "render/RtfTextDocument.h"
#include "render/SystemColors.h"
#include "storage/rtf/RtfPlainText.h"

#include <QTextEdit>

namespace brelvane {

namespace {
// A read-only editor whose inner margin is the object's border width.
class TBoxEditor final : public QTextEdit {
public:
    explicit TBoxEditor(QWidget* parent) : QTextEdit(parent) {
        setReadOnly(true);
        setUndoRedoEnabled(false);
        setFocusPolicy(Qt::NoFocus);
        viewport()->setCursor(Qt::ArrowCursor);
    }
    void SetInnerMargin(int margin) { setViewportMargins(margin, margin, margin, margin); }
};

Qt::Alignment TextAlignment(std::uint8_t alignment) {
    switch (alignment) {
    case 1:
        return Qt::AlignRight;
    case 2:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

Qt::ScrollBarPolicy Policy(bool shown) {
    return shown ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff;
}

// Lines are stored ended by CR LF; the box shows them without an empty last line.
QString ShownLines(const std::string& text) {
    QString lines = FromAnsi(text);
    lines.replace("\r\n", "\n");
    if (lines.endsWith('\n')) lines.chop(1);
    return lines;
}
} // namespace

TAuTextBox::TAuTextBox(TAutoObject& object, QWidget* parent)
    : TInnerWidgetControl(object, parent), editor_(new TBoxEditor(this)) {
    SetInner(editor_);
    setCursor(Qt::ArrowCursor);
    Refresh();
}

const TTextBoxLook* TAuTextBox::Look() const {
    return dynamic_cast<const TTextBoxLook*>(Record().Payload.get());
}

void TAuTextBox::Refresh() {
    const auto* look = Look();
    if (!look) return;
    ApplyGeometry();
    ApplyLook(*look);
    ShowContent();
    if (!docking_)
        docking_ = new TDocking(*this, look->Align);
    else
        docking_->SetAlign(look->Align);
    update();
}

void TAuTextBox::ApplyLook(const TTextBoxLook& look) {
    auto& editor = static_cast<TBoxEditor&>(*editor_);
    editor.setFont(ToQFont(look.Font));
    QPalette palette = editor.palette();
    palette.setColor(QPalette::Base, ResolveColor(look.BackColor));
    palette.setColor(QPalette::Text, FontColor(look.Font));
    editor.setPalette(palette);
    editor.setFrameStyle(look.Border != 0 ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    editor.SetInnerMargin(look.BorderWidth);
    editor.setLineWrapMode(look.WordWrap ? QTextEdit::WidgetWidth : QTextEdit::NoWrap);
    editor.setHorizontalScrollBarPolicy(
        Policy(look.ScrollBar == sbHorizontal || look.ScrollBar == sbBoth));
    editor.setVerticalScrollBarPolicy(
        Policy(look.ScrollBar == sbVertical || look.ScrollBar == sbBoth));
}

void TAuTextBox::ShowContent() {
    const auto* payload = PayloadAs<TTextBoxPayload>();
    if (!payload) return;
    editor_->setPlainText(ShownLines(payload->Text));
    // The alignment holds for every paragraph of the plain text.
    QTextCursor all(editor_->document());
    all.select(QTextCursor::Document);
    QTextBlockFormat format;
    format.setAlignment(TextAlignment(payload->Alignment));
    all.mergeBlockFormat(format);
}

TAuRichTextBox::TAuRichTextBox(TAutoObject& object, QWidget* parent) : TAuTextBox(object, parent) {
    // The base class showed the content before this class existed.
    ShowContent();
}

void TAuRichTextBox::ShowContent() {
    const auto* payload = PayloadAs<TRichTextPayload>();
    if (!payload) return;
    auto* document = Editor().document();
    document->setDefaultFont(ToQFont(payload->Font));
    if (payload->PlainText) {
        Editor().setPlainText(ShownLines(payload->RichText));
        return;
    }
    // Damage in the content shows everything readable before and after it.
    LoadRtfIntoTextDocument(
        ReadRichContent(payload->RichText, TRtfRecovery::ReadPastFaults).Document, *document);
}

} // namespace brelvane
