#include "objects/controls/MediaGlyphs.h"

#include <QPainter>
#include <QPixmap>
#include <QPolygon>

namespace brelvane {

namespace {
constexpr int kSize = 16;

QPolygon Triangle(bool pointsRight, int left, int right) {
    return pointsRight ? QPolygon({QPoint(left, 3), QPoint(right, 8), QPoint(left, 13)})
                       : QPolygon({QPoint(right, 3), QPoint(left, 8), QPoint(right, 13)});
}

QPixmap Draw(TMediaGlyph glyph, const QColor& ink) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    switch (glyph) {
    case TMediaGlyph::Play:
        painter.drawPolygon(Triangle(true, 5, 12));
        break;
    case TMediaGlyph::First:
        painter.drawRect(3, 3, 2, 10);
        painter.drawPolygon(Triangle(false, 5, 12));
        break;
    case TMediaGlyph::Previous:
        painter.drawPolygon(Triangle(false, 1, 8));
        painter.drawPolygon(Triangle(false, 8, 15));
        break;
    case TMediaGlyph::Next:
        painter.drawPolygon(Triangle(true, 1, 8));
        painter.drawPolygon(Triangle(true, 8, 15));
        break;
    case TMediaGlyph::Last:
        painter.drawPolygon(Triangle(true, 4, 11));
        painter.drawRect(11, 3, 2, 10);
        break;
    case TMediaGlyph::Pause:
        painter.drawRect(4, 3, 3, 10);
        painter.drawRect(9, 3, 3, 10);
        break;
    case TMediaGlyph::Stop:
        painter.drawRect(4, 4, 8, 8);
        break;
    }
    return pixmap;
}
} // namespace

QIcon MediaGlyph(TMediaGlyph glyph) {
    QIcon icon;
    icon.addPixmap(Draw(glyph, QColor(0, 0, 0)), QIcon::Normal);
    icon.addPixmap(Draw(glyph, QColor(160, 160, 160)), QIcon::Disabled);
    return icon;
}

} // namespace brelvane
