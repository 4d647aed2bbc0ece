#include "objects/records/AgreementPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/Payload.h"
#include "objects/records/ShapePayload.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/TextPayload.h"

#include <array>

namespace brelvane {

namespace {
template <class P> constexpr TPayloadCodec kCodec = MakePayloadCodec<P>();

// One row per kind; kinds without a codec yet are refused when read.
constexpr std::array<const TPayloadCodec*, kObjectKindCount> kCodecs = [] {
    std::array<const TPayloadCodec*, kObjectKindCount> codecs{};
    codecs[okButton] = &kCodec<TButtonPayload>;
    codecs[okImageButton] = &kCodec<TImageButtonPayload>;
    codecs[okImage] = &kCodec<TImagePayload>;
    codecs[okEdit] = &kCodec<TEditPayload>;
    codecs[okRadioButton] = &kCodec<TRadioButtonPayload>;
    codecs[okCheckBox] = &kCodec<TCheckBoxPayload>;
    codecs[okLabel] = &kCodec<TLabelPayload>;
    codecs[okLink] = &kCodec<TLinkPayload>;
    codecs[okFadeLabel] = &kCodec<TFadeLabelPayload>;
    codecs[okText] = &kCodec<TTextPayload>;
    codecs[okScrollText] = &kCodec<TScrollTextPayload>;
    codecs[okSimpleText] = &kCodec<TSimpleTextPayload>;
    codecs[okShape] = &kCodec<TShapePayload>;
    return codecs;
}();
} // namespace

const TPayloadCodec* PayloadCodecOf(std::uint8_t kind) {
    return IsObjectKind(kind) ? kCodecs[kind] : nullptr;
}

} // namespace brelvane
