#pragma once

#include "objects/controls/InnerWidgetControl.h"

class QAbstractButton;

namespace brelvane {

// What radio buttons and check boxes share: a caption in the object's font
// beside the box, on the side the record's alignment names, wrapped when
// asked, over the object's colour. The checked state the user gives it is
// kept in the record's Checked, where the form check reads it.
class TAgreementOption : public TInnerWidgetControl {
    Q_OBJECT
public:
    QAbstractButton& Button() const { return *button_; }
    bool Checked() const;
    void SetChecked(bool checked);
    // Shows the record's looks and checked state anew.
    void Refresh() override;

protected:
    TAgreementOption(TAutoObject& object, QWidget* parent, bool radio);
    // A change of the checked state, after the record has it.
    virtual void CheckedChanged(bool /*checked*/) {}

private:
    QAbstractButton* button_;
};

// Kind 15. The radio buttons on one page are one exclusive set, as radio
// buttons sharing a parent window are: checking one unchecks the others.
class TAuAgreementRadio : public TAgreementOption {
    Q_OBJECT
public:
    TAuAgreementRadio(TAutoObject& object, QWidget* parent);

protected:
    void CheckedChanged(bool checked) override;
};

// Kind 16.
class TAuAgreementCheck : public TAgreementOption {
    Q_OBJECT
public:
    TAuAgreementCheck(TAutoObject& object, QWidget* parent);
};

} // namespace brelvane
