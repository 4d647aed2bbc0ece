#pragma once

#include "dialogs/ColorBox.h"

#include <QDialog>
#include <cstdint>

class QLabel;

namespace brelvane {

class TColorPalette;

// "Color Editor": a colour picked on the palette, in the colour box or by the
// platform colour dialog.
class TSelectColorForm : public QDialog {
    Q_OBJECT
public:
    TSelectColorForm(QWidget* owner, std::int32_t current,
                     TColorPrompt custom = DesktopColorPrompt());

    std::int32_t Chosen() const { return chosen_; }
    void SetChosen(std::int32_t value);
    TColorPalette* Palette() const { return palette_; }
    TColorBox* Box() const { return box_; }
    // The chosen colour as 8 hexadecimal digits.
    QLabel* ValueLabel() const { return value_; }

private:
    void PickCustom();

    TColorPrompt custom_;
    std::int32_t chosen_;
    TColorPalette* palette_ = nullptr;
    TColorBox* box_ = nullptr;
    QLabel* new_ = nullptr;
    QLabel* value_ = nullptr;
};

// True (and `color` replaced) when accepted with a colour other than `color`.
bool SelectColor(QWidget* owner, std::int32_t& color, TColorPrompt custom = DesktopColorPrompt());

} // namespace brelvane
