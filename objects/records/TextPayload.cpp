#include "objects/records/TextPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <algorithm>
#include <array>
#include <limits>

namespace brelvane {

namespace {
constexpr std::int32_t kShortestFade = 50;
// The least time a line stays fully shown after its fade.
constexpr std::int32_t kLineAfterFade = 200;
constexpr std::int32_t kMostSpace = 150;

// Stored field group 2 of all three kinds: alignment and background.
bool WriteAlignedBackdrop(TStream& stream, const TCustomParam& param) {
    WriteField(stream, param.Alignment);
    return WriteBackdrop(stream, param);
}

bool ReadAlignedBackdrop(TStream& stream, TCustomParam& param) {
    ReadField(stream, param.Alignment);
    return ReadBackdrop(stream, param);
}

bool WriteCursorAndHint(TStream& stream, std::int16_t cursor, const TPayload& payload) {
    WriteField(stream, cursor);
    return WriteString(stream, payload.Hint);
}

bool ReadCursorAndHint(TStream& stream, std::int16_t& cursor, TPayload& payload) {
    ReadField(stream, cursor);
    return ReadString(stream, payload.Hint);
}

void VisitTextParam(TFieldVisitor& visitor, const TCustomTextParam& text) {
    visitor.Field("Alignment", std::int64_t{text.Alignment});
    VisitBackdrop(visitor, text, "");
    visitor.Field("FontEffect", text.FontEffect);
    visitor.Field("LabelEffect", std::int64_t{text.LabelEffect});
    visitor.Field("Lines", text.Lines);
    visitor.Field("Quality", std::int64_t{text.Quality});
    visitor.Field("RowPitch", std::int64_t{text.RowPitch});
}
} // namespace

TScrollTextParam::TScrollTextParam() {
    Alignment = taCenter;
    BackGroundMode = bmTiled;
    BackColor = clWhite;
}

TFadeTextParam::TFadeTextParam() {
    Alignment = taCenter;
    Layout = tlCenter;
    BackColor = clWhite;
}

// Wide enough that no stored value overflows the limits' arithmetic.
void SetFadeDelay(TFadeTextParam& param, std::int32_t value) {
    const std::int64_t longest = std::int64_t{param.LineDelay} - kLineAfterFade;
    param.FadeDelay = static_cast<std::int32_t>(
        std::max<std::int64_t>(kShortestFade, std::min<std::int64_t>(value, longest)));
}

void SetLineDelay(TFadeTextParam& param, std::int32_t value) {
    const std::int64_t shortest = std::int64_t{param.FadeDelay} + kLineAfterFade;
    param.LineDelay = static_cast<std::int32_t>(std::min<std::int64_t>(
        std::max<std::int64_t>(value, shortest), std::numeric_limits<std::int32_t>::max()));
}

void SetDelaysInStoredOrder(TFadeTextParam& param, std::int32_t fadeDelay, std::int32_t lineDelay) {
    if (lineDelay > param.LineDelay) SetLineDelay(param, lineDelay);
    SetFadeDelay(param, fadeDelay);
    SetLineDelay(param, lineDelay);
}

std::int32_t ClampSpace(std::int32_t value) {
    return std::clamp(value, 0, kMostSpace);
}

TTextPayload::TTextPayload() {
    Text.Lines = "New Text\r\n";
    Text.FontEffect = NewObjectEffect();
    Text.Transparent = true;
}

TScrollTextPayload::TScrollTextPayload() {
    Text.Lines = "New Scroll Text\r\n";
    Text.FontEffect = NewObjectEffect();
}

TFadeLabelPayload::TFadeLabelPayload() = default;

void TTextPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Align", std::int64_t{Align});
    visitor.Field("AutoSize", AutoSize);
    visitor.Field("Border", std::int64_t{Border});
    VisitTextParam(visitor, Text);
    visitor.Field("Transparent", Text.Transparent);
    visitor.Field("WordWrap", Text.WordWrap);
    visitor.Field("Fonts", Fonts);
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Font", Font);
    VisitBounds(visitor);
}

void TScrollTextPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Active", Active);
    visitor.Field("Align", std::int64_t{Align});
    VisitTextParam(visitor, Text);
    visitor.Field("Fade", Text.Fade);
    visitor.Field("FadeHeight", std::int64_t{Text.FadeHeight});
    visitor.Field("Font", Text.Font);
    visitor.Field("HeadSpace", std::int64_t{Text.HeadSpace});
    visitor.Field("TailSpace", std::int64_t{Text.TailSpace});
    visitor.Field("WordWrap", Text.WordWrap);
    visitor.Field("Fonts", Fonts);
    visitor.Field("RepeatCount", std::int64_t{RepeatCount});
    visitor.Field("RepeatDelay", std::int64_t{RepeatDelay});
    visitor.Field("ScrollDelay", std::int64_t{ScrollDelay});
    visitor.Field("ScrollStep", std::int64_t{ScrollStep});
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    VisitBounds(visitor);
}

void TFadeLabelPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("Active", Active);
    visitor.Field("Align", std::int64_t{Align});
    visitor.Field("AutoSize", AutoSize);
    visitor.Field("Border", std::int64_t{Border});
    VisitTextParam(visitor, Text);
    visitor.Field("Transparent", Text.Transparent);
    visitor.Field("Layout", std::int64_t{Text.Layout});
    visitor.Field("Fonts", Fonts);
    visitor.Field("RepeatCount", std::int64_t{RepeatCount});
    visitor.Field("FadeDelay", std::int64_t{Text.FadeDelay});
    visitor.Field("LineDelay", std::int64_t{Text.LineDelay});
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Font", Font);
    VisitBounds(visitor);
}

bool WriteTextPayload(TStream& stream, const TTextPayload& payload) {
    return Transfer(kWriteTextError, [&] {
        const auto& text = payload.Text;
        WriteField(stream, payload.Align);
        WriteField(stream, payload.AutoSize);
        WriteField(stream, payload.Border);
        if (!WriteAlignedBackdrop(stream, text) || !WriteEffect(stream, text.FontEffect))
            return false;
        WriteField(stream, text.LabelEffect);
        if (!WriteString(stream, text.Lines)) return false;
        WriteField(stream, text.Quality);
        WriteField(stream, text.RowPitch);
        WriteField(stream, text.Transparent);
        WriteField(stream, text.WordWrap);
        if (!WriteFontLabels(stream, payload.Fonts) ||
            !WriteCursorAndHint(stream, payload.CursorNumber, payload) ||
            !WriteFont(stream, payload.Font))
            return false;
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadTextPayload(TStream& stream, TTextPayload& payload) {
    return Transfer(kReadTextError, [&] {
        auto& text = payload.Text;
        ReadField(stream, payload.Align);
        ReadField(stream, payload.AutoSize);
        ReadField(stream, payload.Border);
        if (!ReadAlignedBackdrop(stream, text) || !ReadEffect(stream, text.FontEffect))
            return false;
        ReadField(stream, text.LabelEffect);
        if (!ReadString(stream, text.Lines)) return false;
        ReadField(stream, text.Quality);
        ReadField(stream, text.RowPitch);
        ReadField(stream, text.Transparent);
        ReadField(stream, text.WordWrap);
        if (!ReadFontLabels(stream, payload.Fonts) ||
            !ReadCursorAndHint(stream, payload.CursorNumber, payload) ||
            !ReadFont(stream, payload.Font))
            return false;
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

bool WriteScrollTextPayload(TStream& stream, const TScrollTextPayload& payload) {
    return Transfer(kWriteScrollTextError, [&] {
        const auto& text = payload.Text;
        WriteField(stream, payload.Active);
        WriteField(stream, payload.Align);
        if (!WriteAlignedBackdrop(stream, text)) return false;
        WriteField(stream, text.Fade);
        WriteField(stream, text.FadeHeight);
        if (!WriteFont(stream, text.Font) || !WriteEffect(stream, text.FontEffect)) return false;
        WriteField(stream, text.HeadSpace);
        WriteField(stream, text.LabelEffect);
        if (!WriteString(stream, text.Lines)) return false;
        WriteField(stream, text.Quality);
        WriteField(stream, text.RowPitch);
        WriteField(stream, text.TailSpace);
        // A four-byte field for a one-byte flag: the bytes after the flag
        // have always carried the low bytes of TailSpace.
        const auto tail = static_cast<std::uint32_t>(text.TailSpace);
        const std::array<std::uint8_t, 4> wordWrap{
            static_cast<std::uint8_t>(text.WordWrap ? 1 : 0), static_cast<std::uint8_t>(tail),
            static_cast<std::uint8_t>(tail >> 8), static_cast<std::uint8_t>(tail >> 16)};
        stream.Write(wordWrap.data(), wordWrap.size());
        if (!WriteFontLabels(stream, payload.Fonts)) return false;
        for (const auto value :
             {payload.RepeatCount, payload.RepeatDelay, payload.ScrollDelay, payload.ScrollStep})
            WriteField(stream, value);
        if (!WriteCursorAndHint(stream, payload.CursorNumber, payload)) return false;
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadScrollTextPayload(TStream& stream, TScrollTextPayload& payload) {
    return Transfer(kReadScrollTextError, [&] {
        auto& text = payload.Text;
        ReadField(stream, payload.Active);
        ReadField(stream, payload.Align);
        if (!ReadAlignedBackdrop(stream, text)) return false;
        ReadField(stream, text.Fade);
        ReadField(stream, text.FadeHeight);
        if (!ReadFont(stream, text.Font) || !ReadEffect(stream, text.FontEffect)) return false;
        text.HeadSpace = ClampSpace(ReadField<std::int32_t>(stream));
        ReadField(stream, text.LabelEffect);
        if (!ReadString(stream, text.Lines)) return false;
        ReadField(stream, text.Quality);
        ReadField(stream, text.RowPitch);
        text.TailSpace = ClampSpace(ReadField<std::int32_t>(stream));
        std::array<std::uint8_t, 4> wordWrap{};
        stream.Read(wordWrap.data(), wordWrap.size());
        text.WordWrap = wordWrap[0] != 0;
        if (!ReadFontLabels(stream, payload.Fonts)) return false;
        for (auto* value : {&payload.RepeatCount, &payload.RepeatDelay, &payload.ScrollDelay,
                            &payload.ScrollStep})
            ReadField(stream, *value);
        if (!ReadCursorAndHint(stream, payload.CursorNumber, payload)) return false;
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

bool WriteFadeLabelPayload(TStream& stream, const TFadeLabelPayload& payload) {
    return Transfer(kWriteFadeLabelError, [&] {
        const auto& text = payload.Text;
        WriteField(stream, payload.Active);
        WriteField(stream, payload.Align);
        WriteField(stream, payload.AutoSize);
        WriteField(stream, payload.Border);
        if (!WriteAlignedBackdrop(stream, text) || !WriteEffect(stream, text.FontEffect))
            return false;
        WriteField(stream, text.LabelEffect);
        if (!WriteString(stream, text.Lines)) return false;
        WriteField(stream, text.Quality);
        WriteField(stream, text.Transparent);
        if (!WriteFontLabels(stream, payload.Fonts)) return false;
        WriteField(stream, payload.RepeatCount);
        WriteField(stream, text.FadeDelay);
        WriteField(stream, text.Layout);
        WriteField(stream, text.LineDelay);
        if (!WriteCursorAndHint(stream, payload.CursorNumber, payload) ||
            !WriteFont(stream, payload.Font))
            return false;
        WritePayloadBounds(stream, payload);
        return true;
    });
}

bool ReadFadeLabelPayload(TStream& stream, TFadeLabelPayload& payload) {
    return Transfer(kReadFadeLabelError, [&] {
        auto& text = payload.Text;
        ReadField(stream, payload.Active);
        ReadField(stream, payload.Align);
        ReadField(stream, payload.AutoSize);
        ReadField(stream, payload.Border);
        if (!ReadAlignedBackdrop(stream, text) || !ReadEffect(stream, text.FontEffect))
            return false;
        ReadField(stream, text.LabelEffect);
        if (!ReadString(stream, text.Lines)) return false;
        ReadField(stream, text.Quality);
        ReadField(stream, text.Transparent);
        if (!ReadFontLabels(stream, payload.Fonts)) return false;
        ReadField(stream, payload.RepeatCount);
        const auto fadeDelay = ReadField<std::int32_t>(stream);
        ReadField(stream, text.Layout);
        SetDelaysInStoredOrder(text, fadeDelay, ReadField<std::int32_t>(stream));
        if (!ReadCursorAndHint(stream, payload.CursorNumber, payload) ||
            !ReadFont(stream, payload.Font))
            return false;
        ReadPayloadBounds(stream, payload);
        return true;
    });
}

} // namespace brelvane
