#include "designer/FontForm.h"

#include "dialogs/ColorNames.h"
#include "designer/PropertyValues.h"
#include "platform/MessageBoxes.h"
#include "render/AnsiText.h"
#include "render/SystemColors.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace brelvane {

namespace {
constexpr int kSwatchSize = 12;

QIcon Swatch(std::int32_t color) {
    QPixmap pixmap(kSwatchSize, kSwatchSize);
    pixmap.fill(ResolveColor(color));
    return QIcon(pixmap);
}

std::uint8_t StyleBit(std::uint8_t style, std::uint8_t bit, bool was, bool now) {
    if (was == now) return style & bit;
    return now ? bit : 0;
}
} // namespace

QFont ShownFont(const TFont& stored, const QFont& base) {
    QFont font = base;
    font.setFamily(FromAnsi(stored.Name));
    if (stored.Size > 0)
        font.setPointSize(stored.Size);
    else if (stored.Size < 0)
        font.setPixelSize(-stored.Size);
    font.setBold((stored.Style & fsBold) != 0);
    font.setItalic((stored.Style & fsItalic) != 0);
    font.setUnderline((stored.Style & fsUnderline) != 0);
    font.setStrikeOut((stored.Style & fsStrikeOut) != 0);
    return font;
}

TFontForm::TFontForm(QWidget* parent, const TFont& font) : QDialog(parent), original_(font) {
    setObjectName("FontForm");
    setWindowTitle("Font");
    picker_ = new QFontDialog(this);
    picker_->setObjectName("FontPicker");
    picker_->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
    picker_->setWindowFlags(Qt::Widget);
    picker_->setCurrentFont(ShownFont(font));
    shown_ = picker_->currentFont();

    colors_ = new QComboBox(this);
    colors_->setObjectName("ColorBox");
    colors_->setMaxVisibleItems(16);
    bool listed = false;
    for (const auto& color : ColorList()) {
        colors_->addItem(Swatch(color.Value), SpacedColorName(color.Ident), color.Value);
        listed = listed || color.Value == font.Color;
    }
    // A colour outside the list stays choosable, so that it is never lost.
    if (!listed) colors_->insertItem(0, Swatch(font.Color), ColorName(font.Color), font.Color);
    colors_->setCurrentIndex(colors_->findData(font.Color));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* colorRow = new QFormLayout;
    colorRow->addRow("Color:", colors_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picker_);
    layout->addLayout(colorRow);
    layout->addWidget(buttons);
}

TFont TFontForm::Chosen() const {
    const QFont now = picker_->currentFont();
    TFont font = original_;
    if (now.family() != shown_.family()) font.Name = ToAnsi(now.family());
    if (now.pointSize() != shown_.pointSize() || now.pixelSize() != shown_.pixelSize())
        font.Size = now.pointSize() > 0 ? now.pointSize() : -now.pixelSize();
    std::uint8_t style = 0;
    style |= StyleBit(font.Style, fsBold, shown_.bold(), now.bold());
    style |= StyleBit(font.Style, fsItalic, shown_.italic(), now.italic());
    style |= StyleBit(font.Style, fsUnderline, shown_.underline(), now.underline());
    style |= StyleBit(font.Style, fsStrikeOut, shown_.strikeOut(), now.strikeOut());
    font.Style = static_cast<std::uint8_t>((font.Style & ~0x0F) | style);
    font.Color = colors_->currentData().toInt();
    return font;
}

bool ChooseFont(QWidget* owner, TFont& font) {
    TFontForm form(owner, font);
    if (form.exec() != QDialog::Accepted) return false;
    const TFont chosen = form.Chosen();
    const QString family = form.FontPicker()->currentFont().family();
    if (chosen.Name != font.Name && !IsStorableText(family)) {
        platform::ShowInformation(owner, "Information",
                                  "The font name \"" + family +
                                      "\" has characters that a project cannot store "
                                      "(Western European names only).");
        return false;
    }
    font = chosen;
    return true;
}

} // namespace brelvane
