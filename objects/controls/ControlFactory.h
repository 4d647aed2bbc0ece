#pragma once

#include "objects/controls/ObjectWidget.h"

#include <memory>

namespace brelvane {

// Creates the control of an object's kind on `parent`, showing the record.
// Null for a kind whose control this build does not have.
std::unique_ptr<TObjectWidget> CreateObjectControl(TAutoObject& object, QWidget* parent);

} // namespace brelvane
