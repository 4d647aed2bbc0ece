#pragma once

#include "objects/controls/InnerWidgetControl.h"

class QLineEdit;

namespace brelvane {

// Kind 14: a single-line edit box in the object's font and colours, with its
// border, letter case, maximum length and password character. What the user
// types is kept in the record's Text, where the form check reads it.
class TAuSecurityEdit : public TInnerWidgetControl {
    Q_OBJECT
public:
    TAuSecurityEdit(TAutoObject& object, QWidget* parent);

    QLineEdit& Editor() const { return *editor_; }
    // Shows the record's looks and text anew.
    void Refresh() override;

signals:
    // The text changed, by typing or otherwise; the page moves the focus on
    // when the box is full.
    void TextChanged(TObjectWidget* control);

private:
    void OnTextChanged(const QString& text);

    QLineEdit* editor_;
};

} // namespace brelvane
