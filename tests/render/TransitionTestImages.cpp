#include "TransitionTestImages.h"

#include <cstdlib>

namespace brelvane::test {
namespace {

int Distance(QRgb a, QRgb b) {
    return std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
           std::abs(qBlue(a) - qBlue(b));
}

} // namespace

QImage Uniform(int width, int height, QRgb colour, QImage::Format format) {
    QImage image(width, height, format);
    image.fill(colour);
    return image;
}

constexpr QRgb kOldMark = 1u << 22;

QImage Coordinates(int width, int height, bool old) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y,
                           0xFF000000u | static_cast<QRgb>(x) | (static_cast<QRgb>(y) << 11) |
                               (old ? kOldMark : 0u));
        }
    }
    return image;
}

int SourceX(QRgb pixel) {
    return static_cast<int>(pixel & 0x7FFu);
}

int SourceY(QRgb pixel) {
    return static_cast<int>((pixel >> 11) & 0x7FFu);
}

bool FromOld(QRgb pixel) {
    return (pixel & kOldMark) != 0;
}

QImage Draw(int number, const QImage& old, const QImage& picture, int step, int progress) {
    QImage frame = old.copy();
    TransitionStyles()[static_cast<std::size_t>(number - 1)].Proc(frame, picture, frame.rect(),
                                                                  step, progress);
    return frame;
}

QImage Cells(int width, int height, int cellWidth, int cellHeight) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(60 + 20 * (x / cellWidth), 60 + 20 * (y / cellHeight), 220));
    }
    return image;
}

double ShareOf(const QImage& picture, const QImage& frame) {
    // A fade at progress 99 is within 1 % of the colour range in every channel.
    constexpr int kTolerance = 9;
    qint64 matching = 0;
    for (int y = 0; y < frame.height(); ++y) {
        for (int x = 0; x < frame.width(); ++x) {
            if (Distance(frame.pixel(x, y), picture.pixel(x, y)) <= kTolerance) ++matching;
        }
    }
    return static_cast<double>(matching) / (static_cast<double>(frame.width()) * frame.height());
}

} // namespace brelvane::test
