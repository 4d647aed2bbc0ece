#pragma once

#include "storage/ByteStream.h"
#include "storage/Fields.h"
#include "storage/PictureBlock.h"

#include <cstdint>

namespace brelvane {

enum : int { kWriteEffectError = 1057, kReadEffectError = 1058 };

// Colour values are Windows colour values: red in the low byte.
constexpr std::int32_t RGB(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return static_cast<std::int32_t>(r | (g << 8) | (b << 16));
}
inline constexpr std::int32_t clWhite = RGB(255, 255, 255);
inline constexpr std::int32_t clBlack = RGB(0, 0, 0);

enum TGradualStyle : std::uint8_t {
    gsLeftToRight,
    gsRightToLeft,
    gsTopToBottom,
    gsBottomToTop,
    gsCenterToLR,
    gsCenterToTB,
};

enum TTextureMode : std::uint8_t { tmTiled, tmStretched, tmCenter, tmNormal };

struct TAAShadow {
    bool Enabled = false;
    std::uint8_t Blur = 80;
    std::uint8_t Alpha = 70;
    std::int32_t Color = RGB(0x44, 0x44, 0x44);
    std::int8_t OffsetX = 2;
    std::int8_t OffsetY = 2;
    bool operator==(const TAAShadow&) const = default;
};

struct TAAGradual {
    bool Enabled = false;
    std::uint8_t Style = gsLeftToRight;
    std::int32_t StartColor = clWhite;
    std::int32_t EndColor = clBlack;
    bool operator==(const TAAGradual&) const = default;
};

struct TAATexture {
    bool Enabled = false;
    std::uint8_t Mode = tmTiled;
    TPicture Picture;
    bool operator==(const TAATexture&) const = default;
};

// The effect settings of anti-aliased text.
struct TAAEffect {
    static constexpr TRecordCodes Codes{kWriteEffectError, kReadEffectError};
    std::uint8_t Alpha = 100;
    std::uint8_t Blur = 0;
    std::uint8_t Noise = 0;
    std::uint8_t Spray = 0;
    std::int16_t Angle = 0;
    bool Outline = false;
    bool HorzMirror = false;
    bool VertMirror = false;
    TAAShadow Shadow;
    TAAGradual Gradual;
    TAATexture Texture;
    bool operator==(const TAAEffect&) const = default;
};

// The small values are held narrow and stored as int32.
template <class Archive> bool Fields(Archive& ar, TAAGradual& gradual) {
    return ar("Enabled", gradual.Enabled) && ar("EndColor", gradual.EndColor) &&
           ar("StartColor", gradual.StartColor) && ar("Style", gradual.Style);
}

template <class Archive> bool Fields(Archive& ar, TAAShadow& shadow) {
    return ar("Alpha", Widened(shadow.Alpha)) && ar("Blur", Widened(shadow.Blur)) &&
           ar("Color", shadow.Color) && ar("Enabled", shadow.Enabled) &&
           ar("OffsetX", Widened(shadow.OffsetX)) && ar("OffsetY", Widened(shadow.OffsetY));
}

template <class Archive> bool Fields(Archive& ar, TAATexture& texture) {
    return ar("Enabled", texture.Enabled) && ar("Mode", texture.Mode) &&
           ar("Picture", texture.Picture);
}

template <class Archive> bool Fields(Archive& ar, TAAEffect& effect) {
    return ar("Alpha", Widened(effect.Alpha)) && ar("Angle", Widened(effect.Angle)) &&
           ar("Blur", Widened(effect.Blur)) && ar("HorzMirror", effect.HorzMirror) &&
           ar("Noise", Widened(effect.Noise)) && ar("Outline", effect.Outline) &&
           ar("Spray", Widened(effect.Spray)) && ar("VertMirror", effect.VertMirror) &&
           ar("Gradual", effect.Gradual) && ar("Shadow", effect.Shadow) &&
           ar("Texture", effect.Texture);
}

inline constexpr auto WriteEffect = &WriteRecord<TAAEffect>;
inline constexpr auto ReadEffect = &ReadRecord<TAAEffect>;

} // namespace brelvane
