#pragma once

#include "storage/rtf/RtfDocument.h"

#include <string>

namespace brelvane {

// Writes the document in one fixed form, so that what the reader makes of it
// is written again byte for byte:
//   {\rtf1\ansi\ansicpg1252\deff0\deflang<Language>{\fonttbl{\f0\fnil\fcharset0 Name;}…}CR LF
//   {\colortbl ;\red…\green…\blue…;…}CR LF        only when a run uses a colour
//   \viewkind4\uc1\pard<paragraph words><character words> text\par CR LF …
//   }
// Paragraph words follow a \pard when the format changes; character words
// give what changed since the previous run. Characters outside code page 1252
// are written as \uN? and bulleted paragraphs carry their \pntext, drawn with
// a Symbol font entry that is added when the table has none.
std::string WriteRtf(const TRtfDocument& document);

} // namespace brelvane
