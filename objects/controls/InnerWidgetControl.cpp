#include "objects/controls/InnerWidgetControl.h"

#include <QEvent>

namespace brelvane {

void TInnerWidgetControl::SetInner(QWidget* inner) {
    inner_ = inner;
    inner_->setGeometry(rect());
    inner_->setMouseTracking(true);
    inner_->installEventFilter(this);
    setFocusProxy(inner_);
}

void TInnerWidgetControl::AddPointerSource(QWidget* source) {
    pointerSource_ = source;
    source->setMouseTracking(true);
    source->installEventFilter(this);
}

bool TInnerWidgetControl::eventFilter(QObject* watched, QEvent* event) {
    // The inner widget fills the control, so its coordinates are the control's.
    if (watched == inner_ || (pointerSource_ && watched == pointerSource_)) {
        if (event->type() == QEvent::MouseButtonRelease && !clickOnRelease_)
            emit MouseUp(this);
        else
            ReportChildMouse(event);
    }
    return TObjectWidget::eventFilter(watched, event);
}

void TInnerWidgetControl::SetPopupMenu(QMenu* menu) {
    TObjectWidget::SetPopupMenu(menu);
    // Without a menu of its own the inner widget passes the right click on.
    if (inner_) inner_->setContextMenuPolicy(menu ? Qt::NoContextMenu : Qt::DefaultContextMenu);
}

void TInnerWidgetControl::resizeEvent(QResizeEvent* event) {
    TObjectWidget::resizeEvent(event);
    if (inner_) inner_->setGeometry(rect());
}

} // namespace brelvane
