#pragma once

#include "render/PictureImage.h"

#include <QImage>

namespace brelvane {

// The first frame of a picture, or a null image when it has none.
inline QImage StillImage(const TPicture& picture) {
    return DrawnFrame(*PictureImageOf(picture), 0, false);
}

} // namespace brelvane
