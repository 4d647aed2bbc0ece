#pragma once

#include "storage/PictureBlock.h"

namespace brelvane {

// The demo's logo as an enhanced metafile of 160 x 100 pixels, written
// record by record: a framed dark panel, a white disc and an orange
// triangle.
TPicture DemoMetafile();

} // namespace brelvane
