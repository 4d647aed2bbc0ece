#include "render/AAFontEx.h"

#include "render/AAForeground.h"
#include "render/AAMaskEffects.h"
#include "render/SystemColors.h"

#include <algorithm>
#include <cstdlib>

namespace brelvane {

void TAAFontEx::SetEffect(const TAAEffect& effect) {
    if (effect == effect_) return;
    effect_ = effect;
    if (OnEffectChange) OnEffectChange();
}

int TAAFontEx::TextWidth(const QString& text) {
    if (Canvas() == nullptr) return 0;
    const int shadow = effect_.Shadow.Enabled ? std::abs(effect_.Shadow.OffsetX) : 0;
    return Layout(text, effect_.Angle).Width + shadow;
}

int TAAFontEx::TextHeight(const QString& text) {
    if (Canvas() == nullptr) return 0;
    const int shadow = effect_.Shadow.Enabled ? std::abs(effect_.Shadow.OffsetY) : 0;
    return Layout(text, effect_.Angle).Height + shadow;
}

void TAAFontEx::TextOut(int x, int y, const QString& text) {
    const TAATextLayout layout = Layout(text, effect_.Angle);
    if (layout.Width == 0 || layout.Height == 0) return;
    const TAAShadow& shadow = effect_.Shadow;
    const int textX = shadow.Enabled ? x + std::max(0, -shadow.OffsetX) : x;
    const int textY = shadow.Enabled ? y + std::max(0, -shadow.OffsetY) : y;

    mask_.Build(layout, text);
    if (effect_.Outline) OutlineMask(mask_);
    if (effect_.Spray != 0) SprayMask(mask_, effect_.Spray, random_);
    if (effect_.HorzMirror) MirrorMaskHorz(mask_);
    if (effect_.VertMirror) MirrorMaskVert(mask_);

    TAABlendTarget target = Target();
    if (shadow.Enabled) {
        shadow_ = mask_;
        if (shadow.Blur != 0) BlurMask(shadow_, shadow.Blur);
        blend_.Blend(target, x + std::max(0, static_cast<int>(shadow.OffsetX)),
                     y + std::max(0, static_cast<int>(shadow.OffsetY)), shadow_,
                     effect_.Alpha * shadow.Alpha / 100, ResolveColor(shadow.Color));
        // The text must not paint the background over the shadow.
        target.Brush = Qt::NoBrush;
    }
    if (effect_.Blur != 0) BlurMask(mask_, effect_.Blur);
    Fill(target, textX, textY);
}

void TAAFontEx::Fill(const TAABlendTarget& target, int x, int y) {
    const QColor fontColor = Canvas()->FontColor;
    QImage foreground = blend_.Foreground(mask_.Width(), mask_.Height());
    bool filled = effect_.Texture.Enabled && !effect_.Texture.Picture.Empty() &&
                  FillTexture(foreground, effect_.Texture, fontColor);
    if (!filled && effect_.Gradual.Enabled) {
        FillGradient(foreground, effect_.Gradual);
        filled = true;
    }
    if (!filled && effect_.Noise != 0) {
        foreground.fill(fontColor);
        filled = true;
    }
    if (!filled) return blend_.Blend(target, x, y, mask_, effect_.Alpha, fontColor);
    if (effect_.Noise != 0) AddNoise(foreground, effect_.Noise, random_);
    blend_.Blend(target, x, y, mask_, effect_.Alpha, foreground);
}

} // namespace brelvane
