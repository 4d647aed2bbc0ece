#pragma once

#include "storage/ByteStream.h"
#include "storage/PictureBlock.h"
#include "storage/Transfer.h"

#include <cerrno>
#include <concepts>
#include <string>
#include <type_traits>

namespace brelvane {

// A record lists its fields once, in stored order, as
//     template <class Archive> bool Fields(Archive& ar, TRecord& record);
// calling ar("Name", record.Name) for each field and stopping at the first
// false. The same list is run by a reader, a writer and a walker archive.

// The codes with which a record's own writer and reader report a failure.
// Records that carry them are transferred inside a report boundary of their
// own; records without them are groups of fields inside their parent.
struct TRecordCodes {
    int Write;
    int Read;
};

template <class R>
concept CodedRecord = requires {
    { R::Codes } -> std::convertible_to<TRecordCodes>;
};

// A record that nests itself (menus) says how deep a stream may nest it; a
// deeper one is damage, not a reason to recurse without bound.
template <class R> constexpr int NestingLimit() {
    if constexpr (requires { R::MaxDepth; }) return R::MaxDepth;
    return 0;
}

// A block stored as a counted list of entries and nothing else (font labels):
// it exposes the entries through a function Entries(record) found by ADL.
template <class R>
concept ListRecord = CodedRecord<R> && requires(R& record) {
    Entries(record);
};

enum class TFieldDirection { Read, Write, Visit };
template <class Archive> constexpr bool kReading = Archive::kDirection == TFieldDirection::Read;
template <class Archive> constexpr bool kWriting = Archive::kDirection == TFieldDirection::Write;

// Field adapters (FieldAdapters.h) derive from this tag and carry their own
// Transfer(archive, name).
struct TFieldAdapter {};
template <class A>
concept FieldAdapterType = std::derived_from<std::remove_cvref_t<A>, TFieldAdapter>;

// Integers other than bool, which is stored as one byte of its own.
template <class T>
concept StoredInteger = std::integral<T> && !std::same_as<T, bool>;

// The fields an archive transfers itself; anything else is a record (or a
// group of fields) with a field list, or a counted list of them.
template <class T>
concept LeafField = StoredInteger<T> || std::same_as<T, bool> || std::same_as<T, double> ||
    std::same_as<T, std::string> || std::same_as<T, TPicture>;
template <class R>
concept RecordField = !LeafField<std::remove_cvref_t<R>> && !FieldAdapterType<R>;

// Stored data that cannot be right: reported like a stream that ended.
[[noreturn]] inline void FailDamaged(const char* what) {
    errno = 0;
    throw StreamError(what);
}

// Counts the nesting of self-nesting records during one transfer.
class TNestingGuard {
public:
    TNestingGuard(int& depth, int limit) : depth_(depth), counts_(limit > 0) {
        if (!counts_) return;
        if (depth_ >= limit) FailDamaged("records nested too deep");
        ++depth_;
    }
    ~TNestingGuard() {
        if (counts_) --depth_;
    }
    TNestingGuard(const TNestingGuard&) = delete;
    TNestingGuard& operator=(const TNestingGuard&) = delete;

private:
    int& depth_;
    bool counts_;
};

// A coded record inside its own report boundary: a failure raised in its
// fields is reported once with its own code; a nested record that failed has
// reported already and only makes it return false.
template <class Archive, CodedRecord R, class... Context>
bool TransferRecord(Archive& ar, R& record, const Context&... context) {
    return Transfer(kReading<Archive> ? R::Codes.Read : R::Codes.Write, [&] {
        TNestingGuard nesting(ar.Depth(), NestingLimit<R>());
        if constexpr (ListRecord<R>)
            return ar(nullptr, Entries(record));
        else
            return Fields(ar, record, context...);
    });
}

} // namespace brelvane
