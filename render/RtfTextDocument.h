#pragma once

#include "storage/rtf/RtfDocument.h"

class QTextDocument;

namespace brelvane {

// Replaces the document's content with the rich text: fonts, sizes, bold,
// italic, underline, strike, colours, alignment, indents, bulleted paragraphs
// as lists, tabs (every 720 twips, the stored text's default) and line breaks.
// The undo history is cleared; the modified flag is the caller's.
void LoadRtfIntoTextDocument(const TRtfDocument& rich, QTextDocument& target);

// The document's content as rich text, its fonts in the order of first use.
// Inline objects such as images are left out.
TRtfDocument RtfFromTextDocument(const QTextDocument& source);

} // namespace brelvane
