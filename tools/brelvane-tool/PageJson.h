#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/Command.h"
#include "storage/project/PageRecord.h"

#include <nlohmann/json.hpp>

namespace brelvane {

nlohmann::ordered_json CommandToJson(const TCommand& command);
nlohmann::ordered_json MenuItemsToJson(const std::vector<TMenuItem>& items);
nlohmann::ordered_json ObjectToJson(const TAutoObject& object);
nlohmann::ordered_json PageToJson(const TPageRecord& page);

} // namespace brelvane
