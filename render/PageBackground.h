#pragma once

#include <QColor>
#include <QImage>
#include <cstdint>

namespace brelvane {

// The look of a page's background as stored on the page.
struct TPageBackground {
    QColor BackColor;
    QColor GradientColor;
    std::uint8_t GradientStyle = 0;  // 0 none, 1..8
    QImage BackImage;                // null when the page has none
    std::uint8_t BackImageStyle = 0; // 0 Normal, 1 Center, 2 Stretch, 3 Tile
    // Design-time grid: one black pixel at every multiple of the steps; 0 none.
    int GridX = 0;
    int GridY = 0;
};

// Paints the page background into `target` (its whole size).
void RenderPageBackground(QImage& target, const TPageBackground& background);

} // namespace brelvane
