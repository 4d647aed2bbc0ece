#pragma once

#include "render/AAFont.h"
#include "render/UniformRandom.h"
#include "storage/EffectBlock.h"

#include <functional>

namespace brelvane {

// Anti-aliased text with effects: transparency, blur, spray, noise, outline, mirrors,
// rotation, a soft shadow, and a gradient or texture fill.
class TAAFontEx : public TAAFont {
public:
    using TAAFont::TAAFont;

    const TAAEffect& Effect() const { return effect_; }
    // Takes the settings and calls OnEffectChange when they differ from the current ones.
    void SetEffect(const TAAEffect& effect);
    std::function<void()> OnEffectChange;

    // Spray and noise draw from this; seeding it repeats a drawing exactly.
    UniformRandom& Random() { return random_; }

    // The rotated box, plus the shadow's offsets when the shadow is on.
    int TextWidth(const QString& text) override;
    int TextHeight(const QString& text) override;
    void TextOut(int x, int y, const QString& text) override;

private:
    void Fill(const TAABlendTarget& target, int x, int y);

    TAAEffect effect_;
    TAAMask shadow_;
    UniformRandom random_;
};

} // namespace brelvane
