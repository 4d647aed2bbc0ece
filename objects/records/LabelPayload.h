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
    TLabelPayload();
    std::string* CaptionText() override { return &Caption; }
    std::string* ViewerText() override { return &Caption; }
    void VisitFields(TFieldVisitor& visitor) const override;
};

// Kind 4: a label with a hot look it cross-fades to under the pointer. The
// address stays empty for links the designer creates.
struct TLinkPayload : TPayloadOf<TLinkPayload>, TLabelFields {
    TLinkPayload();
    std::string* CaptionText() override { return &Caption; }
    THotLink HotLink;
    void VisitFields(TFieldVisitor& visitor) const override;
};

bool WriteLabelPayload(TStream& stream, const TLabelPayload& payload);
bool ReadLabelPayload(TStream& stream, TLabelPayload& payload);
bool WriteLinkPayload(TStream& stream, const TLinkPayload& payload);
bool ReadLinkPayload(TStream& stream, TLinkPayload& payload);

} // namespace brelvane
