#include "dialogs/ColorBox.h"

#include "dialogs/ColorNames.h"
#include "render/SystemColors.h"

#include <QColorDialog>
#include <QPainter>
#include <QPixmap>
#include <QSignalBlocker>

namespace brelvane {

namespace {
constexpr int kCustomIndex = 0;

// The swatch before an entry's name; "None" is white with a cross.
QIcon Swatch(std::int32_t value) {
    QPixmap sample(16, 12);
    QPainter painter(&sample);
    painter.fillRect(sample.rect(), value == kColorNone ? QColor(Qt::white) : ResolveColor(value));
    painter.setPen(Qt::black);
    painter.drawRect(sample.rect().adjusted(0, 0, -1, -1));
    if (value == kColorNone) {
        painter.drawLine(0, 0, sample.width() - 1, sample.height() - 1);
        painter.drawLine(0, sample.height() - 1, sample.width() - 1, 0);
    }
    return QIcon(sample);
}
} // namespace

std::int32_t ColorValueOf(const QColor& color) {
    return color.red() | (color.green() << 8) | (color.blue() << 16);
}

TColorPrompt DesktopColorPrompt() {
    return [](QWidget* owner, std::int32_t start) -> std::optional<std::int32_t> {
        QColorDialog dialog(ResolveColor(start), owner);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return ColorValueOf(dialog.selectedColor());
    };
}

TColorBox::TColorBox(QWidget* parent, TColorPrompt prompt)
    : QComboBox(parent), prompt_(std::move(prompt)) {
    setObjectName("ColorBox");
    setMaxVisibleItems(16);
    addItem(Swatch(0), QStringLiteral("Custom..."), 0);
    for (const auto& color : ColorList())
        addItem(Swatch(color.Value), SpacedColorName(color.Ident), color.Value);
    addItem(Swatch(kColorNone), QStringLiteral("None"), kColorNone);
    setCurrentIndex(1);
    shown_ = 1;
    connect(this, &QComboBox::activated, this, &TColorBox::Chosen);
}

std::int32_t TColorBox::Value() const {
    return currentData().toInt();
}

void TColorBox::SetValue(std::int32_t value) {
    const QSignalBlocker blocker(this);
    for (int i = 1; i < count(); ++i)
        if (itemData(i).toInt() == value) {
            setCurrentIndex(i);
            shown_ = i;
            return;
        }
    SetCustom(value);
}

void TColorBox::SetCustom(std::int32_t value) {
    setItemData(kCustomIndex, value);
    setItemIcon(kCustomIndex, Swatch(value));
    setCurrentIndex(kCustomIndex);
    shown_ = kCustomIndex;
}

void TColorBox::Chosen(int index) {
    if (index == kCustomIndex) {
        const auto picked = prompt_ ? prompt_(this, itemData(shown_).toInt()) : std::nullopt;
        if (!picked) {
            const QSignalBlocker blocker(this);
            setCurrentIndex(shown_);
            return;
        }
        SetValue(*picked);
    } else {
        shown_ = index;
    }
    emit ValueChosen(Value());
}

} // namespace brelvane
