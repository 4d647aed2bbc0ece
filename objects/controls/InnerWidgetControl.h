#pragma once

#include "objects/controls/ObjectWidget.h"

namespace brelvane {

// A control whose face is a standard widget filling it (an edit box, a check
// box): the inner widget takes the keyboard focus for the control, and its
// pointer events are reported as the control's.
class TInnerWidgetControl : public TObjectWidget {
    Q_OBJECT
public:
    using TObjectWidget::TObjectWidget;

    // The inner widget's own menu (cut, copy, paste) gives way to the object's.
    void SetPopupMenu(QMenu* menu) override;

protected:
    // Adopts `inner` as the control's face; call once from the constructor.
    void SetInner(QWidget* inner);
    QWidget* Inner() const { return inner_; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* inner_ = nullptr;
};

} // namespace brelvane
