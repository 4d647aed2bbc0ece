#pragma once

#include "storage/PictureBlock.h"

#include <QImage>
#include <QSize>
#include <memory>
#include <vector>

namespace brelvane {

// A picture ready to draw: its frames as images (one for still pictures; a
// metafile's records drawn at its stored size over transparency). A picture
// that cannot be decoded has no frames and draws nothing.
struct TPictureImage {
    std::vector<QImage> Frames;
    // Per frame, how long it stays up, in milliseconds (0 for still pictures).
    std::vector<int> DelaysMs;
    // How many times the frames are played: 0 = forever.
    int LoopCount = 1;
    // The picture is a bitmap, whose transparency is a colour key.
    bool Bitmap = false;

    bool Empty() const { return Frames.empty(); }
    bool Animated() const { return Frames.size() > 1; }
    QSize Size() const { return Empty() ? QSize() : Frames.front().size(); }
};

// The drawable form of `picture`, shared by every holder of the same bytes
// while any of them keeps it (decoding is done once). Never null, never
// throws for bad data: data that cannot be decoded is reported with 1056 the
// first time it is decoded, once for the life of the process, and gives an
// empty picture. For the user-interface thread only.
std::shared_ptr<const TPictureImage> PictureImageOf(const TPicture& picture);

// Frame `frame` as it is drawn; `transparent` makes a bitmap's bottom-left
// pixel colour the transparent colour (other kinds carry their own alpha).
// A null image for a frame the picture does not have.
QImage DrawnFrame(const TPictureImage& picture, std::size_t frame, bool transparent);

} // namespace brelvane
