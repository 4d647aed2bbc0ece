#pragma once

#include "objects/records/Payload.h"
#include "objects/records/TextParams.h"

namespace brelvane {

enum : int {
    kWriteLinkError = 1039,
    kReadLinkError = 1040,
    kWriteLabelError = 1043,
    kReadLabelError = 1044,
};

// What a link shares with a label.
struct TLabelFields {
    TLabelFields();
    std::uint8_t Align = 0;
    bool AutoSize = true;
    std::int32_t Border = 0;
    TAAFontEffect Effect;
    std::int16_t CursorNumber = 0;
    std::string Caption;
    TFont Font{.Name = "Arial", .Size = 16};
};

// Kind 3: a one-line anti-aliased caption.
struct TLabelPayload : TPayloadOf<TLabelPayload>, TLabelFields {
    static constexpr TRecordCodes Codes{kWriteLabelError, kReadLabelError};
    TLabelPayload();
    std::string* CaptionText() override { return &Caption; }
    std::string* ViewerText() override { return &Caption; }
    void VisitFields(TFieldVisitor& visitor) const override;
};

// Kind 4: a label with a hot look it cross-fades to under the pointer. The
// address stays empty for links the designer creates.
struct TLinkPayload : TPayloadOf<TLinkPayload>, TLabelFields {
    static constexpr TRecordCodes Codes{kWriteLinkError, kReadLinkError};
    TLinkPayload();
    std::string* CaptionText() override { return &Caption; }
    THotLink HotLink;
    void VisitFields(TFieldVisitor& visitor) const override;
};

// Stored fields 1 to 3 of both kinds: placing, the look and its effect.
template <class Archive> bool LabelHead(Archive& ar, TLabelFields& label) {
    auto& look = label.Effect;
    return ar("Align", label.Align) && ar("AutoSize", label.AutoSize) &&
           ar("Border", label.Border) && AlignedBackdrop(ar, look) && ar("Layout", look.Layout) &&
           ar("Quality", look.Quality) && ar("Transparent", look.Transparent) &&
           ar("FontEffect", look.FontEffect);
}

// Stored fields 4 and 5 of both kinds.
template <class Archive> bool LabelTail(Archive& ar, TLabelFields& label, TPayload& payload) {
    return ar("CursorNumber", label.CursorNumber) && ar("Caption", label.Caption) &&
           ar("Hint", payload.Hint) && ar("Font", label.Font) && Bounds(ar, payload);
}

template <class Archive> bool Fields(Archive& ar, TLabelPayload& payload) {
    return LabelHead(ar, payload) && LabelTail(ar, payload, payload);
}

// The hot look lies between the label's fields 3 and 4.
template <class Archive> bool Fields(Archive& ar, TLinkPayload& payload) {
    return LabelHead(ar, payload) && ar("HotLink", payload.HotLink) &&
           LabelTail(ar, payload, payload);
}

inline constexpr auto WriteLabelPayload = &WriteRecord<TLabelPayload>;
inline constexpr auto ReadLabelPayload = &ReadRecord<TLabelPayload>;
inline constexpr auto WriteLinkPayload = &WriteRecord<TLinkPayload>;
inline constexpr auto ReadLinkPayload = &ReadRecord<TLinkPayload>;

} // namespace brelvane
