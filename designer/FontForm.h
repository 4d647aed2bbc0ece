#pragma once

#include "storage/FontBlock.h"

#include <QDialog>
#include <QFont>

class QComboBox;
class QFontDialog;

namespace brelvane {

// The font dialog of font rows: face, style, size, underline and strike-out,
// and the font's colour, on a copy of a stored font. What the user leaves as
// it was stays exactly as stored (a face this system lacks, a size in pixels,
// a colour outside the list).
class TFontForm : public QDialog {
    Q_OBJECT
public:
    TFontForm(QWidget* parent, const TFont& font);

    // The stored font with the user's choices applied.
    TFont Chosen() const;

    QFontDialog* FontPicker() const { return picker_; }
    QComboBox* ColorBox() const { return colors_; }

private:
    TFont original_;
    // What the picker showed before the user touched it.
    QFont shown_;
    QFontDialog* picker_ = nullptr;
    QComboBox* colors_ = nullptr;
};

// A stored font as Qt draws it: face, size (points, or pixels when negative)
// and style over `base`.
QFont ShownFont(const TFont& stored, const QFont& base = QFont());

// Runs the font dialog on `font`; true when it was confirmed, `font` then
// holding the choice. A face name the project cannot store is refused with a
// message.
bool ChooseFont(QWidget* owner, TFont& font);

} // namespace brelvane
