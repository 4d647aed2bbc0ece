#pragma once

#include "objects/records/Payload.h"
#include "storage/FontBlock.h"
#include "storage/PictureBlock.h"

namespace brelvane {

enum : int {
    kWriteButtonError = 1045,
    kReadButtonError = 1046,
    kWriteImageButtonError = 1049,
    kReadImageButtonError = 1050,
};

// ButtonType of buttons and image buttons: the duty a click carries out.
enum TButtonType : std::uint8_t { btNormal, btOK, btCancel, btSubmit };

// Kind 0.
struct TButtonPayload : TPayloadOf<TButtonPayload> {
    static constexpr TRecordCodes Codes{kWriteButtonError, kReadButtonError};
    std::string* CaptionText() override { return &Caption; }
    std::uint8_t ButtonDuty() const override { return ButtonType; }
    std::int16_t CursorNumber = 0;
    std::string Caption;
    TFont Font;
    std::uint8_t ButtonType = btNormal;

    void VisitFields(TFieldVisitor& visitor) const override;
};

template <class Archive> bool Fields(Archive& ar, TButtonPayload& payload) {
    return ar("CursorNumber", payload.CursorNumber) && ar("Caption", payload.Caption) &&
           ar("Hint", payload.Hint) && ar("Font", payload.Font) &&
           ar("ButtonType", payload.ButtonType) && Bounds(ar, payload);
}

inline constexpr auto WriteButtonPayload = &WriteRecord<TButtonPayload>;
inline constexpr auto ReadButtonPayload = &ReadRecord<TButtonPayload>;

enum TImageButtonStyle : std::uint8_t { ibsNormal, ibsFlat, ibsBorderNone };
enum TImageLayout : std::uint8_t { ilLeft, ilTop, ilRight, ilBottom, ilCenter, ilStretch };

// Kind 1.
struct TImageButtonPayload : TPayloadOf<TImageButtonPayload> {
    static constexpr TRecordCodes Codes{kWriteImageButtonError, kReadImageButtonError};
    std::string* CaptionText() override { return &Caption; }
    std::uint8_t ButtonDuty() const override { return ButtonType; }
    std::string Caption = "New ImageButton";
    TPicture MouseDownImage;
    TPicture NormalImage;
    TPicture MouseOverImage;
    TFont MouseDownFont = WithColor(0);
    TFont NormalFont = WithColor(0);
    TFont MouseOverFont = WithColor(0xFFFFFF);
    std::uint8_t ButtonStyle = ibsNormal;
    std::int32_t Margin = 2;
    std::uint8_t ImageLayout = ilLeft;
    std::int32_t Space = 2;
    bool MouseDownSlide = true;
    std::uint8_t ButtonType = btNormal;

    void VisitFields(TFieldVisitor& visitor) const override;

private:
    static TFont WithColor(std::int32_t color) {
        TFont font;
        font.Color = color;
        return font;
    }
};

template <class Archive> bool Fields(Archive& ar, TImageButtonPayload& payload) {
    return ar("Caption", payload.Caption) && ar("MouseDownImage", payload.MouseDownImage) &&
           ar("NormalImage", payload.NormalImage) && ar("MouseOverImage", payload.MouseOverImage) &&
           ar("MouseDownFont", payload.MouseDownFont) && ar("NormalFont", payload.NormalFont) &&
           ar("MouseOverFont", payload.MouseOverFont) && ar("Hint", payload.Hint) &&
           ar("ButtonStyle", payload.ButtonStyle) && ar("Margin", payload.Margin) &&
           ar("ImageLayout", payload.ImageLayout) && ar("Space", payload.Space) &&
           ar("MouseDownSlide", payload.MouseDownSlide) && ar("ButtonType", payload.ButtonType) &&
           Bounds(ar, payload);
}

inline constexpr auto WriteImageButtonPayload = &WriteRecord<TImageButtonPayload>;
inline constexpr auto ReadImageButtonPayload = &ReadRecord<TImageButtonPayload>;

} // namespace brelvane
