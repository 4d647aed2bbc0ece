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
    // A part of the inner widget that gets the pointer itself (the viewport
    // of a scrolled view); its events count as the inner widget's.
    void AddPointerSource(QWidget* source);
    // Controls that report their own clicks (a choice made in a pop-up)
    // take a release for a plain mouse-up.
    void SetClickOnRelease(bool click) { clickOnRelease_ = click; }

    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QWidget* inner_ = nullptr;
    QWidget* pointerSource_ = nullptr;
    bool clickOnRelease_ = true;
};

} // namespace brelvane
