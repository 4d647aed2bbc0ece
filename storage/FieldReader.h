#pragma once

#include "storage/ByteStream.h"
#include "storage/FieldRecord.h"
#include "storage/PictureBlock.h"
#include "storage/StreamArchive.h"
#include "storage/StringBlock.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>
#include <vector>

namespace brelvane {

// Reads a record's fields from a stream into the record, in place. A
// fixed-width field that the stream cannot fill throws; blocks report their
// own failure and return false.
class TFieldReader : public TStreamArchive<TFieldReader> {
public:
    static constexpr TFieldDirection kDirection = TFieldDirection::Read;

    using TStreamArchive::TStreamArchive;
    using TStreamArchive::operator();

    template <StoredInteger T> bool operator()(const char*, T& value) {
        value = Take<T>();
        return true;
    }
    bool operator()(const char*, bool& value) {
        value = Take<std::uint8_t>() != 0;
        return true;
    }
    bool operator()(const char*, double& value) {
        value = Take<double>();
        return true;
    }
    bool operator()(const char*, std::string& value) {
        ExpectNothingPutBack();
        return ReadString(stream_, value);
    }
    bool operator()(const char*, TPicture& value) {
        ExpectNothingPutBack();
        return ReadPicture(stream_, value);
    }

    // A counted list: an int32 count, then the entries. The list is emptied
    // first and takes each entry once it is read whole; a negative count is
    // damage.
    template <class T> bool operator()(const char* name, std::vector<T>& items) {
        return ReadList(items, [&](T& item) { return (*this)(name, item); });
    }
    // Entries a list held before are filled again rather than freed and made
    // anew: undo snapshots and the index are read into the same records over
    // and over. However the read ends, the list keeps exactly the entries
    // read in full. Entries of a class with kinds are always made anew.
    template <class T> bool operator()(const char* name, std::vector<std::unique_ptr<T>>& items) {
        if constexpr (std::is_polymorphic_v<T>) {
            return ReadList(items, [&](std::unique_ptr<T>& item) {
                item = std::make_unique<T>();
                return (*this)(name, *item);
            });
        } else {
            const auto count = Take<std::int32_t>();
            if (count < 0) FailDamaged("negative count");
            struct TKeepRead {
                std::vector<std::unique_ptr<T>>& Items;
                std::size_t Count = 0;
                ~TKeepRead() { Items.resize(Count); }
            } read{items};
            for (std::int32_t i = 0; i < count; ++i) {
                if (read.Count == items.size())
                    items.push_back(std::make_unique<T>());
                else
                    *items[read.Count] = T{};
                if (!(*this)(name, *items[read.Count])) return false;
                ++read.Count;
            }
            return true;
        }
    }

    // Reads a counted list entry by entry with `readItem`.
    template <class T, class ReadItem> bool ReadList(std::vector<T>& items, ReadItem readItem) {
        const auto count = Take<std::int32_t>();
        if (count < 0) FailDamaged("negative count");
        items.clear();
        // One entry at a time, so that a damaged count cannot reserve memory.
        for (std::int32_t i = 0; i < count; ++i) {
            T item{};
            if (!readItem(item)) return false;
            items.push_back(std::move(item));
        }
        return true;
    }

    // The next fixed-width value, the one put back if there is one.
    template <class T> T Take() {
        T value;
        if (putBackSize_ == 0) [[likely]] {
            stream_.Read(&value, sizeof value);
            return value;
        }
        if (putBackSize_ != sizeof value)
            throw std::logic_error("a put-back value is taken at its own width");
        std::memcpy(&value, putBack_.data(), sizeof value);
        putBackSize_ = 0;
        return value;
    }
    // A value read ahead that turned out to be the next field (a marker that
    // was not there): the next fixed-width field takes it.
    template <class T> void PutBack(T value) {
        static_assert(sizeof value <= sizeof putBack_);
        ExpectNothingPutBack();
        std::memcpy(putBack_.data(), &value, sizeof value);
        putBackSize_ = sizeof value;
    }

    TStream& Stream() {
        ExpectNothingPutBack();
        return stream_;
    }

private:
    void ExpectNothingPutBack() const {
        if (putBackSize_ != 0) throw std::logic_error("a put-back value was not taken");
    }

    std::array<std::uint8_t, 8> putBack_{};
    std::size_t putBackSize_ = 0;
};

} // namespace brelvane
