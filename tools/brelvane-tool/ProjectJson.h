#pragma once

#include "storage/FontBlock.h"
#include "storage/PictureBlock.h"
#include "storage/ProjectIndex.h"

#include <nlohmann/json.hpp>

namespace brelvane {

// JSON views of stored records, strings converted from Windows-1252 to UTF-8.
nlohmann::ordered_json FontToJson(const TFont& font);
nlohmann::ordered_json PictureToJson(const TPicture& picture);
nlohmann::ordered_json SettingsToJson(const TSettings& settings);
nlohmann::ordered_json ProjectIndexToJson(const TProjectIndex& index);

} // namespace brelvane
