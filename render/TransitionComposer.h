#pragma once

#include <QImage>
#include <QRect>
#include <functional>

namespace brelvane {

// How a picture is drawn on the background of its frame: the settings of slide
// shows and of the full-screen viewer.
enum TImageStyle : int { imNormal, imCenter, imStretch, imShrinkFit, imEnlargeFit };

// The rectangle of a picture of `picture` size fitted into `box` keeping its
// aspect ratio, centred (with halves truncated toward zero).
QRect AspectFit(QSize picture, const QRect& box);

// Where a picture of size w x h goes in an image of size bw x bh by the image
// style (0..4; others draw as "Normal"). Sizes below 1 count as 1.
QRect FittedPictureRect(QSize picture, QSize box, int imageStyle);

// An image of `box` size filled with `background`, the picture drawn on it by
// the image style: what a host gives the transition control as the next picture.
QImage ComposeFitted(const QImage& picture, QSize box, QRgb background, int imageStyle);

// The progress after `progress` by `step` percent (1..100): forward it stops
// at 100, in reverse at 0.
int NextProgress(int progress, int step, bool reverse);
inline bool ProgressAtEnd(int progress, bool reverse) {
    return reverse ? progress <= 0 : progress >= 100;
}

// Where the picture rectangle of a frame appears in the client area: the
// frame is drawn at `picRect` unless stretched; stretched it fills the client
// area, or its aspect fit there with `stretchFine`.
QRect FrameTarget(const QRect& picRect, const QRect& client, bool stretch, bool stretchFine);

// Maps a rectangle of the frame into the client area, as the frame is drawn
// there (the rectangle to repaint after a frame).
QRect MapFrameRect(const QRect& frameRect, const QRect& picRect, const QRect& client, bool stretch,
                   bool stretchFine);

// The bitmaps of one running transition, all of one size and 32 bits per pixel.
struct TTransitionImages {
    QImage Old;
    QImage New;
    QImage Frame;
};

// What the host adds around each frame; unset callbacks do nothing.
struct TFrameHooks {
    std::function<void(const QImage& picture, QImage& frame)> BeforeNewFrame;
    // Draws a frame of style 0 ("Custom").
    std::function<void(const QImage& picture, QImage& frame)> CustomDraw;
    std::function<void(const QImage& picture, QImage& frame)> AfterNewFrame;
};

// Composes the frame of `progress`: the old image, then the part of the new
// picture the style (1..150; 0 is drawn by the host) shows; 100 is the whole
// new picture, 0 the old image. Returns the changed rectangle of the frame.
QRect UpdateFrame(TTransitionImages& images, int style, int step, int progress,
                  const TFrameHooks& hooks);

// A picture in the 32-bit form the styles work on; the same image when it is
// already so (no copy).
QImage ToFrameFormat(const QImage& image);

} // namespace brelvane
