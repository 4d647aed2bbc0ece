#include "dialogs/ColorSwatch.h"

#include "render/SystemColors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>

namespace brelvane {

namespace {
// A Windows colour value (red in the low byte) of a picked colour.
std::int32_t ColorValue(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}
} // namespace

TColorSwatch::TColorSwatch(QWidget* parent) : QPushButton(parent) {
    setObjectName("ColorSwatch");
    connect(this, &QPushButton::clicked, this, &TColorSwatch::Pick);
    SetValue(0);
}

void TColorSwatch::SetValue(std::int32_t value) {
    value_ = value;
    QPixmap sample(24, 12);
    sample.fill(ResolveColor(value));
    QPainter(&sample).drawRect(sample.rect().adjusted(0, 0, -1, -1));
    setIcon(sample);
    setIconSize(sample.size());
    setText(QString("$%1").arg(static_cast<std::uint32_t>(value), 8, 16, QChar('0')).toUpper());
}

void TColorSwatch::Pick() {
    const auto color = QColorDialog::getColor(ResolveColor(value_), this);
    if (!color.isValid()) return;
    SetValue(ColorValue(color));
    emit Picked();
}

} // namespace brelvane
