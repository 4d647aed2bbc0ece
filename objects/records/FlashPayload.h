#pragma once

#include "objects/records/Payload.h"

namespace brelvane {

enum : int { kWriteFlashError = 1009, kReadFlashError = 1010 };

// Kind 18: a Flash movie.
struct TFlashPayload : TPayloadOf<TFlashPayload> {
    static constexpr TRecordCodes Codes{kWriteFlashError, kReadFlashError};
    std::int16_t CursorNumber = 0;
    // Placing in the page: 0 none, 1 top, 2 bottom, 3 left, 4 right, 5 client.
    std::uint8_t Align = 0;
    bool Loop = true;
    // The player's own right-click menu.
    bool ContextMenu = true;
    // The movie, relative to the base folder.
    std::string MovieFile;
    // Stored after the movie and never used; kept so that pages round-trip.
    std::string Unused;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TFlashPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Align", payload.Align) && ar("Loop", payload.Loop) &&
           ar("ContextMenu", payload.ContextMenu) && ar("MovieFile", payload.MovieFile) &&
           ar("Unused", payload.Unused) && Bounds(ar, payload);
}

} // namespace brelvane
