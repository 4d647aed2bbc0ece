#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>
#include <cstdint>
#include <optional>
#include <vector>

namespace brelvane {

// The palette picture of the colour editor: rows of swatches on a plain
// background, with a large white and a large black swatch of their own.
struct TPaletteLayout {
    QImage Picture;
    std::vector<std::vector<QRect>> Rows;
    QRect White;
    QRect Black;
};
const TPaletteLayout& PaletteLayout();

// The colour a click at `at` picks: the pixel's colour, or when that pixel
// shows the background (the top-left pixel's colour) the pixel just below,
// then the one just above; nothing when all show the background or `at` is
// outside the picture.
std::optional<std::int32_t> PaletteColorAt(const QImage& palette, QPoint at);

// Where the palette shows `value`: the white or black swatch, or the first
// swatch of that colour along the rows.
std::optional<QRect> PaletteMarker(const TPaletteLayout& layout, std::int32_t value);

// The palette picture with the marker of the chosen colour; a click reports
// the picked colour.
class TColorPalette : public QWidget {
    Q_OBJECT
public:
    explicit TColorPalette(QWidget* parent = nullptr);
    void SetChosen(std::int32_t value);
    std::optional<QRect> Marker() const { return marker_; }
    QSize sizeHint() const override;

signals:
    void Picked(std::int32_t value);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::optional<QRect> marker_;
};

} // namespace brelvane
