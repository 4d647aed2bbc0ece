#pragma once

// Widgets of the object kinds rendered offscreen, with the small pictures
// and pointer events the control tests need.

#include "objects/controls/ObjectWidget.h"
#include "objects/records/AutoObject.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <memory>
#include <vector>

namespace brelvane::test {

void EnsureApplication();

// An object of `kind` with its default payload, `width` x `height` at (0, 0).
std::unique_ptr<TAutoObject> MakeObject(std::uint8_t kind, int width, int height);
template <class P> P& PayloadOf(TAutoObject& object) {
    return static_cast<P&>(*object.Payload);
}

// The control drawn alone on a transparent image of its size.
QImage Render(QWidget& widget);

// Pictures filled with one colour, or with `corner` in the bottom-left pixel.
TPicture PngPicture(int width, int height, QColor fill);
TPicture BmpPicture(int width, int height, QColor fill, QColor corner);
// A 2 x 2 GIF whose frames are filled with the given colours, each shown
// `delayCs` centiseconds; `loops` plays (0 = forever).
TPicture AnimatedGif(const std::vector<QColor>& frames, int delayCs, int loops);

// Pointer events sent straight to a widget.
void SendEnter(QWidget& widget);
void SendLeave(QWidget& widget);
void SendPress(QWidget& widget, QPoint at = {5, 5});
void SendRelease(QWidget& widget, QPoint at = {5, 5});
void SendMove(QWidget& widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton);

// Runs the event loop for about `ms` milliseconds.
void ProcessEventsFor(int ms);

// The smallest rectangle holding every pixel of `color`; null when none has it.
QRect BoundsOf(const QImage& image, QColor color);
// The smallest rectangle holding every pixel that is not fully transparent
// and not `except`.
QRect DrawnBounds(const QImage& image, QColor except = QColor(0, 0, 0, 0));
// Whether `image` is `reference` moved by `offset`, with transparency coming in.
bool IsShifted(const QImage& image, const QImage& reference, QPoint offset);

} // namespace brelvane::test
