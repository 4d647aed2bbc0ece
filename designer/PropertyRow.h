#pragma once

#include "storage/FontBlock.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace brelvane {

// How a row's value is edited.
enum class TRowEditor : std::uint8_t {
    Choice,  // a drop-down of fixed values; the text cannot be typed
    Text,    // free text
    Number,  // a whole number, checked when the cell is left
    File,    // free text and an ellipsis button that opens a picker
    Dialog,  // read-only text and an ellipsis button that opens a dialog
    Suggest, // free text and a drop-down of suggested values
    Fixed,   // shown, not editable
};

// The sections whose first row carries a section icon. The first six are the
// sections whose start rows the list keeps.
enum class TRowSection : std::uint8_t {
    None,
    Position,
    Action,
    Sounds,
    Comment,
    Visibility,
    Bars,
    Effect,     // the text-effect block
    Shadow,     // its shadow rows
    Background, // the background rows of text kinds
};
inline constexpr int kKeptSections = 6;

// How the value cell is drawn.
enum class TRowLook : std::uint8_t {
    Plain,
    Color,    // a swatch before the colour's name
    Font,     // the face name drawn in the font
    Disabled, // "Disabled" in bold white on light grey
    Cursor,   // "[Default]" while empty
};

// What the designer does after the row's value changed; several may be set.
enum TRowFollowUp : unsigned {
    fuNone = 0,
    fuRepaint = 1 << 0,    // the target object shows its record anew; the surface is repainted
    fuFrame = 1 << 1,      // the surface imitates the page window anew
    fuBackground = 1 << 2, // the page background is drawn anew
    fuPageSize = 1 << 3,   // the page window has a new size
    fuRows = 1 << 4,       // the list is built anew (rows that depend on this value)
    fuSelector = 1 << 5,   // the object selector shows the new name
    fuGroups = 1 << 6,     // the group names changed
    fuBars = 1 << 7,       // the page's menu, tool and status bars are built anew
};

// One row of the property list. The row reads and writes its target's fields
// through the functions it carries; they are valid while the list shows the
// target it was built for.
struct TPropertyRow {
    QString Caption;
    TRowEditor Editor = TRowEditor::Fixed;
    TRowSection Section = TRowSection::None;
    TRowLook Look = TRowLook::Plain;
    unsigned FollowUps = fuNone;
    // The stored fields the row changes, as dotted paths from the page record
    // or the object record ("Payload.Font" stands for every field of the font).
    std::vector<std::string> Fields;

    // The value cell's text.
    std::function<QString()> Text;
    // Choice and suggest rows: the values offered, built when the drop-down
    // opens (lists of the page's objects would cost every fill their time).
    std::function<QStringList()> Choices;
    // Choice, text, suggest and file rows: takes the cell's text. Text rows
    // validated when the cell is left (the page name) return false to refuse it.
    std::function<bool(const QString&)> Apply;
    bool AppliedOnLeave = false;
    // False for rows whose change the undo history cannot take back alone
    // (the page name is also the page file's name).
    bool Undoable = true;

    // Number rows: the value as shown, its bounds, and the setter of a value
    // within them.
    std::function<std::int64_t()> Number;
    std::function<void(std::int64_t)> SetNumber;
    std::int64_t Minimum = std::numeric_limits<std::int32_t>::min();
    std::int64_t Maximum = std::numeric_limits<std::int32_t>::max();

    // File and dialog rows: the ellipsis button. `beforeChange` runs once,
    // just before the field is written; false when nothing changed.
    std::function<bool(const std::function<void()>& beforeChange)> Open;

    // Colour rows: the colour value of the swatch. Font rows: the font shown.
    std::function<std::int32_t()> Color;
    std::function<TFont()> Font;

    bool Editable() const { return Editor != TRowEditor::Fixed; }
    QStringList Offered() const { return Choices ? Choices() : QStringList(); }
    bool HasEllipsis() const {
        return (Editor == TRowEditor::File || Editor == TRowEditor::Dialog) && Open != nullptr;
    }
};

using TPropertyRows = std::vector<TPropertyRow>;

} // namespace brelvane
