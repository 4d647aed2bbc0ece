#pragma once

#include <QImage>
#include <cstdint>

namespace brelvane {

// Draws `image` over `target` the way backgrounds and textures place their
// pictures; both store the same numbers: 0 tiled from the top-left corner,
// 1 stretched over the whole target, 2 centred, any other at the top-left.
void DrawPictureInMode(QImage& target, const QImage& image, std::uint8_t mode);

} // namespace brelvane
