#pragma once

#include "designer/ChoiceTables.h"
#include "designer/PropertyRow.h"
#include "designer/PropertyValues.h"
#include "render/AnsiText.h"
#include "storage/PictureBlock.h"

#include <QWidget>
#include <algorithm>
#include <functional>
#include <initializer_list>
#include <limits>
#include <span>
#include <string>

namespace brelvane {

struct TAutoObject;
struct TDesignerProject;
struct TPageRecord;
class TProjectPickers;
class TRichEditorForm;

// What the row builders of a target may use.
struct TRowContext {
    TPageRecord& Page;
    // Null when the rows are the page's.
    TAutoObject* Object;
    const TDesignerProject& Project;
    TProjectPickers& Pickers;
    // The parent of the dialogs the rows open.
    QWidget* DialogOwner;
    // The page name row: false when the name is refused (the refusal is shown).
    std::function<bool(const std::string&)> RenamePage;
    // The rich editor made when the designer started; null where there is none.
    TRichEditorForm* RichEditor = nullptr;
};

// The row kinds every table is made of; `path` names the stored field.

TPropertyRow TextRow(const QString& caption, std::string& field, std::string path);
TPropertyRow BoolRow(const QString& caption, bool& field, std::string path);
TPropertyRow FontRow(const QString& caption, TFont& font, std::string path, QWidget* owner);
TPropertyRow FileRow(const QString& caption, std::string& field, std::string path,
                     TProjectPickers& pickers, const QString& filter);
TPropertyRow FolderRow(const QString& caption, std::string& field, std::string path,
                       TProjectPickers& pickers);
// The names of the page's objects of `kinds`, in page order.
QStringList NamesOfKinds(const TPageRecord& page, std::initializer_list<std::uint8_t> kinds);
// The same list, made when a drop-down asks for it.
std::function<QStringList()> NamesOfKindsLater(const TPageRecord& page, std::uint8_t kind,
                                               std::uint8_t otherKind);
std::function<QStringList()> NamesOfKindsLater(const TPageRecord& page, std::uint8_t kind);
// Free text with a drop-down of suggested values.
TPropertyRow SuggestRow(const QString& caption, std::string& field,
                        std::function<QStringList()> suggestions, std::string path);
// A read-only value that a dialog edits; its builder gives it the dialog.
TPropertyRow DialogRow(const QString& caption, std::function<QString()> text,
                       std::vector<std::string> paths);
TPropertyRow ColorRow(const QString& caption, std::int32_t& field, std::string path);
TPropertyRow PictureRow(const QString& caption, TPicture& field, std::string path,
                        const char* emptyType = "None");
// A multi-line text shown as "[Text]" or "[None]" and edited by the text editor.
TPropertyRow TextEditorRow(const QString& caption, std::string& field, std::string path);
// A fixed row that shows a text field as it is.
TPropertyRow ShownRow(const QString& caption, const std::string& field, std::string path);

// The text of a choice value; the value's own number when no entry has it.
QString ChoiceText(std::span<const TChoice> choices, std::int64_t value);
QStringList ChoiceTexts(std::span<const TChoice> choices);

template <class T>
TPropertyRow ChoiceRow(const QString& caption, T& field, std::span<const TChoice> choices,
                       std::string path) {
    TPropertyRow row;
    row.Caption = caption;
    row.Editor = TRowEditor::Choice;
    row.Fields = {std::move(path)};
    row.Choices = [choices] { return ChoiceTexts(choices); };
    row.Text = [&field, choices] { return ChoiceText(choices, field); };
    row.Apply = [&field, choices](const QString& text) {
        for (const auto& choice : choices)
            if (text == QLatin1String(choice.Text)) {
                field = static_cast<T>(choice.Value);
                return true;
            }
        return false;
    };
    return row;
}

// A whole number held in `field`; the bounds never exceed what the field's
// type holds, so every value shown is the value stored.
template <class T>
TPropertyRow NumberRow(const QString& caption, T& field, std::string path,
                       std::int64_t minimum = std::numeric_limits<std::int32_t>::min(),
                       std::int64_t maximum = std::numeric_limits<std::int32_t>::max()) {
    TPropertyRow row;
    row.Caption = caption;
    row.Editor = TRowEditor::Number;
    row.Fields = {std::move(path)};
    row.Minimum = std::max<std::int64_t>(minimum, std::numeric_limits<T>::min());
    row.Maximum = std::min<std::int64_t>(maximum, std::numeric_limits<T>::max());
    row.Number = [&field] { return static_cast<std::int64_t>(field); };
    row.SetNumber = [&field](std::int64_t value) { field = static_cast<T>(value); };
    row.Text = [&field] { return QString::number(static_cast<std::int64_t>(field)); };
    return row;
}

// A byte 0..255 shown and typed as a percentage.
template <class T>
TPropertyRow PercentRow(const QString& caption, T& field, std::string path, std::int64_t minimum,
                        std::int64_t maximum) {
    TPropertyRow row = NumberRow(caption, field, std::move(path), minimum, maximum);
    row.Minimum = minimum;
    row.Maximum = maximum;
    row.Number = [&field] { return PercentShown(field); };
    row.SetNumber = [&field](std::int64_t percent) {
        field = static_cast<T>(PercentStored(percent));
    };
    row.Text = [&field] { return QString::number(PercentShown(field)); };
    return row;
}

} // namespace brelvane
