#pragma once

#include "storage/ByteStream.h"
#include "storage/FieldRecord.h"

namespace brelvane {

// What the reader and the writer share: the stream, the nesting count of
// self-nesting records, nested records and adapters.
template <class Archive> class TStreamArchive {
public:
    explicit TStreamArchive(TStream& stream) : stream_(stream) {}
    TStreamArchive(const TStreamArchive&) = delete;
    TStreamArchive& operator=(const TStreamArchive&) = delete;

    // A record with codes inside its own report boundary; a group inline.
    template <RecordField R> bool operator()(const char*, R& record) {
        auto& self = static_cast<Archive&>(*this);
        if constexpr (CodedRecord<R>)
            return TransferRecord(self, record);
        else
            return Fields(self, record);
    }
    template <FieldAdapterType A> bool operator()(const char* name, A&& adapter) {
        return adapter.Transfer(static_cast<Archive&>(*this), name);
    }

    int& Depth() { return depth_; }

protected:
    TStream& stream_;

private:
    int depth_ = 0;
};

} // namespace brelvane
