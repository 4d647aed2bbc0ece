#pragma once

#include "objects/records/Payload.h"
#include "storage/PictureBlock.h"

namespace brelvane {

enum : int { kWriteImageError = 1047, kReadImageError = 1048 };

// Which state picture an image shows.
enum TImageState : std::int32_t { isNone = -1, isNormal = 0, isOver = 1, isDown = 2 };

// Kind 2.
struct TImagePayload : TPayloadOf<TImagePayload> {
    static constexpr TRecordCodes Codes{kWriteImageError, kReadImageError};
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

// A read resets the displayed state to none, so that the picture is chosen anew.
template <class Archive> bool Fields(Archive& ar, TImagePayload& payload) {
    return ar("AutoSize", payload.AutoSize) && ar("Center", payload.Center) &&
           ar("Height", payload.Height) && ar("Hint", payload.Hint) && ar("Left", payload.Left) &&
           ar("Stretch", payload.Stretch) && ar("Top", payload.Top) &&
           ar("Transparent", payload.Transparent) && ar("Width", payload.Width) &&
           ar("PressedLook", payload.PressedLook) && ar("HoverLook", payload.HoverLook) &&
           ar("DisplayedState", ReadAs(payload.DisplayedState, std::int32_t{isNone})) &&
           ar("ImageDown", payload.ImageDown) && ar("ImageNormal", payload.ImageNormal) &&
           ar("ImageOver", payload.ImageOver);
}

inline constexpr auto WriteImagePayload = &WriteRecord<TImagePayload>;
inline constexpr auto ReadImagePayload = &ReadRecord<TImagePayload>;

} // namespace brelvane
