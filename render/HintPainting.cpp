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
#include <QRegion>
#include <algorithm>

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

// Body and pointer, as the clip of the picture and gradient backgrounds.
QRegion Outline(const TBalloonShape& shape) {
    return QRegion(RoundedPath(shape.body).toFillPolygon().toPolygon()) | QRegion(shape.pointer);
}

// Whether the centre of pixel (x, y) lies inside the rounded rectangle.
bool InRounded(const TEdges& edges, int x, int y) {
    if (x < edges.left || x >= edges.right || y < edges.top || y >= edges.bottom) return false;
    const double cx = std::clamp(x + 0.5, edges.left + kCornerRadius, edges.right - kCornerRadius);
    const double cy = std::clamp(y + 0.5, edges.top + kCornerRadius, edges.bottom - kCornerRadius);
    const double dx = x + 0.5 - cx;
    const double dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= kCornerRadius * kCornerRadius;
}

// Whether the centre of pixel (x, y) lies inside the triangle.
bool InTriangle(const QPolygon& triangle, int x, int y) {
    const double px = x + 0.5;
    const double py = y + 0.5;
    int positive = 0;
    int negative = 0;
    for (int i = 0; i < 3; ++i) {
        const QPoint a = triangle[i];
        const QPoint b = triangle[(i + 1) % 3];
        const double cross = (b.x() - a.x()) * (py - a.y()) - (b.y() - a.y()) * (px - a.x());
        positive += cross > 0;
        negative += cross < 0;
    }
    return positive == 0 || negative == 0;
}

// Single pixels whose x and y have the same parity, over the strips right of
// and below the body (inside the shadow's rounded clip) and the pointer's
// shadow. Set directly: the shadow is a few hundred pixels.
void PaintShadow(QImage& image, const TBalloonShape& shape, int direction, int s, QRgb color) {
    const int width = image.width();
    const int height = image.height();
    const int stripLeft = width - s - 8;
    const int rowsTop = IsDownward(direction) ? height - 9 : height - 15;
    const int rowsBottom = rowsTop + (IsDownward(direction) ? 8 : 7);
    const QRect pointer = shape.pointerShadow.boundingRect();
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const bool inRows = y >= rowsTop && y < rowsBottom;
        const bool nearPointer =
            !shape.pointerShadow.isEmpty() && y >= pointer.top() && y <= pointer.bottom();
        for (int x = (y & 1); x < width; x += 2) {
            const bool inStrip = x >= stripLeft || (inRows && x >= 10);
            if ((inStrip && InRounded(shape.shadowClip, x, y)) ||
                (nearPointer && InTriangle(shape.pointerShadow, x, y)))
                line[x] = color;
        }
    }
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

// One row (styles across) or one column (styles down) of the gradient over
// `area`; repeated, it gives the whole gradient.
QImage GradientStrip(QSize area, const THintSettings& settings) {
    const int style = settings.BackStyle - 1;
    const bool across = style == gfLeftRight || style == gfRightLeft ||
                        style == gfMiddleLeftRight || style == gfLeftRightMiddle;
    QImage strip(across ? QSize(area.width(), 1) : QSize(1, area.height()),
                 QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&strip);
    GradientFill(painter, style, settings.Color, strip.rect(), settings.GradientColor);
    return strip;
}

bool PaintRichBackground(QPainter& painter, const TBalloonShape& shape, QSize size,
                         const THintSettings& settings, const QImage& backImage) {
    const bool gradient = settings.BackStyle >= 2 && settings.BackStyle <= 9;
    if (!gradient && (settings.BackStyle != 1 || backImage.isNull())) return false;
    // The background is laid out unclipped and then copied through the
    // outline once: line by line through a clip would cost several times more.
    const QRect area(QPoint(0, 0),
                     QSize(size.width() - BalloonShadow(settings.ShadowOffset), size.height()));
    QImage background(area.size(), QImage::Format_ARGB32_Premultiplied);
    QPainter(&background)
        .fillRect(area,
                  gradient ? QBrush(GradientStrip(area.size(), settings)) : QBrush(backImage));
    painter.save();
    painter.setClipRegion(Outline(shape));
    painter.drawImage(0, 0, background);
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
    if (image.format() != QImage::Format_ARGB32_Premultiplied)
        image.convertTo(QImage::Format_ARGB32_Premultiplied);
    PaintShadow(image, shape, direction, s, ResolveColor(settings.ShadowColor).rgba());
    QPainter painter(&image);
    if (!richBackgrounds || !PaintRichBackground(painter, shape, size, settings, backImage))
        PaintPlainBackground(painter, shape, settings);
    QRect textRect = QRect(QPoint(0, 0), size).adjusted(8, IsDownward(direction) ? 18 : 3, 0, 0);
    painter.setFont(ToQFont(settings.Font));
    painter.setPen(FontColor(settings.Font));
    painter.drawText(textRect, kTextFlags, text);
}

} // namespace brelvane
