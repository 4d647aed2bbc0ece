#include "designer/RowFactory.h"

#include "designer/FontForm.h"
#include "designer/ProjectPickers.h"
#include "dialogs/ColorNames.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/SelectColorForm.h"
#include "dialogs/TextEditorForm.h"
#include "project/PageRecord.h"

#include <QApplication>
#include <algorithm>

namespace brelvane {

QString ChoiceText(std::span<const TChoice> choices, std::int64_t value) {
    for (const auto& choice : choices)
        if (choice.Value == value) return choice.Text;
    return QString::number(value);
}

QStringList ChoiceTexts(std::span<const TChoice> choices) {
    QStringList texts;
    for (const auto& choice : choices)
        texts << choice.Text;
    return texts;
}

TPropertyRow TextRow(const QString& caption, std::string& field, std::string path) {
    TPropertyRow row;
    row.Caption = caption;
    row.Editor = TRowEditor::Text;
    row.Fields = {std::move(path)};
    row.Text = [&field] { return FromAnsi(field); };
    row.Apply = [&field](const QString& text) {
        field = ToAnsi(text);
        return true;
    };
    return row;
}

TPropertyRow BoolRow(const QString& caption, bool& field, std::string path) {
    return ChoiceRow(caption, field, kBoolChoices, std::move(path));
}

TPropertyRow FontRow(const QString& caption, TFont& font, std::string path, QWidget* owner) {
    TPropertyRow row;
    row.Caption = caption;
    row.Editor = TRowEditor::Dialog;
    row.Look = TRowLook::Font;
    row.Fields = {std::move(path)};
    row.Text = [&font] { return FromAnsi(font.Name); };
    row.Font = [&font] { return font; };
    row.Open = [&font, owner](const std::function<void()>& beforeChange) {
        TFont chosen = font;
        if (!ChooseFont(owner, chosen) || chosen == font) return false;
        beforeChange();
        font = chosen;
        return true;
    };
    return row;
}

namespace {
// A path row: typed text applies as a text row does; the ellipsis asks `choose`.
TPropertyRow PathRow(const QString& caption, std::string& field, std::string path,
                     std::function<bool(std::string&)> choose) {
    TPropertyRow row = TextRow(caption, field, std::move(path));
    row.Editor = TRowEditor::File;
    row.Open = [&field, choose = std::move(choose)](const std::function<void()>& beforeChange) {
        std::string chosen = field;
        if (!choose(chosen) || chosen == field) return false;
        beforeChange();
        field = chosen;
        return true;
    };
    return row;
}
} // namespace

TPropertyRow FileRow(const QString& caption, std::string& field, std::string path,
                     TProjectPickers& pickers, const QString& filter) {
    return PathRow(caption, field, std::move(path), [&pickers, filter](std::string& chosen) {
        return pickers.ChooseFileInProject(chosen, filter);
    });
}

TPropertyRow FolderRow(const QString& caption, std::string& field, std::string path,
                       TProjectPickers& pickers) {
    return PathRow(caption, field, std::move(path), [&pickers](std::string& chosen) {
        return pickers.ChooseFolderInProject(chosen);
    });
}

QStringList NamesOfKinds(const TPageRecord& page, std::initializer_list<std::uint8_t> kinds) {
    QStringList names;
    for (const auto& object : page.Objects)
        if (std::find(kinds.begin(), kinds.end(), object->Kind) != kinds.end())
            names << FromAnsi(object->Props.Name);
    return names;
}

std::function<QStringList()> NamesOfKindsLater(const TPageRecord& page, std::uint8_t kind,
                                               std::uint8_t otherKind) {
    return [&page, kind, otherKind] { return NamesOfKinds(page, {kind, otherKind}); };
}

std::function<QStringList()> NamesOfKindsLater(const TPageRecord& page, std::uint8_t kind) {
    return NamesOfKindsLater(page, kind, kind);
}

TPropertyRow SuggestRow(const QString& caption, std::string& field,
                        std::function<QStringList()> suggestions, std::string path) {
    TPropertyRow row = TextRow(caption, field, std::move(path));
    row.Editor = TRowEditor::Suggest;
    row.Choices = std::move(suggestions);
    return row;
}

TPropertyRow DialogRow(const QString& caption, std::function<QString()> text,
                       std::vector<std::string> paths) {
    TPropertyRow row;
    row.Caption = caption;
    row.Editor = TRowEditor::Dialog;
    row.Fields = std::move(paths);
    row.Text = std::move(text);
    return row;
}

TPropertyRow ColorRow(const QString& caption, std::int32_t& field, std::string path) {
    TPropertyRow row = DialogRow(caption, [&field] { return ColorName(field); }, {std::move(path)});
    row.Look = TRowLook::Color;
    row.Color = [&field] { return field; };
    row.Open = [&field](const std::function<void()>& beforeChange) {
        std::int32_t chosen = field;
        if (!SelectColor(QApplication::activeWindow(), chosen)) return false;
        beforeChange();
        field = chosen;
        return true;
    };
    return row;
}

TPropertyRow PictureRow(const QString& caption, TPicture& field, std::string path,
                        const char* emptyType) {
    TPropertyRow row = DialogRow(
        caption, [&field, emptyType] { return PictureText(field, emptyType); }, {std::move(path)});
    row.Open = [&field](const std::function<void()>& beforeChange) {
        TPicture edited = field;
        if (!EditImage(QApplication::activeWindow(), edited)) return false;
        beforeChange();
        field = std::move(edited);
        return true;
    };
    return row;
}

TPropertyRow TextEditorRow(const QString& caption, std::string& field, std::string path) {
    TPropertyRow row = DialogRow(caption, [&field] { return Placeholder(!field.empty(), "Text"); },
                                 {std::move(path)});
    row.Open = [&field](const std::function<void()>& beforeChange) {
        std::string edited = field;
        if (!EditText(QApplication::activeWindow(), edited)) return false;
        beforeChange();
        field = std::move(edited);
        return true;
    };
    return row;
}

TPropertyRow ShownRow(const QString& caption, const std::string& field, std::string path) {
    TPropertyRow row;
    row.Caption = caption;
    row.Fields = {std::move(path)};
    row.Text = [&field] { return FromAnsi(field); };
    return row;
}

} // namespace brelvane
