#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/ObjectHost.h"

#include <optional>
#include <string>

namespace brelvane {

// The status bar panel a viewer name "StatusBar[i]" points at, when the page
// has panel i; any other name is an object name.
std::optional<int> StatusPanelViewer(const std::string& viewer, int panelCount);

// Pointer enters `source`: its sound, every other lit object goes dark (a
// fast pointer may have missed their exits), its comment and graphic comment
// go to their viewers, whose own text is saved in the source.
void HoverEntry(TAutoObjects& objects, TAutoObject& source, TObjectHost& host);
// Pointer leaves `source`: its sound, and the viewers get back the text the
// source saved on entry, so that viewers are restored in exit order.
void HoverExit(TAutoObjects& objects, TAutoObject& source, TObjectHost& host);
// Pointer over the page background: image buttons and images go dark.
void HoverOverBackground(TAutoObjects& objects, TObjectHost& host);

} // namespace brelvane
