#pragma once

#include "storage/rtf/RtfReader.h"

#include <string>
#include <string_view>

namespace brelvane {

// Rich-text content is RTF when it begins with "{\rtf"; anything else (the
// plain-text switch, a text file loaded into a rich-text object) is ANSI text
// whose lines end with CR LF.
bool IsRtfContent(std::string_view content);

// One paragraph per line, in the default format. CR LF ends a line; a lone CR
// or LF is taken as a line end too.
TRtfDocument PlainTextDocument(std::string_view ansi);

// The paragraphs' text joined with CR LF; line breaks become CR LF too, and
// characters outside code page 1252 become '?'.
std::string PlainTextOf(const TRtfDocument& document);

// RTF read with `recovery`, or plain text, by the content's first bytes.
TRtfReadResult ReadRichContent(std::string_view content, TRtfRecovery recovery);

} // namespace brelvane
