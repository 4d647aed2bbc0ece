#include "dialogs/ColorPalette.h"

#include "dialogs/ColorBox.h"
#include "dialogs/ColorNames.h"
#include "render/SystemColors.h"

#include <QMouseEvent>
#include <QPainter>

namespace brelvane {

namespace {
constexpr int kSwatch = 14;
constexpr int kGap = 4;
constexpr int kMargin = 8;
constexpr int kColumns = 12;
const QColor kBackground(212, 208, 200);

// Twelve hues at six lightness steps, then the listed standard and extended
// colours other than white and black, then the greys.
std::vector<std::vector<QColor>> SwatchRows() {
    std::vector<std::vector<QColor>> rows;
    for (int light : {30, 50, 75, 110, 150, 200}) {
        auto& row = rows.emplace_back();
        for (int hue = 0; hue < kColumns; ++hue)
            row.push_back(QColor::fromHsl(hue * 30, 255, light));
    }
    auto& named = rows.emplace_back();
    for (const auto& color : ColorList().first(20))
        if (color.Value != 0 && color.Value != 0xffffff) named.push_back(ResolveColor(color.Value));
    auto& greys = rows.emplace_back();
    for (int step = 1; step <= kColumns; ++step)
        greys.push_back(QColor::fromRgb(step * 255 / 13, step * 255 / 13, step * 255 / 13));
    return rows;
}

TPaletteLayout MakeLayout() {
    TPaletteLayout layout;
    const auto colors = SwatchRows();
    int widest = 0;
    for (const auto& row : colors)
        widest = std::max(widest, static_cast<int>(row.size()));
    const int width = 2 * kMargin + widest * (kSwatch + kGap) - kGap;
    const int rowsHeight = static_cast<int>(colors.size()) * (kSwatch + kGap);
    const int height = 2 * kMargin + rowsHeight + 2 * kSwatch;
    layout.Picture = QImage(width, height, QImage::Format_RGB32);
    layout.Picture.fill(kBackground);
    QPainter painter(&layout.Picture);
    int y = kMargin;
    for (const auto& row : colors) {
        auto& rects = layout.Rows.emplace_back();
        int x = kMargin;
        for (const auto& color : row) {
            rects.emplace_back(x, y, kSwatch, kSwatch);
            painter.fillRect(rects.back(), color);
            x += kSwatch + kGap;
        }
        y += kSwatch + kGap;
    }
    const int half = (width - 2 * kMargin - kGap) / 2;
    layout.White = QRect(kMargin, y, half, 2 * kSwatch);
    layout.Black = QRect(kMargin + half + kGap, y, half, 2 * kSwatch);
    painter.fillRect(layout.White, Qt::white);
    painter.fillRect(layout.Black, Qt::black);
    return layout;
}
} // namespace

const TPaletteLayout& PaletteLayout() {
    static const TPaletteLayout layout = MakeLayout();
    return layout;
}

std::optional<std::int32_t> PaletteColorAt(const QImage& palette, QPoint at) {
    if (palette.isNull() || !palette.rect().contains(at)) return std::nullopt;
    const QRgb background = palette.pixel(0, 0);
    for (int dy : {0, 1, -1}) {
        const QPoint probe(at.x(), at.y() + dy);
        if (!palette.rect().contains(probe)) continue;
        const QRgb pixel = palette.pixel(probe);
        if (pixel != background) return ColorValueOf(QColor(pixel));
    }
    return std::nullopt;
}

std::optional<QRect> PaletteMarker(const TPaletteLayout& layout, std::int32_t value) {
    if (value == kColorNone) return std::nullopt;
    const QRgb wanted = ResolveColor(value).rgb();
    if (wanted == QColor(Qt::white).rgb()) return layout.White;
    if (wanted == QColor(Qt::black).rgb()) return layout.Black;
    for (const auto& row : layout.Rows)
        for (const auto& swatch : row)
            if (layout.Picture.pixel(swatch.center()) == wanted) return swatch;
    return std::nullopt;
}

TColorPalette::TColorPalette(QWidget* parent) : QWidget(parent) {
    setObjectName("Palette");
    setFixedSize(sizeHint());
    setCursor(Qt::CrossCursor);
}

QSize TColorPalette::sizeHint() const {
    return PaletteLayout().Picture.size();
}

void TColorPalette::SetChosen(std::int32_t value) {
    marker_ = PaletteMarker(PaletteLayout(), value);
    update();
}

void TColorPalette::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, PaletteLayout().Picture);
    if (!marker_) return;
    // A black frame with a white one inside shows on every swatch.
    painter.setPen(Qt::black);
    painter.drawRect(marker_->adjusted(-2, -2, 1, 1));
    painter.setPen(Qt::white);
    painter.drawRect(marker_->adjusted(-1, -1, 0, 0));
}

void TColorPalette::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    if (const auto value = PaletteColorAt(PaletteLayout().Picture, event->position().toPoint()))
        emit Picked(*value);
}

} // namespace brelvane
