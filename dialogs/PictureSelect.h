#pragma once

#include "storage/PictureBlock.h"

#include <QString>
#include <functional>
#include <initializer_list>

class QGridLayout;
class QLabel;
class QPushButton;
class QWidget;

namespace brelvane {

// A select button for an item's picture box: the button, or a click on the
// box, runs `edit` (which opens the image editor on the item's picture).
QPushButton* PictureSelectButton(QLabel* box, const QString& caption, const char* name,
                                 QWidget* parent, std::function<void()> edit);

// Row `row` of an item panel's fields: the caption, then the picture box
// with `buttons` stacked beside it.
void AddPictureRow(QGridLayout* fields, int row, const QString& caption, QLabel* box,
                   std::initializer_list<QWidget*> buttons);

// A menu item's bitmap for a picture: a bitmap of the picture's size with
// the picture drawn on it; none for an empty picture or one that cannot be
// drawn.
TPicture MenuBitmapOf(const TPicture& picture);

} // namespace brelvane
