#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <optional>

namespace brelvane {

// A page's shadow over the editing-area colour: per channel
// (255 − a) × background / 255 + a × shadow / 255, rounded, within 0..255.
QColor BlendShadow(const QColor& background, const QColor& shadow, int alpha);

// The picture behind the editing surface: the editing-area colour, and the
// blended shadow in `shadowRect` when the page has one.
QImage RenderShadowPreview(const QSize& size, const QColor& background,
                           const std::optional<QRect>& shadowRect, const QColor& shadow, int alpha);

} // namespace brelvane
