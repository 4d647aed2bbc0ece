#pragma once

#include "objects/records/ListItem.h"
#include "storage/ByteStream.h"
#include "storage/Fields.h"

namespace brelvane {

// The item editors copy records the way the page stores them, so a copy
// holds exactly what a saved page would. A failing copy is reported once
// with the record's own code and returns false.
template <CodedRecord R> bool CopyRecord(const R& from, R& to) {
    TMemoryStream stream;
    if (!WriteRecord(stream, from)) return false;
    stream.Seek(0);
    return ReadRecord(stream, to);
}

// The same for an item of a list object in its stored form.
bool CopyListItem(const TListBoxItem& from, TListBoxItem& to, TItemForm form);
// The same through `through`, written at its position and read back from
// there: one stream serves a whole list instead of one per item.
bool CopyListItem(const TListBoxItem& from, TListBoxItem& to, TItemForm form,
                  TMemoryStream& through);

// Copies every record of `from` in order; stops at the first failure.
template <CodedRecord R> bool CopyRecords(const std::vector<R>& from, std::vector<R>& to) {
    to.clear();
    to.reserve(from.size());
    for (const auto& record : from)
        if (!CopyRecord(record, to.emplace_back())) return false;
    return true;
}

bool CopyListItems(const std::vector<TListBoxItem>& from, std::vector<TListBoxItem>& to,
                   TItemForm form);

} // namespace brelvane
