#pragma once

#include "objects/records/AutoObject.h"

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>
#include <optional>

namespace brelvane {

// The text shown on an object that shows nothing yet, and its colour: red
// while it lacks its content, grey once it has it.
struct TPlaceholder {
    QString Text;
    QColor Color;
};
std::optional<TPlaceholder> PlaceholderOf(const TAutoObject& object);

// Whether the object can show no outline of its own and gets a dashed frame.
bool NeedsDashedFrame(const TAutoObject& object);

// Draws every visible object's placeholder and dashed frame and the grips of
// selected objects onto the painted page.
void DrawSurfaceMarks(QImage& image, const TAutoObjects& objects);

// Draws the rubber band as a dotted focus rectangle that inverts what lies
// under it, so drawing it again erases it.
void DrawFocusRect(QImage& image, const QRect& band);

} // namespace brelvane
