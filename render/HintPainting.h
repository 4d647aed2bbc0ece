#pragma once

#include "storage/ProjectSettings.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace brelvane {

// The extent of `text` in the hint font, wrapped at words to at most
// `maxWidth` pixels, without mnemonic prefixes.
QSize HintTextSize(const THintSettings& settings, const QString& text, int maxWidth);

// The background picture of the settings, decoded without reporting: a
// balloon whose picture does not decode is drawn plain (a null image).
QImage HintBackImage(const THintSettings& settings);

// Draws the balloon of `direction` over `image`, which holds what lies
// behind the window and has the window's size; `backImage` is the settings'
// decoded BackImage. Without `richBackgrounds` the picture and gradient
// backgrounds give way to the plain one.
void PaintHintBalloon(QImage& image, const THintSettings& settings, const QImage& backImage,
                      int direction, const QString& text, bool richBackgrounds);

} // namespace brelvane
