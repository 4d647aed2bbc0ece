#pragma once

#include <QImage>
#include <QRect>
#include <span>

namespace brelvane {

// Draws one frame of a transition: `frame` holds the old image and receives the part of
// `picture` that `progress` (1..99) reveals; `rect` is (0, 0, W, H) of both bitmaps and
// `step` (1..100) the percent the transition advances per frame. Both bitmaps are 32 bits
// per pixel; neither changes size.
using EffectProc = void (*)(QImage& frame, const QImage& picture, const QRect& rect, int step,
                            int progress);

struct TEffect {
    const char* Name;
    EffectProc Proc;
};

constexpr int TransitionStyleCount = 150;

// Row n - 1 holds style n.
std::span<const TEffect, TransitionStyleCount> TransitionStyles();

} // namespace brelvane
