#pragma once

#include "storage/Fields.h"
#include "storage/Transfer.h"

#include <cstdint>
#include <vector>

namespace brelvane {

// A counted list (int32 count, then the entries) whose entries take at least
// `MinEntryBytes` each, so that a count the rest of the stream cannot hold is
// damage found before any entry is read. `Entry(archive, item)` transfers one
// entry; the list is emptied first and takes each entry once it is read whole.
// With `Codes` the count and the entries are a report boundary of their own.
template <class T, class Entry> struct TBoundedList : TFieldAdapter {
    std::vector<T>& Items;
    std::uint64_t MinEntryBytes;
    Entry TransferEntry;
    const TRecordCodes* Codes = nullptr;

    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (!kReading<Archive> && !kWriting<Archive>) {
            ar.Visitor().BeginList(name);
            for (auto& item : Items) {
                ar.Visitor().BeginRecord(nullptr);
                TransferEntry(ar, item);
                ar.Visitor().EndRecord();
            }
            ar.Visitor().EndList();
            return true;
        } else {
            const auto body = [&] { return Entries(ar); };
            if (!Codes) return body();
            return brelvane::Transfer(kReading<Archive> ? Codes->Read : Codes->Write, body);
        }
    }

private:
    template <class Archive> bool Entries(Archive& ar) const {
        if constexpr (kReading<Archive>) {
            const auto count = ar.template Take<std::int32_t>();
            if (count < 0) FailDamaged("negative count");
            if (static_cast<std::uint64_t>(count) * MinEntryBytes > ar.Stream().Remaining())
                FailDamaged("count beyond the end of the stream");
            Items.clear();
            // Room for every entry at once: growing would copy whole subtrees.
            Items.reserve(static_cast<std::size_t>(count));
            for (std::int32_t i = 0; i < count; ++i) {
                T item{};
                if (!TransferEntry(ar, item)) return false;
                Items.push_back(std::move(item));
            }
        } else {
            ar.WriteCount(Items.size());
            for (auto& item : Items)
                if (!TransferEntry(ar, item)) return false;
        }
        return true;
    }
};

template <class T, class Entry>
TBoundedList<T, Entry> BoundedList(std::vector<T>& items, std::uint64_t minEntryBytes, Entry entry,
                                   const TRecordCodes* codes = nullptr) {
    return {{}, items, minEntryBytes, std::move(entry), codes};
}

// An entry that is a record with codes of its own: read and written inside
// its own report boundary, walked as its fields.
template <class Archive, CodedRecord R> bool CodedEntry(Archive& ar, R& record) {
    if constexpr (kReading<Archive> || kWriting<Archive>)
        return TransferRecord(ar, record);
    else
        return Fields(ar, record);
}

} // namespace brelvane
