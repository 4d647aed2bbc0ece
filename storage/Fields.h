#pragma once

// What a stored record needs to list its fields once (see FieldRecord.h) and
// the three ways the list is run.
#include "storage/FieldAdapters.h"
#include "storage/FieldReader.h"
#include "storage/FieldRecord.h"
#include "storage/FieldVisitor.h"
#include "storage/FieldWalker.h"
#include "storage/FieldWriter.h"

namespace brelvane {

// Reads a record that has codes of its own; `context` goes on to its field
// list (how a page is read, for example).
template <CodedRecord R, class... Context>
bool ReadRecord(TStream& stream, R& record, const Context&... context) {
    TFieldReader reader(stream);
    return TransferRecord(reader, record, context...);
}

template <CodedRecord R> bool WriteRecord(TStream& stream, const R& record) {
    TFieldWriter writer(stream);
    return TransferRecord(writer, const_cast<R&>(record));
}

// Tells `visitor` every field of `record`, as a writer would store it.
template <class R> void VisitRecord(TFieldVisitor& visitor, const R& record) {
    TFieldWalker walker(visitor);
    Fields(walker, const_cast<R&>(record));
}

} // namespace brelvane
