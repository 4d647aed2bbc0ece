#include "ProjectJson.h"

#include "storage/AnsiCodePage.h"

#include <utility>
#include <vector>

namespace brelvane {

using json = nlohmann::ordered_json;

namespace {
class JsonFields final : public TFieldVisitor {
public:
    void Field(const char* name, const TNumber& value) override { Put(name, value.Value); }
    void Field(const char* name, bool value) override { Put(name, value); }
    void Field(const char* name, double value) override { Put(name, value); }
    void Field(const char* name, const std::string& value) override {
        Put(name, AnsiToUtf8(value));
    }
    void Field(const char* name, const TPicture& value) override {
        Put(name,
            {{"class", std::string(PictureClassName(value.Kind))}, {"size", value.Data.size()}});
    }
    void BeginRecord(const char* name) override { open_.emplace_back(name, json::object()); }
    void EndRecord() override { Close(); }
    void BeginList(const char* name) override { open_.emplace_back(name, json::array()); }
    void EndList() override { Close(); }

    json Take() { return std::move(open_.front().second); }

private:
    // Into the innermost open record or list (whose entries have no name).
    void Put(const char* name, json value) {
        auto& into = open_.back().second;
        if (into.is_array())
            into.push_back(std::move(value));
        else
            into[name] = std::move(value);
    }
    void Close() {
        auto [name, value] = std::move(open_.back());
        open_.pop_back();
        Put(name, std::move(value));
    }

    std::vector<std::pair<const char*, json>> open_{{nullptr, json::object()}};
};
} // namespace

json FieldsToJson(const std::function<void(TFieldVisitor&)>& walk) {
    JsonFields fields;
    walk(fields);
    return fields.Take();
}

json ProjectIndexToJson(const TProjectIndex& index) {
    json pages = json::array();
    for (const auto& page : index.Pages)
        pages.push_back(FieldsToJson([&](TFieldVisitor& v) { VisitRecord(v, *page); }));
    return {{"settings", FieldsToJson([&](TFieldVisitor& v) { VisitRecord(v, index.Settings); })},
            {"pages", pages}};
}

} // namespace brelvane
