#pragma once

#include "render/PictureImage.h"

#include <QImage>

namespace brelvane {

// The first frame of a picture, or a null image when it has none.
inline QImage StillImage(const TPicture& picture) {
    const auto image = PictureImageOf(picture);
    return image->Empty() ? QImage() : image->Frames.front();
}

} // namespace brelvane
