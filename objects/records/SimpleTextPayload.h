#pragma once

#include "objects/records/Payload.h"
#include "objects/records/TextParams.h"

namespace brelvane {

enum : int { kWriteSimpleTextError = 1007, kReadSimpleTextError = 1008 };

// Kind 17: a plain label with normal, hover and pressed looks. It always wraps
// its words; the background colours show only when it is not transparent.
struct TSimpleTextPayload : TPayloadOf<TSimpleTextPayload> {
    TSimpleTextPayload();
    std::string* CaptionText() override { return &Caption; }
    std::string* ViewerText() override { return &Caption; }

    std::int16_t CursorNumber = 0;
    std::string Caption;
    std::uint8_t Align = 0;
    std::uint8_t Alignment = taLeftJustify;
    bool AutoSize = false;
    std::uint8_t Layout = tlTop;
    bool Transparent = true;
    std::int32_t BackColor = clBtnFace;
    std::int32_t HotBackColor = clBlue;
    TFont Font;
    TFont HotFont{.Color = clWhite};
    std::int32_t MouseDownBackColor = clBtnFace;
    TFont MouseDownFont;

    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteSimpleTextPayload(TStream& stream, const TSimpleTextPayload& payload);
// Also reads streams from before the pressed look, whose height follows the
// width directly: their pressed look is the hot one.
bool ReadSimpleTextPayload(TStream& stream, TSimpleTextPayload& payload);

} // namespace brelvane
