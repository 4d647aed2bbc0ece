#pragma once

#include "objects/records/Payload.h"
#include "objects/records/TextParams.h"

namespace brelvane {

enum : int { kWriteSimpleTextError = 1007, kReadSimpleTextError = 1008 };

// Kind 17: a plain label with normal, hover and pressed looks. It always wraps
// its words; the background colours show only when it is not transparent.
struct TSimpleTextPayload : TPayloadOf<TSimpleTextPayload> {
    static constexpr TRecordCodes Codes{kWriteSimpleTextError, kReadSimpleTextError};
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

// The pressed look is announced by -1 after the width; streams from before it
// existed have the height there, and their pressed look is the hot one.
template <class Archive> bool Fields(Archive& ar, TSimpleTextPayload& payload) {
    const auto pressedLook = [&] {
        return ar("MouseDownBackColor", payload.MouseDownBackColor) &&
               ar("MouseDownFont", payload.MouseDownFont);
    };
    const auto hotLook = [&] {
        payload.MouseDownBackColor = payload.HotBackColor;
        payload.MouseDownFont = payload.HotFont;
    };
    return ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Caption", payload.Caption) && ar("Align", payload.Align) &&
           ar("Alignment", payload.Alignment) && ar("AutoSize", payload.AutoSize) &&
           ar("Layout", payload.Layout) && ar("Transparent", payload.Transparent) &&
           ar("BackColor", payload.BackColor) && ar("HotBackColor", payload.HotBackColor) &&
           ar("Font", payload.Font) && ar("HotFont", payload.HotFont) && ar("Left", payload.Left) &&
           ar("Top", payload.Top) && ar("Width", payload.Width) &&
           MarkedSection(ar, TMarker<std::int32_t>{-1}, pressedLook, hotLook) &&
           ar("Height", payload.Height);
}

inline constexpr auto WriteSimpleTextPayload = &WriteRecord<TSimpleTextPayload>;
inline constexpr auto ReadSimpleTextPayload = &ReadRecord<TSimpleTextPayload>;

} // namespace brelvane
