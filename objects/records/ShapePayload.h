#pragma once

#include "objects/records/Payload.h"
#include "storage/EffectBlock.h"

namespace brelvane {

enum : int { kWriteShapeError = 1005, kReadShapeError = 1006 };

// Kind 19.
struct TShapePayload : TPayloadOf<TShapePayload> {
    std::int16_t CursorNumber = 0;
    std::uint8_t Align = 0;
    std::int32_t FillColor = clWhite;
    std::int32_t FillStyle = 0;
    std::int32_t GradientColor = clBlack;
    std::int32_t Parameter = 30;
    std::int32_t Shape = 0;
    std::int32_t BorderWidth = 0;
    std::int32_t BorderColor = clBlack;

    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteShapePayload(TStream& stream, const TShapePayload& payload);
// Also reads the older form without borders (the height follows the width).
bool ReadShapePayload(TStream& stream, TShapePayload& payload);

} // namespace brelvane
