#include "objects/records/LabelPayload.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

namespace {
// Stored fields 1 to 3 of both kinds.
bool WriteHead(TStream& stream, const TLabelFields& label) {
    WriteField(stream, label.Align);
    WriteField(stream, label.AutoSize);
    WriteField(stream, label.Border);
    const auto& look = label.Effect;
    WriteField(stream, look.Alignment);
    if (!WriteBackdrop(stream, look)) return false;
    WriteField(stream, look.Layout);
    WriteField(stream, look.Quality);
    WriteField(stream, look.Transparent);
    return WriteEffect(stream, look.FontEffect);
}

bool ReadHead(TStream& stream, TLabelFields& label) {
    ReadField(stream, label.Align);
    ReadField(stream, label.AutoSize);
    ReadField(stream, label.Border);
    auto& look = label.Effect;
    ReadField(stream, look.Alignment);
    if (!ReadBackdrop(stream, look)) return false;
    ReadField(stream, look.Layout);
    ReadField(stream, look.Quality);
    ReadField(stream, look.Transparent);
    return ReadEffect(stream, look.FontEffect);
}

// Stored fields 4 and 5 of both kinds.
bool WriteTail(TStream& stream, const TLabelFields& label, const TPayload& payload) {
    WriteField(stream, label.CursorNumber);
    if (!WriteString(stream, label.Caption) || !WriteString(stream, payload.Hint) ||
        !WriteFont(stream, label.Font))
        return false;
    WritePayloadBounds(stream, payload);
    return true;
}

bool ReadTail(TStream& stream, TLabelFields& label, TPayload& payload) {
    ReadField(stream, label.CursorNumber);
    if (!ReadString(stream, label.Caption) || !ReadString(stream, payload.Hint) ||
        !ReadFont(stream, label.Font))
        return false;
    ReadPayloadBounds(stream, payload);
    return true;
}

void VisitLabel(TFieldVisitor& visitor, const TLabelFields& label) {
    visitor.Field("Align", std::int64_t{label.Align});
    visitor.Field("AutoSize", label.AutoSize);
    visitor.Field("Border", std::int64_t{label.Border});
    const auto& look = label.Effect;
    visitor.Field("Alignment", std::int64_t{look.Alignment});
    VisitBackdrop(visitor, look, "");
    visitor.Field("Layout", std::int64_t{look.Layout});
    visitor.Field("Quality", std::int64_t{look.Quality});
    visitor.Field("Transparent", look.Transparent);
    visitor.Field("FontEffect", look.FontEffect);
    visitor.Field("CursorNumber", std::int64_t{label.CursorNumber});
    visitor.Field("Caption", label.Caption);
    visitor.Field("Font", label.Font);
}
} // namespace

TLabelFields::TLabelFields() {
    Effect.FontEffect = NewObjectEffect();
    Effect.Transparent = true;
}

TLabelPayload::TLabelPayload() {
    Caption = "New Label";
}

TLinkPayload::TLinkPayload() {
    Caption = "New Link";
    HotLink.FontEffect = NewObjectEffect();
    HotLink.Transparent = true;
}

void TLabelPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitLabel(visitor, *this);
    VisitBounds(visitor);
}

void TLinkPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitLabel(visitor, *this);
    VisitBackdrop(visitor, HotLink, "Hot");
    visitor.Field("HotFontColor", std::int64_t{HotLink.Color});
    visitor.Field("Fade", HotLink.Fade);
    visitor.Field("FadeDelay", std::int64_t{HotLink.FadeDelay});
    visitor.Field("HotTransparent", HotLink.Transparent);
    visitor.Field("UnderLine", HotLink.UnderLine);
    visitor.Field("Address", HotLink.Address);
    visitor.Field("HotFontEffect", HotLink.FontEffect);
    VisitBounds(visitor);
}

bool WriteLabelPayload(TStream& stream, const TLabelPayload& payload) {
    return Transfer(kWriteLabelError, [&] {
        return WriteHead(stream, payload) && WriteTail(stream, payload, payload);
    });
}

bool ReadLabelPayload(TStream& stream, TLabelPayload& payload) {
    return Transfer(kReadLabelError, [&] {
        return ReadHead(stream, payload) && ReadTail(stream, payload, payload);
    });
}

bool WriteLinkPayload(TStream& stream, const TLinkPayload& payload) {
    return Transfer(kWriteLinkError, [&] {
        if (!WriteHead(stream, payload)) return false;
        const auto& hot = payload.HotLink;
        if (!WriteBackdrop(stream, hot)) return false;
        WriteField(stream, hot.Color);
        WriteField(stream, hot.Fade);
        WriteField(stream, hot.FadeDelay);
        WriteField(stream, hot.Transparent);
        WriteField(stream, hot.UnderLine);
        return WriteString(stream, hot.Address) && WriteEffect(stream, hot.FontEffect) &&
               WriteTail(stream, payload, payload);
    });
}

bool ReadLinkPayload(TStream& stream, TLinkPayload& payload) {
    return Transfer(kReadLinkError, [&] {
        if (!ReadHead(stream, payload)) return false;
        auto& hot = payload.HotLink;
        if (!ReadBackdrop(stream, hot)) return false;
        ReadField(stream, hot.Color);
        ReadField(stream, hot.Fade);
        ReadField(stream, hot.FadeDelay);
        ReadField(stream, hot.Transparent);
        ReadField(stream, hot.UnderLine);
        return ReadString(stream, hot.Address) && ReadEffect(stream, hot.FontEffect) &&
               ReadTail(stream, payload, payload);
    });
}

} // namespace brelvane
