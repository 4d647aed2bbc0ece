#include "objects/controls/Docking.h"

#include "objects/controls/AAGraphicControl.h"

#include <QEvent>
#include <QWidget>

namespace brelvane {

TDocking::TDocking(QWidget& control, std::uint8_t align)
    : QObject(&control), control_(control), align_(align) {
    if (control.parentWidget()) control.parentWidget()->installEventFilter(this);
    Apply();
}

void TDocking::SetAlign(std::uint8_t align) {
    align_ = align;
    Apply();
}

void TDocking::Apply() {
    const QWidget* page = control_.parentWidget();
    if (!page || align_ == alNone || align_ > alClient) return;
    const QRect area = page->rect();
    const int w = control_.width(), h = control_.height();
    switch (align_) {
    case alTop:
        control_.setGeometry(0, 0, area.width(), h);
        break;
    case alBottom:
        control_.setGeometry(0, area.height() - h, area.width(), h);
        break;
    case alLeft:
        control_.setGeometry(0, 0, w, area.height());
        break;
    case alRight:
        control_.setGeometry(area.width() - w, 0, w, area.height());
        break;
    default:
        control_.setGeometry(area);
        break;
    }
}

bool TDocking::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize && watched == control_.parentWidget()) Apply();
    return QObject::eventFilter(watched, event);
}

} // namespace brelvane
