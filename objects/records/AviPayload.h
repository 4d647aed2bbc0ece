#pragma once

#include "objects/records/Payload.h"

namespace brelvane {

enum : int { kWriteAviError = 1011, kReadAviError = 1012 };

// Kind 10: a silent clip played in a loop at its own frame size.
struct TAviPayload : TPayloadOf<TAviPayload> {
    static constexpr TRecordCodes Codes{kWriteAviError, kReadAviError};
    std::int16_t CursorNumber = 0;
    // The clip, relative to the base folder.
    std::string FileName;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TAviPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("FileName", payload.FileName) && Bounds(ar, payload);
}

} // namespace brelvane
