#include "objects/records/SimpleTextPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
constexpr std::int32_t kPressedLookMarker = -1;
}

TSimpleTextPayload::TSimpleTextPayload() {
    Caption = "New SimpleText";
}

void TSimpleTextPayload::VisitFields(TFieldVisitor& visitor) const {
    visitor.Field("CursorNumber", std::int64_t{CursorNumber});
    visitor.Field("Caption", Caption);
    visitor.Field("Align", std::int64_t{Align});
    visitor.Field("Alignment", std::int64_t{Alignment});
    visitor.Field("AutoSize", AutoSize);
    visitor.Field("Layout", std::int64_t{Layout});
    visitor.Field("Transparent", Transparent);
    visitor.Field("BackColor", std::int64_t{BackColor});
    visitor.Field("HotBackColor", std::int64_t{HotBackColor});
    visitor.Field("Font", Font);
    visitor.Field("HotFont", HotFont);
    visitor.Field("MouseDownBackColor", std::int64_t{MouseDownBackColor});
    visitor.Field("MouseDownFont", MouseDownFont);
    VisitBounds(visitor);
}

bool WriteSimpleTextPayload(TStream& stream, const TSimpleTextPayload& payload) {
    return Transfer(kWriteSimpleTextError, [&] {
        WriteField(stream, payload.CursorNumber);
        if (!WriteString(stream, payload.Hint) || !WriteString(stream, payload.Caption))
            return false;
        WriteField(stream, payload.Align);
        WriteField(stream, payload.Alignment);
        WriteField(stream, payload.AutoSize);
        WriteField(stream, payload.Layout);
        WriteField(stream, payload.Transparent);
        WriteField(stream, payload.BackColor);
        WriteField(stream, payload.HotBackColor);
        if (!WriteFont(stream, payload.Font) || !WriteFont(stream, payload.HotFont)) return false;
        for (const auto value : {payload.Left, payload.Top, payload.Width, kPressedLookMarker,
                                 payload.MouseDownBackColor})
            WriteField(stream, value);
        if (!WriteFont(stream, payload.MouseDownFont)) return false;
        WriteField(stream, payload.Height);
        return true;
    });
}

bool ReadSimpleTextPayload(TStream& stream, TSimpleTextPayload& payload) {
    return Transfer(kReadSimpleTextError, [&] {
        ReadField(stream, payload.CursorNumber);
        if (!ReadString(stream, payload.Hint) || !ReadString(stream, payload.Caption)) return false;
        ReadField(stream, payload.Align);
        ReadField(stream, payload.Alignment);
        ReadField(stream, payload.AutoSize);
        ReadField(stream, payload.Layout);
        ReadField(stream, payload.Transparent);
        ReadField(stream, payload.BackColor);
        ReadField(stream, payload.HotBackColor);
        if (!ReadFont(stream, payload.Font) || !ReadFont(stream, payload.HotFont)) return false;
        for (auto* value : {&payload.Left, &payload.Top, &payload.Width})
            ReadField(stream, *value);
        const auto next = ReadField<std::int32_t>(stream);
        if (next != kPressedLookMarker) {
            payload.Height = next;
            payload.MouseDownBackColor = payload.HotBackColor;
            payload.MouseDownFont = payload.HotFont;
            return true;
        }
        ReadField(stream, payload.MouseDownBackColor);
        if (!ReadFont(stream, payload.MouseDownFont)) return false;
        ReadField(stream, payload.Height);
        return true;
    });
}

} // namespace brelvane
