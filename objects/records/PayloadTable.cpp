#include "objects/records/AgreementPayload.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/Payload.h"
#include "objects/records/ShapePayload.h"
#include "objects/records/ShellPayloads.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/SlideShowPayload.h"
#include "objects/records/TextBoxPayload.h"
#include "objects/records/TextPayload.h"
#include "objects/records/TreeViewPayload.h"

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
    codecs[okListBox] = &kCodec<TListBoxPayload>;
    codecs[okDropDownList] = &kCodec<TDropDownListPayload>;
    codecs[okListView] = &kCodec<TListViewPayload>;
    codecs[okTreeView] = &kCodec<TTreeViewPayload>;
    codecs[okShellComboBox] = &kCodec<TShellComboBoxPayload>;
    codecs[okShellTreeView] = &kCodec<TShellTreeViewPayload>;
    codecs[okShellListView] = &kCodec<TShellListViewPayload>;
    codecs[okTextBox] = &kCodec<TTextBoxPayload>;
    codecs[okRichText] = &kCodec<TRichTextPayload>;
    codecs[okAVI] = &kCodec<TAviPayload>;
    codecs[okExplorer] = &kCodec<TExplorerPayload>;
    codecs[okFlash] = &kCodec<TFlashPayload>;
    codecs[okMediaPlayer] = &kCodec<TMediaPayload>;
    codecs[okSlideShow] = &kCodec<TSlideShowPayload>;
    return codecs;
}();

// The kinds whose designer form is a payload type of its own.
const TPayloadCodec* DesignCodecOf(std::uint8_t kind) {
    return kind == okExplorer ? &kCodec<TExplorerPlaceholderPayload> : nullptr;
}
} // namespace

const TPayloadCodec* PayloadCodecOf(std::uint8_t kind, TPayloadForm form) {
    if (!IsObjectKind(kind)) return nullptr;
    const auto* design = form == TPayloadForm::Design ? DesignCodecOf(kind) : nullptr;
    return design ? design : kCodecs[kind];
}

const TPayloadCodec* PayloadWriterOf(std::uint8_t kind, const TPayload& payload) {
    if (!IsObjectKind(kind)) return nullptr;
    for (const auto* codec : {kCodecs[kind], DesignCodecOf(kind)})
        if (codec && codec->Holds(payload)) return codec;
    return nullptr;
}

} // namespace brelvane
