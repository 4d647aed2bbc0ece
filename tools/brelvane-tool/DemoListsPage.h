#pragma once

#include "project/PageRecord.h"

#include <string>

namespace brelvane {

// The demo's "Lists" page: one object of each list kind, items that show a
// message or open a page, a tree driving a list view, and shell views of
// the Docs folder.
TPageRecord DemoListsPage();

// Writes the Docs folder that the page's shell views show; false on failure.
bool WriteDemoDocs(const std::string& baseFolder);

} // namespace brelvane
