#pragma once

#include "storage/PictureBlock.h"

#include <QImage>

namespace brelvane {

// A picture drawn in code, stored as PNG, so that the samples need no files.
TPicture PngPicture(const QImage& image);

} // namespace brelvane
