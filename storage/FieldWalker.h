#pragma once

#include "storage/FieldRecord.h"
#include "storage/FieldVisitor.h"
#include "storage/PictureBlock.h"

#include <memory>
#include <string>
#include <vector>

namespace brelvane {

// Tells a visitor every field of a record, by name and held type, in stored
// order. Sections that a reader might find absent are visited as present.
class TFieldWalker {
public:
    static constexpr TFieldDirection kDirection = TFieldDirection::Visit;

    explicit TFieldWalker(TFieldVisitor& visitor) : visitor_(visitor) {}
    TFieldWalker(const TFieldWalker&) = delete;
    TFieldWalker& operator=(const TFieldWalker&) = delete;

    template <StoredInteger T> bool operator()(const char* name, const T& value) {
        visitor_.Field(name, TNumber{value, NumberTypeOf<T>()});
        return true;
    }
    bool operator()(const char* name, bool value) {
        visitor_.Field(name, value);
        return true;
    }
    bool operator()(const char* name, double value) {
        visitor_.Field(name, value);
        return true;
    }
    bool operator()(const char* name, const std::string& value) {
        visitor_.Field(name, value);
        return true;
    }
    bool operator()(const char* name, const TPicture& value) {
        visitor_.Field(name, value);
        return true;
    }

    template <class T> bool operator()(const char* name, std::vector<T>& items) {
        visitor_.BeginList(name);
        for (auto& item : items)
            (*this)(nullptr, item);
        visitor_.EndList();
        return true;
    }
    template <class T> bool operator()(const char* name, std::vector<std::unique_ptr<T>>& items) {
        visitor_.BeginList(name);
        for (auto& item : items)
            (*this)(nullptr, *item);
        visitor_.EndList();
        return true;
    }

    template <FieldAdapterType A> bool operator()(const char* name, A&& adapter) {
        return adapter.Transfer(*this, name);
    }

    template <RecordField R> bool operator()(const char* name, R& record) {
        if constexpr (ListRecord<R>) {
            return (*this)(name, Entries(record));
        } else {
            visitor_.BeginRecord(name);
            Fields(*this, record);
            visitor_.EndRecord();
            return true;
        }
    }

    TFieldVisitor& Visitor() { return visitor_; }

private:
    TFieldVisitor& visitor_;
};

} // namespace brelvane
