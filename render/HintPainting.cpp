#include "render/HintPainting.h"

#include "render/FontConversion.h"
#include "render/GradientFill.h"
#include "render/HintPlacement.h"
#include "render/PictureImage.h"
#include "render/SystemColors.h"
#include "storage/PictureCodecs.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

namespace brelvane {

namespace {
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
constexpr double kCornerRadius = 4; // an 8 x 8 corner ellipse

// Corners of a rectangle whose right and bottom edges lie outside it.
struct TEdges {
    int left, top, right, bottom;
    QRect Rect() const { return QRect(left, top, right - left, bottom - top); }
};

struct TBalloonShape {
    TEdges body;
    QPolygon pointer; // base start, base end, tip
    TEdges shadowClip;
    QPolygon pointerShadow; // empty for downward balloons
};

TBalloonShape ShapeOf(int width, int height, int direction, int s) {
    const int bodyRight = width - s;
    TBalloonShape shape;
    if (IsDownward(direction)) {
        shape.body = {0, 15, bodyRight, height - 8};
        shape.shadowClip = {10, 23, width, height - 2};
        shape.pointer = direction == hdDownRight
                            ? QPolygon({QPoint(10, 15), QPoint(20, 15), QPoint(0, 0)})
                            : QPolygon({QPoint(bodyRight - 20, 15), QPoint(bodyRight - 10, 15),
                                        QPoint(bodyRight, 0)});
        return shape;
    }
    const int base = height - 15;
    shape.body = {0, 0, bodyRight, height - 14};
    shape.shadowClip = {10, 8, width, height - 9};
    if (direction == hdUpRight) {
        shape.pointer = QPolygon({QPoint(10, base), QPoint(20, base), QPoint(0, height)});
        shape.pointerShadow = QPolygon({QPoint(12, base), QPoint(25, base), QPoint(12, height)});
    } else {
        shape.pointer = QPolygon({QPoint(bodyRight - 20, base), QPoint(bodyRight - 10, base),
                                  QPoint(bodyRight, height)});
        shape.pointerShadow = QPolygon(
            {QPoint(bodyRight - 27, base), QPoint(bodyRight - 5, base), QPoint(bodyRight, height)});
    }
    return shape;
}

QPainterPath RoundedPath(const TEdges& edges) {
    QPainterPath path;
    path.addRoundedRect(QRectF(edges.Rect()), kCornerRadius, kCornerRadius);
    return path;
}

QPainterPath Outline(const TBalloonShape& shape) {
    QPainterPath pointer;
    pointer.addPolygon(QPolygonF(shape.pointer));
    pointer.closeSubpath();
    return RoundedPath(shape.body).united(pointer);
}

// Single pixels whose x and y have the same parity.
QImage Checkerboard(QSize size, const QColor& color) {
    QImage pattern(size, QImage::Format_ARGB32_Premultiplied);
    pattern.fill(Qt::transparent);
    const QRgb value = color.rgba();
    for (int y = 0; y < size.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(pattern.scanLine(y));
        for (int x = (y & 1); x < size.width(); x += 2)
            line[x] = value;
    }
    return pattern;
}

void PaintShadow(QPainter& painter, const TBalloonShape& shape, QSize size, int direction, int s,
                 const QColor& color) {
    const int width = size.width();
    const int height = size.height();
    QPainterPath area;
    area.addRect(width - s - 8, 0, s + 8, height);
    if (IsDownward(direction))
        area.addRect(10, height - 9, width - 10, 8);
    else
        area.addRect(10, height - 15, width - 10, 7);
    area = area.intersected(RoundedPath(shape.shadowClip));
    if (!shape.pointerShadow.isEmpty()) {
        QPainterPath pointer;
        pointer.addPolygon(QPolygonF(shape.pointerShadow));
        pointer.closeSubpath();
        area = area.united(pointer);
    }
    painter.save();
    painter.setClipPath(area);
    painter.drawImage(0, 0, Checkerboard(size, color));
    painter.restore();
}

void PaintPlainBackground(QPainter& painter, const TBalloonShape& shape,
                          const THintSettings& settings) {
    const QColor fill = ResolveColor(settings.Color);
    const QColor border = ResolveColor(settings.BorderColor);
    const QRect body = shape.body.Rect();
    painter.setPen(border);
    painter.setBrush(fill);
    painter.drawRoundedRect(body.adjusted(0, 0, -1, -1), kCornerRadius, kCornerRadius);
    const QPoint baseStart = shape.pointer[0];
    const QPoint baseEnd = shape.pointer[1];
    const QPoint tip = shape.pointer[2];
    // The base lies on the body's border line, which opens there.
    painter.setPen(fill);
    painter.drawLine(baseStart.x(), baseStart.y(), baseEnd.x() - 1, baseStart.y());
    painter.setPen(Qt::NoPen);
    painter.drawPolygon(shape.pointer);
    painter.setPen(border);
    painter.drawLine(baseStart, tip);
    painter.drawLine(baseEnd, tip);
}

bool PaintRichBackground(QPainter& painter, const TBalloonShape& shape, QSize size,
                         const THintSettings& settings, const QImage& backImage) {
    const bool gradient = settings.BackStyle >= 2 && settings.BackStyle <= 9;
    if (!gradient && (settings.BackStyle != 1 || backImage.isNull())) return false;
    painter.save();
    painter.setClipPath(Outline(shape));
    if (gradient)
        GradientFill(painter, settings.BackStyle - 1, settings.Color, QRect(QPoint(0, 0), size),
                     settings.GradientColor);
    else
        painter.fillRect(QRect(QPoint(0, 0), size), QBrush(backImage));
    painter.restore();
    return true;
}
} // namespace

QSize HintTextSize(const THintSettings& settings, const QString& text, int maxWidth) {
    const QFontMetrics metrics(ToQFont(settings.Font));
    return metrics.boundingRect(QRect(0, 0, std::max(maxWidth, 1), 0), kTextFlags, text).size();
}

QImage HintBackImage(const THintSettings& settings) {
    const auto& picture = settings.BackImage;
    if (picture.Empty()) return {};
    // Metafiles are drawn, not decoded; other kinds are tried quietly first
    // so that a damaged picture raises no error box over the menu.
    if (picture.Kind != TPictureKind::Metafile) {
        try {
            DecodePicture(picture);
        } catch (const std::exception&) {
            return {};
        }
    }
    const auto image = PictureImageOf(picture);
    return image->Empty() ? QImage() : DrawnFrame(*image, 0, false);
}

void PaintHintBalloon(QImage& image, const THintSettings& settings, const QImage& backImage,
                      int direction, const QString& text, bool richBackgrounds) {
    const int s = BalloonShadow(settings.ShadowOffset);
    const QSize size = image.size();
    const auto shape = ShapeOf(size.width(), size.height(), direction, s);
    QPainter painter(&image);
    PaintShadow(painter, shape, size, direction, s, ResolveColor(settings.ShadowColor));
    if (!richBackgrounds || !PaintRichBackground(painter, shape, size, settings, backImage))
        PaintPlainBackground(painter, shape, settings);
    QRect textRect = QRect(QPoint(0, 0), size).adjusted(8, IsDownward(direction) ? 18 : 3, 0, 0);
    painter.setFont(ToQFont(settings.Font));
    painter.setPen(FontColor(settings.Font));
    painter.drawText(textRect, kTextFlags, text);
}

} // namespace brelvane
