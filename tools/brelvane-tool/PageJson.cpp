#include "PageJson.h"

#include "ProjectJson.h"
#include "objects/records/ObjectKinds.h"
#include "project/PageStream.h"

namespace brelvane {

using json = nlohmann::ordered_json;

namespace {
// The object with "KindName" right after its "Kind".
json WithKindName(const json& object) {
    json named = json::object();
    for (const auto& [key, value] : object.items()) {
        named[key] = value;
        if (key == "Kind") named["KindName"] = std::string(KindName(value.get<std::uint8_t>()));
    }
    return named;
}
} // namespace

json PageToJson(const TPageRecord& page) {
    auto fields = FieldsToJson([&](TFieldVisitor& v) { VisitRecord(v, page); });
    for (auto& object : fields["Objects"])
        object = WithKindName(object);
    return fields;
}

} // namespace brelvane
