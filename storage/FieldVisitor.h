#pragma once

#include "storage/PictureBlock.h"

#include <cstdint>
#include <string>

namespace brelvane {

// The integer type a field is held in.
enum class TNumberType : std::uint8_t { Int8, UInt8, Int16, UInt16, Int32, UInt32 };

template <class T> constexpr TNumberType NumberTypeOf() {
    static_assert(sizeof(T) <= 4, "stored integers are at most 32 bits wide");
    if constexpr (sizeof(T) == 1)
        return std::is_signed_v<T> ? TNumberType::Int8 : TNumberType::UInt8;
    if constexpr (sizeof(T) == 2)
        return std::is_signed_v<T> ? TNumberType::Int16 : TNumberType::UInt16;
    return std::is_signed_v<T> ? TNumberType::Int32 : TNumberType::UInt32;
}

struct TNumber {
    std::int64_t Value;
    TNumberType Type;
};

// Receives a record's fields by name, in stored order (dumps, generic
// displays, the property tables). Nested records and lists open and close
// around their fields; the entries of a list are records without a name.
class TFieldVisitor {
public:
    virtual ~TFieldVisitor() = default;
    virtual void Field(const char* name, const TNumber& value) = 0;
    virtual void Field(const char* name, bool value) = 0;
    virtual void Field(const char* name, double value) = 0;
    virtual void Field(const char* name, const std::string& value) = 0;
    virtual void Field(const char* name, const TPicture& value) = 0;
    virtual void BeginRecord(const char* name) = 0;
    virtual void EndRecord() = 0;
    virtual void BeginList(const char* name) = 0;
    virtual void EndList() = 0;
};

} // namespace brelvane
