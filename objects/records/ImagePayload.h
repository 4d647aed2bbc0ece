#pragma once

#include "objects/records/Payload.h"
#include "storage/PictureBlock.h"

namespace brelvane {

enum : int { kWriteImageError = 1047, kReadImageError = 1048 };

// Which state picture an image shows.
enum TImageState : std::int32_t { isNone = -1, isNormal = 0, isOver = 1, isDown = 2 };

// Kind 2.
struct TImagePayload : TPayloadOf<TImagePayload> {
    bool AutoSize = false;
    bool Center = false;
    bool Stretch = false;
    bool Transparent = false;
    // Run-time looks at the time of saving, stored and read back as they are.
    bool PressedLook = false;
    bool HoverLook = false;
    std::int32_t DisplayedState = isNone;
    TPicture ImageDown;
    TPicture ImageNormal;
    TPicture ImageOver;

    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteImagePayload(TStream& stream, const TImagePayload& payload);
// Reads the payload; the displayed state is then reset to none so that the
// picture is chosen anew.
bool ReadImagePayload(TStream& stream, TImagePayload& payload);

} // namespace brelvane
