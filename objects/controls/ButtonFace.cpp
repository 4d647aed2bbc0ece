#include "objects/controls/ButtonFace.h"

#include "render/SystemColors.h"

namespace brelvane {

void DrawFrame3D(QPainter& painter, QRect& rect, const QColor& topLeft, const QColor& bottomRight) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width() - 1, 1), topLeft);
    painter.fillRect(QRect(rect.left(), rect.top(), 1, rect.height() - 1), topLeft);
    painter.fillRect(QRect(rect.right(), rect.top(), 1, rect.height()), bottomRight);
    painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), bottomRight);
    rect.adjust(1, 1, -1, -1);
}

void DrawButtonFace(QPainter& painter, QRect& rect, bool sunken) {
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    if (sunken)
        DrawFrame3D(painter, rect, shadow, highlight);
    else
        DrawFrame3D(painter, rect, highlight, shadow);
    painter.fillRect(rect, ResolveColor(SystemColorValue(COLOR_BTNFACE)));
}

} // namespace brelvane
