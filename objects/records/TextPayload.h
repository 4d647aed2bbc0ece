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
    static constexpr TRecordCodes Codes{kWriteTextError, kReadTextError};
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
    static constexpr TRecordCodes Codes{kWriteScrollTextError, kReadScrollTextError};
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
    static constexpr TRecordCodes Codes{kWriteFadeLabelError, kReadFadeLabelError};
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

// The effect, label reach, lines and quality, as Text and FadeLabel store them.
template <class Archive> bool EffectAndLines(Archive& ar, TCustomTextParam& text) {
    return ar("FontEffect", text.FontEffect) && ar("LabelEffect", text.LabelEffect) &&
           ar("Lines", text.Lines) && ar("Quality", text.Quality);
}

template <class Archive> bool Fields(Archive& ar, TTextPayload& payload) {
    auto& text = payload.Text;
    return ar("Align", payload.Align) && ar("AutoSize", payload.AutoSize) &&
           ar("Border", payload.Border) && AlignedBackdrop(ar, text) && EffectAndLines(ar, text) &&
           ar("RowPitch", text.RowPitch) && ar("Transparent", text.Transparent) &&
           ar("WordWrap", text.WordWrap) && ar("Fonts", payload.Fonts) &&
           ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && Bounds(ar, payload);
}

// HeadSpace and TailSpace are held to their limits when read.
template <class Archive> bool Fields(Archive& ar, TScrollTextPayload& payload) {
    auto& text = payload.Text;
    return ar("Active", payload.Active) && ar("Align", payload.Align) &&
           AlignedBackdrop(ar, text) && ar("Fade", text.Fade) &&
           ar("FadeHeight", text.FadeHeight) && ar("Font", text.Font) &&
           ar("FontEffect", text.FontEffect) &&
           ar("HeadSpace", Limited(text.HeadSpace, ClampSpace)) &&
           ar("LabelEffect", text.LabelEffect) && ar("Lines", text.Lines) &&
           ar("Quality", text.Quality) && ar("RowPitch", text.RowPitch) &&
           ar("TailSpace", Limited(text.TailSpace, ClampSpace)) &&
           ar("WordWrap", FlagPaddedBy(text.WordWrap, text.TailSpace)) &&
           ar("Fonts", payload.Fonts) && ar("RepeatCount", payload.RepeatCount) &&
           ar("RepeatDelay", payload.RepeatDelay) && ar("ScrollDelay", payload.ScrollDelay) &&
           ar("ScrollStep", payload.ScrollStep) && ar("CursorNumber", payload.CursorNumber) &&
           ar("Hint", payload.Hint) && Bounds(ar, payload);
}

// The layout lies between the two delays, which a read sets only once both are
// read, through SetDelaysInStoredOrder.
template <class Archive> bool DelaysAroundLayout(Archive& ar, TFadeTextParam& text) {
    std::int32_t fadeDelay = text.FadeDelay;
    const auto readFade = [&fadeDelay](std::int32_t value) { fadeDelay = value; };
    const auto setBoth = [&](std::int32_t lineDelay) {
        SetDelaysInStoredOrder(text, fadeDelay, lineDelay);
    };
    return ar("FadeDelay", Through(text.FadeDelay, readFade)) && ar("Layout", text.Layout) &&
           ar("LineDelay", Through(text.LineDelay, setBoth));
}

template <class Archive> bool Fields(Archive& ar, TFadeLabelPayload& payload) {
    auto& text = payload.Text;
    return ar("Active", payload.Active) && ar("Align", payload.Align) &&
           ar("AutoSize", payload.AutoSize) && ar("Border", payload.Border) &&
           AlignedBackdrop(ar, text) && EffectAndLines(ar, text) &&
           ar("Transparent", text.Transparent) && ar("Fonts", payload.Fonts) &&
           ar("RepeatCount", payload.RepeatCount) && DelaysAroundLayout(ar, text) &&
           ar("CursorNumber", payload.CursorNumber) && ar("Hint", payload.Hint) &&
           ar("Font", payload.Font) && Bounds(ar, payload);
}

inline constexpr auto WriteTextPayload = &WriteRecord<TTextPayload>;
inline constexpr auto ReadTextPayload = &ReadRecord<TTextPayload>;
inline constexpr auto WriteScrollTextPayload = &WriteRecord<TScrollTextPayload>;
inline constexpr auto ReadScrollTextPayload = &ReadRecord<TScrollTextPayload>;
inline constexpr auto WriteFadeLabelPayload = &WriteRecord<TFadeLabelPayload>;
inline constexpr auto ReadFadeLabelPayload = &ReadRecord<TFadeLabelPayload>;

} // namespace brelvane
