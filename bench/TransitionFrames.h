#pragma once

#include <QImage>
#include <string>

// The frames both transition benchmarks compose: a screen-sized picture with
// a pattern that differs per seed, so that no step can skip unchanged pixels.
namespace transition_frames {

inline constexpr int kWidth = 1024;
inline constexpr int kHeight = 768;
inline constexpr int kStep = 4;
// The frames of one transition before its last: progress 4, 8 ... 96.
inline constexpr int kFramesPerTransition = 100 / kStep - 1;

inline QImage Pattern(int seed) {
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    for (int y = 0; y < kHeight; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < kWidth; ++x)
            row[x] = qRgb((x + seed) & 0xFF, (y * 3 + seed) & 0xFF, ((x ^ y) + seed) & 0xFF);
    }
    return image;
}

} // namespace transition_frames
