#include "render/FontConversion.h"

#include "render/AnsiText.h"
#include "render/SystemColors.h"

#include <algorithm>

namespace brelvane {

namespace {
constexpr long long kDefaultPointSize = 8;
constexpr long long kMaxPixelHeight = 2000;

// Points to pixels at 96 dpi, rounded as MulDiv does; a negative size is
// already a character height in pixels.
int PixelHeight(std::int32_t size) {
    const long long points = size == 0 ? kDefaultPointSize : size;
    const long long pixels = points < 0 ? -points : (points * 96 + 36) / 72;
    return static_cast<int>(std::clamp(pixels, 1LL, kMaxPixelHeight));
}
} // namespace

QFont ToQFont(const TFont& font) {
    QFont result(FromAnsi(font.Name));
    result.setPixelSize(PixelHeight(font.Size));
    result.setBold((font.Style & fsBold) != 0);
    result.setItalic((font.Style & fsItalic) != 0);
    result.setUnderline((font.Style & fsUnderline) != 0);
    result.setStrikeOut((font.Style & fsStrikeOut) != 0);
    return result;
}

QColor FontColor(const TFont& font) {
    return ResolveColor(font.Color);
}

} // namespace brelvane
