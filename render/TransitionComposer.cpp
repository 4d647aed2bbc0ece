#include "render/TransitionComposer.h"

#include "render/TransitionFrame.h"
#include "render/TransitionStyles.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

namespace brelvane {

namespace {
// Rounds to the nearest integer, halves to the even neighbour.
int RoundEven(double value) {
    return static_cast<int>(std::nearbyint(value));
}

bool Is32Bit(const QImage& image) {
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

// Draws `from` over `to` at (0, 0), row by row when both have one 32-bit form.
void CopyOnto(const QImage& from, QImage& to) {
    if (from.size() == to.size() && from.format() == to.format()) {
        uchar* out = to.bits();
        const uchar* in = from.constBits();
        if (to.bytesPerLine() == from.bytesPerLine()) {
            std::memcpy(out, in, static_cast<std::size_t>(to.sizeInBytes()));
            return;
        }
        const auto bytes = static_cast<std::size_t>(to.width()) * 4;
        for (int y = 0; y < to.height(); ++y)
            std::memcpy(out + y * to.bytesPerLine(), in + y * from.bytesPerLine(), bytes);
        return;
    }
    QPainter painter(&to);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, from);
}

// The size of a picture that is too large on the sides given, scaled into the box.
QSize ScaledDown(int w, int h, int bw, int bh, bool tooWide, bool tooHigh) {
    if (tooWide && tooHigh) {
        QSize size(RoundEven(static_cast<double>(bh) / h * w), bh);
        if (size.width() > bw) size = QSize(bw, RoundEven(static_cast<double>(bw) / w * h));
        return size;
    }
    if (tooHigh) return {RoundEven(static_cast<double>(bh) / h * w), bh};
    return {bw, RoundEven(static_cast<double>(bw) / w * h)};
}
} // namespace

QRect AspectFit(QSize picture, const QRect& box) {
    const int w = std::max(picture.width(), 1);
    const int h = std::max(picture.height(), 1);
    const int bw = box.width();
    const int bh = box.height();
    QSize size;
    if (static_cast<double>(bh) / h > static_cast<double>(bw) / w)
        size = QSize(bw, MulDiv(h, bw, w));
    else
        size = QSize(MulDiv(w, bh, h), bh);
    return {box.left() + Half(bw - size.width()), box.top() + Half(bh - size.height()),
            size.width(), size.height()};
}

QRect FittedPictureRect(QSize picture, QSize box, int imageStyle) {
    const int w = std::max(picture.width(), 1);
    const int h = std::max(picture.height(), 1);
    const int bw = std::max(box.width(), 1);
    const int bh = std::max(box.height(), 1);
    switch (imageStyle) {
    case imCenter:
        return {Half(bw - w), Half(bh - h), w, h};
    case imStretch:
        return {0, 0, bw, bh};
    case imShrinkFit:
    case imEnlargeFit: {
        const bool tooWide = w > bw;
        const bool tooHigh = h > bh;
        QSize size(w, h);
        if (tooWide || tooHigh)
            size = ScaledDown(w, h, bw, bh, tooWide, tooHigh);
        else if (imageStyle == imEnlargeFit)
            size = ScaledDown(w, h, bw, bh, true, true);
        return {Half(bw - size.width()), Half(bh - size.height()), size.width(), size.height()};
    }
    default:
        return {0, 0, w, h};
    }
}

QImage ComposeFitted(const QImage& picture, QSize box, QRgb background, int imageStyle) {
    QImage image(std::max(box.width(), 1), std::max(box.height(), 1), QImage::Format_RGB32);
    image.fill(background);
    if (picture.isNull()) return image;
    const QRect target = FittedPictureRect(picture.size(), box, imageStyle);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, target.size() != picture.size());
    painter.drawImage(target, picture);
    return image;
}

int NextProgress(int progress, int step, bool reverse) {
    if (reverse) return step < progress ? progress - step : 0;
    return progress < 100 - step ? progress + step : 100;
}

QRect FrameTarget(const QRect& picRect, const QRect& client, bool stretch, bool stretchFine) {
    if (!stretch) return picRect;
    return stretchFine ? AspectFit(picRect.size(), client) : client;
}

QRect MapFrameRect(const QRect& frameRect, const QRect& picRect, const QRect& client, bool stretch,
                   bool stretchFine) {
    if (!stretch) return frameRect.translated(picRect.topLeft()).intersected(picRect);
    const QRect target = FrameTarget(picRect, client, stretch, stretchFine);
    const int pw = std::max(picRect.width(), 1);
    const int ph = std::max(picRect.height(), 1);
    // Edges as (left, top, right, bottom) with right and bottom exclusive.
    const int left = target.left() + MulDiv(frameRect.left(), target.width(), pw);
    const int top = target.top() + MulDiv(frameRect.top(), target.height(), ph);
    const int right =
        target.left() + MulDiv(frameRect.left() + frameRect.width(), target.width(), pw);
    const int bottom =
        target.top() + MulDiv(frameRect.top() + frameRect.height(), target.height(), ph);
    return {left, top, right - left, bottom - top};
}

QImage ToFrameFormat(const QImage& image) {
    if (Is32Bit(image)) return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

QRect UpdateFrame(TTransitionImages& images, int style, int step, int progress,
                  const TFrameHooks& hooks) {
    QImage& frame = images.Frame;
    const int W = frame.width();
    const int H = frame.height();
    // Every frame starts from the old image.
    CopyOnto(images.Old, frame);
    if (hooks.BeforeNewFrame) hooks.BeforeNewFrame(images.New, frame);
    if (progress >= 100) {
        CopyOnto(images.New, frame);
    } else if (progress > 0) {
        if (style == 0) {
            if (hooks.CustomDraw) hooks.CustomDraw(images.New, frame);
        } else if (style >= 1 && style <= TransitionStyleCount) {
            TransitionStyles()[static_cast<std::size_t>(style - 1)].Proc(
                frame, images.New, QRect(0, 0, W, H), step, progress);
        }
    }
    if (hooks.AfterNewFrame) hooks.AfterNewFrame(images.New, frame);
    return {0, 0, W, H};
}

} // namespace brelvane
