#include "render/PageBackground.h"

#include "render/GradientFill.h"

#include <QPainter>

namespace brelvane {

namespace {
void Row(QPainter& painter, int y, int width, const QColor& colour) {
    painter.fillRect(0, y, width, 1, colour);
}

void Column(QPainter& painter, int x, int height, const QColor& colour) {
    painter.fillRect(x, 0, 1, height, colour);
}

// Lines 0..n-1 stepping from c1; `reverse` counts them from the far end.
template <class Line>
void Linear(int n, const QColor& c1, const QColor& c2, bool reverse, Line line) {
    for (int i = 0; i < n; ++i)
        line(reverse ? n - 1 - i : i, GradientStep(c1, c2, i, n));
}

// c1 along the middle, c2 at both edges (n >= 2 only).
template <class Line> void FromMiddle(int n, const QColor& c1, const QColor& c2, Line line) {
    if (n < 2) return;
    const int m = n / 2;
    for (int i = 0; i < m; ++i)
        line(m - 1 - i, GradientStep(c1, c2, i, m));
    for (int y = m; y < n; ++y)
        line(y, GradientStep(c1, c2, y - m, m));
}

void FillGradient(QPainter& painter, int w, int h, const TPageBackground& b) {
    const auto row = [&](int y, const QColor& c) { Row(painter, y, w, c); };
    const auto column = [&](int x, const QColor& c) { Column(painter, x, h, c); };
    const QColor& c1 = b.BackColor;
    const QColor& c2 = b.GradientColor;
    switch (b.GradientStyle) {
    case 1:
        return Linear(h, c1, c2, false, row);
    case 2:
        return Linear(h, c1, c2, true, row);
    case 3:
        return Linear(w, c1, c2, false, column);
    case 4:
        return Linear(w, c1, c2, true, column);
    case 5:
        return FromMiddle(h, c1, c2, row);
    case 6:
        return FromMiddle(w, c1, c2, column);
    case 7:
        return FromMiddle(h, c2, c1, row);
    case 8:
        return FromMiddle(w, c2, c1, column);
    default:
        break;
    }
}

void DrawBackImage(QPainter& painter, int w, int h, const TPageBackground& b) {
    const QImage& image = b.BackImage;
    if (image.isNull() || image.width() <= 0 || image.height() <= 0) return;
    switch (b.BackImageStyle) {
    case 0:
        painter.drawImage(0, 0, image);
        break;
    case 1:
        painter.drawImage((w - image.width()) / 2, (h - image.height()) / 2, image);
        break;
    case 2:
        painter.drawImage(QRect(0, 0, w, h), image);
        break;
    default:
        for (int r = 0; r <= h / image.height(); ++r)
            for (int c = 0; c <= w / image.width(); ++c)
                painter.drawImage(c * image.width(), r * image.height(), image);
        break;
    }
}
} // namespace

void RenderPageBackground(QImage& target, const TPageBackground& background) {
    const int w = target.width();
    const int h = target.height();
    QPainter painter(&target);
    painter.fillRect(0, 0, w, h, background.BackColor);
    FillGradient(painter, w, h, background);
    DrawBackImage(painter, w, h, background);
    if (background.GridX <= 0 || background.GridY <= 0) return;
    painter.end();
    const QRgb black = qRgb(0, 0, 0);
    for (int y = 0; y < h; y += background.GridY)
        for (int x = 0; x < w; x += background.GridX)
            target.setPixel(x, y, black);
}

} // namespace brelvane
