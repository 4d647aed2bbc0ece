#pragma once

#include "storage/FieldVisitor.h"
#include "storage/ProjectIndex.h"

#include <functional>
#include <nlohmann/json.hpp>

namespace brelvane {

// A record's fields as JSON, as `walk` tells them to a visitor: nested records
// are objects, lists arrays, pictures their class and size, strings converted
// from Windows-1252 to UTF-8.
nlohmann::ordered_json FieldsToJson(const std::function<void(TFieldVisitor&)>& walk);

nlohmann::ordered_json ProjectIndexToJson(const TProjectIndex& index);

} // namespace brelvane
