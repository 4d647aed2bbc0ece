#pragma once

#include "storage/ByteStream.h"
#include "storage/FieldRecord.h"
#include "storage/LittleEndian.h"
#include "storage/PictureBlock.h"
#include "storage/StreamArchive.h"
#include "storage/StringBlock.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace brelvane {

// Writes a record's fields to a stream. The record is never changed; field
// lists take it mutable only so that the reader can run the same list.
class TFieldWriter : public TStreamArchive<TFieldWriter> {
public:
    static constexpr TFieldDirection kDirection = TFieldDirection::Write;

    using TStreamArchive::TStreamArchive;
    using TStreamArchive::operator();

    template <StoredInteger T> bool operator()(const char*, const T& value) {
        WriteField(stream_, value);
        return true;
    }
    bool operator()(const char*, bool value) {
        WriteField(stream_, value);
        return true;
    }
    bool operator()(const char*, double value) {
        WriteField(stream_, value);
        return true;
    }
    bool operator()(const char*, const std::string& value) { return WriteString(stream_, value); }
    bool operator()(const char*, const TPicture& value) { return WritePicture(stream_, value); }

    // A counted list: the int32 count, then the entries.
    template <class T> bool operator()(const char* name, std::vector<T>& items) {
        WriteCount(items.size());
        for (auto& item : items)
            if (!(*this)(name, item)) return false;
        return true;
    }
    template <class T> bool operator()(const char* name, std::vector<std::unique_ptr<T>>& items) {
        WriteCount(items.size());
        for (auto& item : items)
            if (!(*this)(name, *item)) return false;
        return true;
    }

    void WriteCount(std::size_t count) {
        WriteField<std::int32_t>(stream_, static_cast<std::int32_t>(count));
    }

    TStream& Stream() { return stream_; }
};

} // namespace brelvane
