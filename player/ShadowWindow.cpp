#include "player/ShadowWindow.h"

#include <QPainter>

namespace brelvane {

TShadowWindow::TShadowWindow()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus |
                           Qt::WindowTransparentForInput) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setEnabled(false);
    setWindowOpacity(80.0 / 255.0);
}

void TShadowWindow::SetColor(QColor color) {
    color_ = color;
    update();
}

void TShadowWindow::paintEvent(QPaintEvent*) {
    QPainter(this).fillRect(rect(), color_);
}

} // namespace brelvane
