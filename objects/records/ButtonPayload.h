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
    std::string* CaptionText() override { return &Caption; }
    std::uint8_t ButtonDuty() const override { return ButtonType; }
    std::int16_t CursorNumber = 0;
    std::string Caption;
    TFont Font;
    std::uint8_t ButtonType = btNormal;

    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteButtonPayload(TStream& stream, const TButtonPayload& payload);
bool ReadButtonPayload(TStream& stream, TButtonPayload& payload);

enum TImageButtonStyle : std::uint8_t { ibsNormal, ibsFlat, ibsBorderNone };
enum TImageLayout : std::uint8_t { ilLeft, ilTop, ilRight, ilBottom, ilCenter, ilStretch };

// Kind 1.
struct TImageButtonPayload : TPayloadOf<TImageButtonPayload> {
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

bool WriteImageButtonPayload(TStream& stream, const TImageButtonPayload& payload);
bool ReadImageButtonPayload(TStream& stream, TImageButtonPayload& payload);

} // namespace brelvane
