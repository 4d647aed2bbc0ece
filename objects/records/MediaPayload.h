#pragma once

#include "objects/records/Payload.h"

namespace brelvane {

enum : int { kWriteMediaError = 1025, kReadMediaError = 1026 };

// Kind 12: a media player with its own control bar.
struct TMediaPayload : TPayloadOf<TMediaPayload> {
    static constexpr TRecordCodes Codes{kWriteMediaError, kReadMediaError};
    // Never used; written back as read.
    std::int32_t Reserved = 0;
    std::uint8_t ReservedByte = 0;
    bool Play = true;
    bool ControlBar = true;
    bool Border = false;
    bool Loop = true;
    std::string MediaFile;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TMediaPayload& payload) {
    return ar("Reserved", payload.Reserved) && ar("ReservedByte", payload.ReservedByte) &&
           ar("Play", payload.Play) && ar("ControlBar", payload.ControlBar) &&
           ar("Border", payload.Border) && ar("Loop", payload.Loop) &&
           ar("MediaFile", payload.MediaFile) && ar("Hint", payload.Hint) && Bounds(ar, payload);
}

inline constexpr auto WriteMediaPayload = &WriteRecord<TMediaPayload>;
inline constexpr auto ReadMediaPayload = &ReadRecord<TMediaPayload>;

} // namespace brelvane
