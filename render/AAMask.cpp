#include "render/AAMask.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <stdexcept>

namespace brelvane {

int QualityFactor(TAAQuality quality) {
    switch (quality) {
    case aqHigh:
        return 4;
    case aqNormal:
        return 3;
    case aqLow:
        return 2;
    case aqNone:
        break;
    }
    return 1;
}

std::uint8_t* TAAMask::Line(int y) {
    if (y < 0 || y >= height_) throw std::out_of_range("Invalid line!");
    return bytes_.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride_);
}

const std::uint8_t* TAAMask::Line(int y) const {
    return const_cast<TAAMask*>(this)->Line(y);
}

void TAAMask::Resize(int width, int height) {
    width_ = std::max(width, 0);
    height_ = std::max(height, 0);
    stride_ = (width_ + 3) & ~3;
    const auto size = static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height_);
    if (bytes_.size() < size) bytes_.resize(size);
}

void TAAMask::Build(const TAATextLayout& layout, const QString& text) {
    Resize(layout.Width, layout.Height);
    const int f = QualityFactor(quality_);
    if (width_ == 0 || height_ == 0) return;
    // Allocating the scratch anew for every text costs more than drawing the text.
    const int scratchWidth = width_ * f, scratchHeight = height_ * f;
    if (scratch_.width() < scratchWidth || scratch_.height() < scratchHeight)
        scratch_ = QImage(std::max(scratchWidth, scratch_.width()),
                          std::max(scratchHeight, scratch_.height()), QImage::Format_Grayscale8);
    QImage scratch(scratch_.bits(), scratchWidth, scratchHeight, scratch_.bytesPerLine(),
                   QImage::Format_Grayscale8);
    scratch.fill(0);
    {
        QPainter painter(&scratch);
        painter.setFont(layout.Font);
        painter.setPen(Qt::white);
        const int ascent = QFontMetrics(layout.Font).ascent();
        if (layout.Angle == 0) {
            painter.drawText(0, ascent, text);
        } else {
            painter.translate(scratch.width() / 2.0, scratch.height() / 2.0);
            painter.rotate(-layout.Angle);
            painter.drawText(
                QPointF(-layout.TextWidth * f / 2.0, -layout.TextHeight * f / 2.0 + ascent), text);
        }
    }
    Downsample(scratch);
}

namespace {

// Sums one F x F block starting at `top`; each F has its own weights.
template <int F> int BlockValue(const std::uint8_t* top, qsizetype stride);

template <> int BlockValue<4>(const std::uint8_t* p, qsizetype s) {
    int sum = 0;
    for (int r = 0; r < 4; ++r, p += s)
        sum += p[0] + p[1] + p[2] + p[3];
    return sum >> 4;
}

// Top-right and bottom-left count half, so the weights are 1 1 1/2, 1 1 1, 1/2 1 1.
template <> int BlockValue<3>(const std::uint8_t* p, qsizetype s) {
    const std::uint8_t* q = p + s;
    const std::uint8_t* r = q + s;
    return (p[0] + p[1] + (p[2] >> 1) + q[0] + q[1] + q[2] + (r[0] >> 1) + r[1] + r[2]) >> 3;
}

template <> int BlockValue<2>(const std::uint8_t* p, qsizetype s) {
    return (p[0] + p[1] + p[s] + p[s + 1]) >> 2;
}

template <> int BlockValue<1>(const std::uint8_t* p, qsizetype) {
    return p[0];
}

template <int F> void DownsampleBy(TAAMask& mask, const QImage& scratch) {
    const qsizetype stride = scratch.bytesPerLine();
    for (int y = 0; y < mask.Height(); ++y) {
        const std::uint8_t* top = scratch.constScanLine(y * F);
        std::uint8_t* out = mask.Line(y);
        for (int x = 0; x < mask.Width(); ++x, top += F)
            out[x] = static_cast<std::uint8_t>(BlockValue<F>(top, stride));
    }
}

} // namespace

void TAAMask::Downsample(const QImage& scratch) {
    const int f = QualityFactor(quality_);
    if (scratch.format() != QImage::Format_Grayscale8 || scratch.width() < width_ * f ||
        scratch.height() < height_ * f)
        throw std::invalid_argument("scratch smaller than the mask");
    switch (f) {
    case 4:
        return DownsampleBy<4>(*this, scratch);
    case 3:
        return DownsampleBy<3>(*this, scratch);
    case 2:
        return DownsampleBy<2>(*this, scratch);
    default:
        return DownsampleBy<1>(*this, scratch);
    }
}

} // namespace brelvane
