#pragma once

#include "project/PageRecord.h"

#include <string>

namespace brelvane {

// The demo's "Documents" page gets a web view of a local page with command
// links, a Flash movie, a text box, a rich-text box and a clip.
void AddDocumentObjects(TPageRecord& page);
// Writes what those objects show into BASE/Documents; false when a file
// cannot be written.
bool WriteDemoDocuments(const std::string& base);

} // namespace brelvane
