#pragma once

#include "objects/records/Payload.h"
#include "objects/records/TextParams.h"
#include "storage/FontLabelsBlock.h"

namespace brelvane {

enum : int {
    kWriteFadeLabelError = 1035,
    kReadFadeLabelError = 1036,
    kWriteScrollTextError = 1037,
    kReadScrollTextError = 1038,
    kWriteTextError = 1041,
    kReadTextError = 1042,
};

struct TTextParam : TCustomTextParam {};

struct TScrollTextParam : TCustomTextParam {
    TScrollTextParam();
    TFont Font{.Name = "Arial", .Size = 16};
    bool Fade = true;
    std::int32_t FadeHeight = 10;
    // Percent of the control's height, 0..150.
    std::int32_t HeadSpace = 0;
    std::int32_t TailSpace = 60;
};

struct TFadeTextParam : TCustomTextParam {
    TFadeTextParam();
    // Kept within 50..LineDelay - 200 by SetFadeDelay.
    std::int32_t FadeDelay = 600;
    // Kept at least FadeDelay + 200 by SetLineDelay.
    std::int32_t LineDelay = 3000;
};

// The limits hold against the other delay as it stands, so the order of two
// changes matters.
void SetFadeDelay(TFadeTextParam& param, std::int32_t value);
void SetLineDelay(TFadeTextParam& param, std::int32_t value);
// Both delays as a reader sets them, fade delay first, so that a fade delay
// beyond the old line delay pulls the line delay up behind it. A longer line
// delay is let in first, so that a pair that keeps the limits is taken as it is.
void SetDelaysInStoredOrder(TFadeTextParam& param, std::int32_t fadeDelay, std::int32_t lineDelay);
// HeadSpace and TailSpace lie within 0..150.
std::int32_t ClampSpace(std::int32_t value);

// Kind 6: multi-line anti-aliased text with font labels and word wrap.
struct TTextPayload : TPayloadOf<TTextPayload> {
    TTextPayload();
    std::string* ViewerText() override { return &Text.Lines; }

    std::uint8_t Align = 0;
    bool AutoSize = false;
    std::int32_t Border = 0;
    TTextParam Text;
    TFontLabels Fonts;
    std::int16_t CursorNumber = 0;
    TFont Font{.Name = "Arial", .Size = 16};

    void VisitFields(TFieldVisitor& visitor) const override;
};

// Kind 7: text scrolling upwards in a loop. `Active` keeps the byte that was
// stored, so that pages round-trip unchanged; the control scrolls after every
// load whatever it says.
struct TScrollTextPayload : TPayloadOf<TScrollTextPayload> {
    TScrollTextPayload();
    std::string* ViewerText() override { return &Text.Lines; }

    bool Active = true;
    std::uint8_t Align = 0;
    TScrollTextParam Text;
    TFontLabels Fonts;
    // 0: endless.
    std::int32_t RepeatCount = 0;
    std::int32_t RepeatDelay = 2000;
    std::int32_t ScrollDelay = 60;
    std::int32_t ScrollStep = 1;
    std::int16_t CursorNumber = 0;

    void VisitFields(TFieldVisitor& visitor) const override;
};

// Kind 5: one line at a time, cross-faded.
struct TFadeLabelPayload : TPayloadOf<TFadeLabelPayload> {
    TFadeLabelPayload();

    bool Active = true;
    std::uint8_t Align = 0;
    bool AutoSize = false;
    std::int32_t Border = 0;
    TFadeTextParam Text;
    TFontLabels Fonts;
    // 0: endless.
    std::int32_t RepeatCount = 0;
    std::int16_t CursorNumber = 0;
    TFont Font;

    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteTextPayload(TStream& stream, const TTextPayload& payload);
bool ReadTextPayload(TStream& stream, TTextPayload& payload);
bool WriteScrollTextPayload(TStream& stream, const TScrollTextPayload& payload);
// HeadSpace and TailSpace are held to their limits.
bool ReadScrollTextPayload(TStream& stream, TScrollTextPayload& payload);
bool WriteFadeLabelPayload(TStream& stream, const TFadeLabelPayload& payload);
// The delays go through SetDelaysInStoredOrder.
bool ReadFadeLabelPayload(TStream& stream, TFadeLabelPayload& payload);

} // namespace brelvane
