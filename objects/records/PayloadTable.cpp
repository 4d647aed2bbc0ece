#include "objects/records/ButtonPayload.h"
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
constexpr TPayloadCodec kButton =
    MakePayloadCodec<TButtonPayload, WriteButtonPayload, ReadButtonPayload>();
constexpr TPayloadCodec kImageButton =
    MakePayloadCodec<TImageButtonPayload, WriteImageButtonPayload, ReadImageButtonPayload>();
constexpr TPayloadCodec kImage =
    MakePayloadCodec<TImagePayload, WriteImagePayload, ReadImagePayload>();
constexpr TPayloadCodec kLabel =
    MakePayloadCodec<TLabelPayload, WriteLabelPayload, ReadLabelPayload>();
constexpr TPayloadCodec kLink = MakePayloadCodec<TLinkPayload, WriteLinkPayload, ReadLinkPayload>();
constexpr TPayloadCodec kFadeLabel =
    MakePayloadCodec<TFadeLabelPayload, WriteFadeLabelPayload, ReadFadeLabelPayload>();
constexpr TPayloadCodec kText = MakePayloadCodec<TTextPayload, WriteTextPayload, ReadTextPayload>();
constexpr TPayloadCodec kScrollText =
    MakePayloadCodec<TScrollTextPayload, WriteScrollTextPayload, ReadScrollTextPayload>();
constexpr TPayloadCodec kSimpleText =
    MakePayloadCodec<TSimpleTextPayload, WriteSimpleTextPayload, ReadSimpleTextPayload>();
constexpr TPayloadCodec kShape =
    MakePayloadCodec<TShapePayload, WriteShapePayload, ReadShapePayload>();

// One row per kind; kinds without a codec yet are refused when read.
constexpr std::array<const TPayloadCodec*, kObjectKindCount> kCodecs = [] {
    std::array<const TPayloadCodec*, kObjectKindCount> codecs{};
    codecs[okButton] = &kButton;
    codecs[okImageButton] = &kImageButton;
    codecs[okImage] = &kImage;
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
