#pragma once

#include "storage/FieldVisitor.h"

#include <set>
#include <string>
#include <vector>

namespace brelvane::test {

// Walks a record and notes every field without a name and every name that
// stands twice in one record: a dump or a property table would lose one of
// the two. Entries of lists are the only fields without names.
class FieldNameCheck final : public TFieldVisitor {
public:
    std::vector<std::string> Problems;
    int Fields = 0;

    void Field(const char* name, const TNumber&) override { Note(name); }
    void Field(const char* name, bool) override { Note(name); }
    void Field(const char* name, double) override { Note(name); }
    void Field(const char* name, const std::string&) override { Note(name); }
    void Field(const char* name, const TPicture&) override { Note(name); }
    void BeginRecord(const char* name) override { Open(name, false); }
    void EndRecord() override { levels_.pop_back(); }
    void BeginList(const char* name) override { Open(name, true); }
    void EndList() override { levels_.pop_back(); }

    // The names of the walked record's own fields.
    const std::set<std::string>& Names() const { return levels_.front().Names; }

private:
    struct Level {
        std::set<std::string> Names;
        bool List = false;
    };
    void Note(const char* name) {
        ++Fields;
        auto& level = levels_.back();
        if (level.List) {
            if (name) Problems.push_back(std::string("list entry named ") + name);
        } else if (!name) {
            Problems.push_back("field without a name");
        } else if (!level.Names.insert(name).second) {
            Problems.push_back(std::string("twice in one record: ") + name);
        }
    }
    void Open(const char* name, bool list) {
        Note(name);
        levels_.push_back({{}, list});
    }
    std::vector<Level> levels_{Level{}};
};

} // namespace brelvane::test
