#pragma once

#include "objects/controls/InnerWidgetControl.h"

class QTextEdit;

namespace brelvane {

class TDocking;
struct TTextBoxLook;

// Kind 8: a read-only box of plain lines in the object's font, colours,
// frame and scroll bars, with an arrow pointer; a comment viewer may replace
// its lines.
class TAuTextBox : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuTextBox(TAutoObject& object, QWidget* parent);

    QTextEdit& Editor() const { return *editor_; }
    // Shows the record's looks and content anew.
    void Refresh() override;

protected:
    // The look both box kinds share, or null for another payload.
    const TTextBoxLook* Look() const;
    // Puts the record's content into the editor.
    virtual void ShowContent();

private:
    void ApplyLook(const TTextBoxLook& look);

    QTextEdit* editor_;
    TDocking* docking_ = nullptr;
};

// Kind 9: the same box showing rich text read by the RTF reader, or the
// stored bytes as text when the plain-text switch is on.
class TAuRichTextBox final : public TAuTextBox {
    Q_OBJECT
public:
    TAuRichTextBox(TAutoObject& object, QWidget* parent);

protected:
    void ShowContent() override;
};

} // namespace brelvane
