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
constexpr TPayloadCodec kButton = MakePayloadCodec<TButtonPayload>();
constexpr TPayloadCodec kImageButton = MakePayloadCodec<TImageButtonPayload>();
constexpr TPayloadCodec kImage = MakePayloadCodec<TImagePayload>();
constexpr TPayloadCodec kEdit = MakePayloadCodec<TEditPayload>();
constexpr TPayloadCodec kRadioButton = MakePayloadCodec<TRadioButtonPayload>();
constexpr TPayloadCodec kCheckBox = MakePayloadCodec<TCheckBoxPayload>();
constexpr TPayloadCodec kLabel = MakePayloadCodec<TLabelPayload>();
constexpr TPayloadCodec kLink = MakePayloadCodec<TLinkPayload>();
constexpr TPayloadCodec kFadeLabel = MakePayloadCodec<TFadeLabelPayload>();
constexpr TPayloadCodec kText = MakePayloadCodec<TTextPayload>();
constexpr TPayloadCodec kScrollText = MakePayloadCodec<TScrollTextPayload>();
constexpr TPayloadCodec kSimpleText = MakePayloadCodec<TSimpleTextPayload>();
constexpr TPayloadCodec kShape = MakePayloadCodec<TShapePayload>();

// One row per kind; kinds without a codec yet are refused when read.
constexpr std::array<const TPayloadCodec*, kObjectKindCount> kCodecs = [] {
    std::array<const TPayloadCodec*, kObjectKindCount> codecs{};
    codecs[okButton] = &kButton;
    codecs[okImageButton] = &kImageButton;
    codecs[okImage] = &kImage;
    codecs[okEdit] = &kEdit;
    codecs[okRadioButton] = &kRadioButton;
    codecs[okCheckBox] = &kCheckBox;
    codecs[okLabel] = &kLabel;
    codecs[okLink] = &kLink;
    codecs[okFadeLabel] = &kFadeLabel;
    codecs[okText] = &kText;
    codecs[okScrollText] = &kScrollText;
    codecs[okSimpleText] = &kSimpleText;
    codecs[okShape] = &kShape;
    return codecs;
}();
} // namespace

const TPayloadCodec* PayloadCodecOf(std::uint8_t kind) {
    return IsObjectKind(kind) ? kCodecs[kind] : nullptr;
}

} // namespace brelvane
