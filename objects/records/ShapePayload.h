#pragma once

#include "objects/records/Payload.h"
#include "storage/EffectBlock.h"

namespace brelvane {

enum : int { kWriteShapeError = 1005, kReadShapeError = 1006 };

// Kind 19.
struct TShapePayload : TPayloadOf<TShapePayload> {
    static constexpr TRecordCodes Codes{kWriteShapeError, kReadShapeError};
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

// The borders are announced by a negative number after the width; streams
// from before borders existed have the height there, and no borders.
template <class Archive> bool Fields(Archive& ar, TShapePayload& payload) {
    const auto borders = [&] {
        return ar("BorderWidth", payload.BorderWidth) && ar("BorderColor", payload.BorderColor);
    };
    const auto noBorders = [&] { payload.BorderWidth = payload.BorderColor = 0; };
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Align", payload.Align) && ar("FillColor", payload.FillColor) &&
           ar("FillStyle", payload.FillStyle) && ar("GradientColor", payload.GradientColor) &&
           ar("Parameter", payload.Parameter) && ar("Shape", payload.Shape) &&
           ar("Left", payload.Left) && ar("Top", payload.Top) && ar("Width", payload.Width) &&
           MarkedSection(ar, TMarker<std::int32_t>{-1, true}, borders, noBorders) &&
           ar("Height", payload.Height);
}

inline constexpr auto WriteShapePayload = &WriteRecord<TShapePayload>;
inline constexpr auto ReadShapePayload = &ReadRecord<TShapePayload>;

} // namespace brelvane
