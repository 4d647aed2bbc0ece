#pragma once

#include <QFont>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

namespace brelvane {

// Supersampling of the coverage mask; the factor is the scratch pixels per mask pixel side.
enum TAAQuality : std::uint8_t { aqHigh, aqNormal, aqLow, aqNone };

int QualityFactor(TAAQuality quality);

// Where and how a text is drawn into the scratch: the font at the factor's size, the text's
// extent at that size, the mask box in target pixels and the rotation.
struct TAATextLayout {
    QFont Font;
    QSizeF Extent;
    int Width = 0;
    int Height = 0;
    // The unrotated box in target pixels; the text is centred in the mask when rotated.
    int TextWidth = 0;
    int TextHeight = 0;
    // Degrees, counter-clockwise.
    int Angle = 0;
};

// Coverage of a text in target pixels: 0 no ink, 255 full ink. The storage and the grey
// scratch the text is drawn into only grow, so a mask reused for texts of similar size
// allocates once.
class TAAMask {
public:
    int Width() const { return width_; }
    int Height() const { return height_; }
    // Bytes between rows: the width padded to a multiple of 4.
    int Stride() const { return stride_; }
    TAAQuality Quality() const { return quality_; }
    void SetQuality(TAAQuality quality) { quality_ = quality; }

    // Row `y`; throws std::out_of_range "Invalid line!" outside 0..Height-1.
    std::uint8_t* Line(int y);
    const std::uint8_t* Line(int y) const;

    // Sets the size; the contents are undefined afterwards.
    void Resize(int width, int height);
    // Draws `text` aliased into a scratch at the factor's size and averages it down.
    void Build(const TAATextLayout& layout, const QString& text);
    // Averages a grey scratch of at least Width*F x Height*F pixels into the mask.
    void Downsample(const QImage& scratch);

private:
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
    TAAQuality quality_ = aqNormal;
    std::vector<std::uint8_t> bytes_;
    QImage scratch_;
};

} // namespace brelvane
