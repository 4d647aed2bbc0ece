#pragma once

#include "project/PageRecord.h"

#include <nlohmann/json.hpp>

namespace brelvane {

// The page stream's fields as JSON; each object also names its kind.
nlohmann::ordered_json PageToJson(const TPageRecord& page);

} // namespace brelvane
