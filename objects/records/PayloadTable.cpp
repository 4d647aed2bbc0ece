#include "objects/records/AgreementPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/Payload.h"
#include "objects/records/ShapePayload.h"

#include <array>

namespace brelvane {

namespace {
constexpr TPayloadCodec kButton =
    MakePayloadCodec<TButtonPayload, WriteButtonPayload, ReadButtonPayload>();
constexpr TPayloadCodec kImageButton =
    MakePayloadCodec<TImageButtonPayload, WriteImageButtonPayload, ReadImageButtonPayload>();
constexpr TPayloadCodec kImage =
    MakePayloadCodec<TImagePayload, WriteImagePayload, ReadImagePayload>();
constexpr TPayloadCodec kEdit = MakePayloadCodec<TEditPayload, WriteEditPayload, ReadEditPayload>();
constexpr TPayloadCodec kRadioButton =
    MakePayloadCodec<TRadioButtonPayload, WriteRadioButtonPayload, ReadRadioButtonPayload>();
constexpr TPayloadCodec kCheckBox =
    MakePayloadCodec<TCheckBoxPayload, WriteCheckBoxPayload, ReadCheckBoxPayload>();
constexpr TPayloadCodec kShape =
    MakePayloadCodec<TShapePayload, WriteShapePayload, ReadShapePayload>();

// One row per kind; kinds without a codec yet are refused when read.
constexpr std::array<const TPayloadCodec*, kObjectKindCount> kCodecs = [] {
    std::array<const TPayloadCodec*, kObjectKindCount> codecs{};
    codecs[okButton] = &kButton;
    codecs[okImageButton] = &kImageButton;
    codecs[okImage] = &kImage;
    codecs[okEdit] = &kEdit;
    codecs[okRadioButton] = &kRadioButton;
    codecs[okCheckBox] = &kCheckBox;
    codecs[okShape] = &kShape;
    return codecs;
}();
} // namespace

const TPayloadCodec* PayloadCodecOf(std::uint8_t kind) {
    return IsObjectKind(kind) ? kCodecs[kind] : nullptr;
}

} // namespace brelvane
