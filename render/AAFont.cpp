#include "render/AAFont.h"

#include "render/AAFaceNames.h"
#include "render/FontConversion.h"

#include <QFontMetrics>
#include <QtMath>
#include <algorithm>
#include <cmath>

namespace brelvane {

void TAACanvas::SetFont(const TFont& font) {
    Font = ToQFont(font);
    FontColor = brelvane::FontColor(font);
}

namespace {

int PixelSize(const QFont& font) {
    if (font.pixelSize() > 0) return font.pixelSize();
    return std::max(1, qRound(font.pointSizeF() * 96 / 72));
}

// Rounds up, ignoring the noise the trigonometry leaves below a whole number.
int CeilOf(double value) {
    return static_cast<int>(std::ceil(value - 1e-9));
}

} // namespace

TAATextLayout TAAFont::Layout(const QString& text, int angle) const {
    TAATextLayout layout;
    if (canvas_ == nullptr || text.isEmpty()) return layout;
    const int f = QualityFactor(mask_.Quality());
    layout.Font = WithFaceStandIn(canvas_->Font);
    layout.Font.setPixelSize(PixelSize(canvas_->Font) * f);
    layout.Font.setStyleStrategy(QFont::NoAntialias);
    const QFontMetrics metrics(layout.Font);
    const int cx = metrics.horizontalAdvance(text);
    const int cy = metrics.height();
    layout.Extent = QSizeF(cx, cy);
    int width = (cx + f - 1) / f;
    const int height = (cy + f - 1) / f;
    // The platform extent leaves out the slant of the last glyphs.
    if (layout.Font.italic())
        width += static_cast<int>(std::nearbyint(width / static_cast<double>(text.size()) * 0.3));
    layout.TextWidth = width;
    layout.TextHeight = height;
    layout.Width = width;
    layout.Height = height;
    layout.Angle = angle;
    if (angle % 360 != 0) {
        const double radians = qDegreesToRadians(static_cast<double>(angle));
        const double c = std::abs(std::cos(radians)), s = std::abs(std::sin(radians));
        layout.Width = CeilOf(width * c + height * s);
        layout.Height = CeilOf(width * s + height * c);
    }
    return layout;
}

int TAAFont::TextWidth(const QString& text) {
    return Layout(text, 0).Width;
}

int TAAFont::TextHeight(const QString& text) {
    return Layout(text, 0).Height;
}

void TAAFont::TextOut(int x, int y, const QString& text) {
    const TAATextLayout layout = Layout(text, 0);
    if (layout.Width == 0 || layout.Height == 0) return;
    mask_.Build(layout, text);
    blend_.Blend(Target(), x, y, mask_, 100, canvas_->FontColor);
}

} // namespace brelvane
