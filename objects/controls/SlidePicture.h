#pragma once

#include <QImage>
#include <QSize>
#include <string>

namespace brelvane {

// A slide-show picture file decoded for a frame of `box` size drawn by
// `imageStyle`; large pictures that are only shown smaller are decoded at
// about that size. A null image when the file cannot be read, with the
// reason in `error`.
QImage LoadSlidePicture(const std::string& path, QSize box, int imageStyle, std::string& error);

} // namespace brelvane
