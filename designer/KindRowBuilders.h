#pragma once

#include "designer/RowFactory.h"
#include "objects/records/AutoObject.h"

#include <string>

namespace brelvane {

// Appends a kind's own rows, those after "Name".
using TKindRows = void (*)(TRowContext&, TAutoObject&, TPropertyRows&);

template <class P> P& PayloadOf(TAutoObject& object) {
    return static_cast<P&>(*object.Payload);
}

// The path of a payload field.
inline std::string At(const char* field) {
    return std::string("Payload.") + field;
}

inline TPropertyRow PayloadFontRow(TRowContext& context, const QString& caption, TFont& font,
                                   const char* field) {
    return FontRow(caption, font, At(field), context.DialogOwner);
}

// A text shown by the text editor: "[Text]" or "[None]".
inline TPropertyRow TextDialog(const char* caption, std::string& lines, const char* field) {
    return TextEditorRow(caption, lines, At(field));
}

// Document and media objects.
void TextBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void RichTextRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void AviRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void ExplorerRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void MediaPlayerRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void SlideShowRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void FlashRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);

// List objects.
void ListBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void DropDownListRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void ListViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void TreeViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void ShellComboBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void ShellTreeViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);
void ShellListViewRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows);

} // namespace brelvane
