#pragma once

// Settings and helpers shared by the anti-aliased text control tests.

#include "controls/ControlTestKit.h"
#include "objects/records/TextParams.h"
#include "storage/FontBlock.h"

#include <QColor>
#include <QImage>
#include <QWidget>
#include <cstdlib>

namespace brelvane::test {

inline const QColor kPaper(250, 240, 200), kInk(20, 40, 160), kHotInk(200, 20, 20);

// A font in a plain colour; the effects stay off so pixels keep exact colours.
inline TFont InkFont(int size = 16, QColor color = kInk) {
    return {.Name = "Arial",
            .Color = RGB(static_cast<std::uint8_t>(color.red()),
                         static_cast<std::uint8_t>(color.green()),
                         static_cast<std::uint8_t>(color.blue())),
            .Size = size,
            .Style = 0};
}

inline std::int32_t ColorValue(QColor color) {
    return RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
               static_cast<std::uint8_t>(color.blue()));
}

// A parent painting one colour all over, as a page surface does.
inline std::unique_ptr<QWidget> SolidParent(QColor color, QSize size = {300, 200}) {
    auto parent = std::make_unique<QWidget>();
    parent->resize(size);
    QPalette palette = parent->palette();
    palette.setColor(QPalette::Window, color);
    parent->setPalette(palette);
    parent->setAutoFillBackground(true);
    return parent;
}

// The first paint loads a control; this paints it once and returns what it showed.
inline QImage Painted(QWidget& control) {
    return Render(control).convertToFormat(QImage::Format_RGB32);
}

// Fully covered text pixels come within a few steps of the font colour at the
// normal quality, whose 3 x 3 filter peaks just below 255.
inline bool Near(QRgb pixel, QColor color, int tolerance = 3) {
    return std::abs(qRed(pixel) - color.red()) <= tolerance &&
           std::abs(qGreen(pixel) - color.green()) <= tolerance &&
           std::abs(qBlue(pixel) - color.blue()) <= tolerance;
}

inline int CountOf(const QImage& image, QColor color, int tolerance = 0) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, y), color, tolerance)) ++count;
    return count;
}

inline int InkOf(const QImage& image, QColor ink = kInk) {
    return CountOf(image, ink, 3);
}

// The smallest rectangle holding every pixel near `color`.
inline QRect InkBounds(const QImage& image, QColor ink = kInk) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (Near(image.pixel(x, y), ink)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace brelvane::test
