#pragma once

#include "objects/records/Payload.h"
#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <string>

namespace brelvane {

inline constexpr std::int32_t clBlue = RGB(0, 0, 255);

enum TTextAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };
enum TTextLayout : std::uint8_t { tlTop, tlCenter, tlBottom };
enum TBackGroundMode : std::uint8_t { bmTiled, bmStretched, bmCenter, bmNormal };

// The renderer's quality and label-reach ordinals as stored; the records
// cannot see the renderer's own enumerations.
inline constexpr std::uint8_t kQualityNormal = 1;
inline constexpr std::uint8_t kLabelEffectOnlyALine = 0;
inline constexpr std::uint8_t kLabelEffectUntilNextLabel = 1;

// The settings every anti-aliased text control's parameter object has.
struct TCustomParam {
    std::uint8_t Alignment = taLeftJustify;
    std::uint8_t Layout = tlTop;
    bool WordWrap = false;
    bool Transparent = false;
    std::int32_t BackColor = clBtnFace;
    TPicture BackGround;
    std::uint8_t BackGroundMode = bmCenter;
    std::uint8_t Quality = kQualityNormal;
};

// A label's look.
struct TAAFontEffect : TCustomParam {
    TAAEffect FontEffect;
};

// The look a link cross-fades to under the pointer.
struct THotLink : TCustomParam {
    bool Fade = true;
    std::int32_t FadeDelay = 600;
    std::int32_t Color = clBlue;
    TAAEffect FontEffect;
    bool UnderLine = false;
    std::string Address;
};

// The settings of the multi-line kinds.
struct TCustomTextParam : TCustomParam {
    // The line list's text: every line followed by CR LF.
    std::string Lines;
    TAAEffect FontEffect;
    std::int16_t RowPitch = 20;
    std::uint8_t LabelEffect = kLabelEffectUntilNextLabel;
};

// The effect a new text object starts with: shadow and texture switched on
// (the texture shows once it is given a picture).
TAAEffect NewObjectEffect();

// Colour, picture and mode of a background, as the text payloads store them
// one after another.
template <class Archive> bool Backdrop(Archive& ar, TCustomParam& param) {
    return ar("BackColor", param.BackColor) && ar("BackGround", param.BackGround) &&
           ar("BackGroundMode", param.BackGroundMode);
}

// The text alignment, then the background.
template <class Archive> bool AlignedBackdrop(Archive& ar, TCustomParam& param) {
    return ar("Alignment", param.Alignment) && Backdrop(ar, param);
}

// A link's hot look, stored as one group.
template <class Archive> bool Fields(Archive& ar, THotLink& hot) {
    return Backdrop(ar, hot) && ar("Color", hot.Color) && ar("Fade", hot.Fade) &&
           ar("FadeDelay", hot.FadeDelay) && ar("Transparent", hot.Transparent) &&
           ar("UnderLine", hot.UnderLine) && ar("Address", hot.Address) &&
           ar("FontEffect", hot.FontEffect);
}

} // namespace brelvane
