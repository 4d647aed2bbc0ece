#pragma once

#include "project/PageRecord.h"

#include <string>

namespace brelvane {

// The demo's "Media" sub page: a slide show of the pictures in Media\Slides,
// a clip played in the page, and buttons that send them commands.
TPageRecord MediaPage();
// Draws the show's pictures and writes the clip into the base folder.
bool WriteDemoMedia(const std::string& base);

} // namespace brelvane
