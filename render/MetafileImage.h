#pragma once

#include "storage/PictureBlock.h"

#include <QImage>

namespace brelvane {

// A metafile's records drawn at its stored size over a transparent canvas
// (MetafileImage_posix.cpp through SVG, _win.cpp through the system's own
// player). Throws PictureDecodeError when the data has no size or its records
// cannot be played, std::bad_alloc when the image cannot be had.
QImage DrawnMetafile(const TPicture& picture);

} // namespace brelvane
