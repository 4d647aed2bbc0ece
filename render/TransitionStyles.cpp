#include "render/TransitionStyles.h"

#include "render/TransitionBars.h"
#include "render/TransitionBlinds.h"
#include "render/TransitionCopies.h"
#include "render/TransitionGrids.h"
#include "render/TransitionPixels.h"
#include "render/TransitionShapes.h"
#include "render/TransitionShreds.h"
#include "render/TransitionSpeckles.h"

#include <array>

namespace brelvane {
namespace {

template <void (*Draw)(TransitionFrame&)>
void Effect(QImage& frame, const QImage& picture, const QRect& rect, int step, int progress) {
    TransitionFrame f(frame, picture, rect, step, progress);
    if (f.Drawable()) Draw(f);
}

template <AxisCopy Along> constexpr EffectProc Across = &Effect<CopyStyle<Along, Whole>>;

template <AxisCopy Along> constexpr EffectProc Down = &Effect<CopyStyle<Whole, Along>>;

template <AxisCopy Horizontal, AxisCopy Vertical>
constexpr EffectProc Both = &Effect<CopyStyle<Horizontal, Vertical>>;

template <Reach R, int Kh, int Kv, bool Snap>
constexpr EffectProc Bars = &Effect<BarStyle<BarPlan{R, Kh, Kv, Snap}>>;

template <int Kh, int Kv> constexpr EffectProc Shreds = &Effect<ShredStyle<ShredPlan{Kh, Kv}>>;

template <BlindPlan... Plans> constexpr EffectProc Blinds = &Effect<BlindStyle<Plans...>>;

constexpr BlindPlan kEvenColumns{Axis::Horizontal, Period::StepSpan, false, false};
constexpr BlindPlan kEvenRows{Axis::Vertical, Period::StepSpan, false, false};
constexpr BlindPlan kColumnsFromLeft{Axis::Horizontal, Period::Reach, false, false};
constexpr BlindPlan kColumnsFromRight{Axis::Horizontal, Period::Reach, true, false};
constexpr BlindPlan kRowsFromTop{Axis::Vertical, Period::Reach, false, false};
constexpr BlindPlan kRowsFromBottom{Axis::Vertical, Period::Reach, true, false};
constexpr BlindPlan kCentredRows{Axis::Vertical, Period::StepSpan, false, true};
constexpr BlindPlan kCentredColumns{Axis::Horizontal, Period::StepSpan, false, true};

constexpr Reach kOnce = Reach::Once;
constexpr Reach kTwice = Reach::Twice;

// clang-format off
constexpr std::array<TEffect, TransitionStyleCount> kStyles{{
    {"Expand from right", Across<ExpandFromFar>},
    {"Expand from left", Across<ExpandFromNear>},
    {"Slide in from right", Across<SlideInFromFar>},
    {"Slide in from left", Across<SlideInFromNear>},
    {"Reveal from left", Across<RevealFromNear>},
    {"Reveal from right", Across<RevealFromFar>},
    {"Expand in from right", Across<ExpandInFromFar>},
    {"Expand in from left", Across<ExpandInFromNear>},
    {"Expand in to middle", Across<ExpandInToMiddle>},
    {"Expand out from middle", Across<ExpandOutFromMiddle>},
    {"Reveal out from middle", Across<RevealOutFromMiddle>},
    {"Reveal in from sides", Across<RevealInFromSides>},
    {"Expand in from sides", Across<ExpandInFromSides>},
    {"Unroll from left", Across<UnrollFromNear>},
    {"Unroll from right", Across<UnrollFromFar>},
    {"Build up from right", Across<BuildUpFromFar>},
    {"Build up from left", Across<BuildUpFromNear>},
    {"Expand from bottom", Down<ExpandFromFar>},
    {"Expand from top", Down<ExpandFromNear>},
    {"Slide in from bottom", Down<SlideInFromFar>},
    {"Slide in from top", Down<SlideInFromNear>},
    {"Reveal from top", Down<RevealFromNear>},
    {"Reveal from bottom", Down<RevealFromFar>},
    {"Expand in from bottom", Down<ExpandInFromFar>},
    {"Expand in from top", Down<ExpandInFromNear>},
    {"Expand in to middle (horiz)", Down<ExpandInToMiddle>},
    {"Expand out from middle (horiz)", Down<ExpandOutFromMiddle>},
    {"Reveal from middle (horiz)", Down<RevealOutFromMiddle>},
    {"Slide in from top / bottom", Down<RevealInFromSides>},
    {"Expand in from top / bottom", Down<ExpandInFromSides>},
    {"Unroll from top", Down<UnrollFromNear>},
    {"Unroll from bottom", Down<UnrollFromFar>},
    {"Expand from bottom", Down<BuildUpFromFar>},
    {"Expand in from top", Down<BuildUpFromNear>},
    {"Expand from bottom right", Both<ExpandFromFar, ExpandFromFar>},
    {"Expand from top right", Both<ExpandFromFar, ExpandFromNear>},
    {"Expand from top left", Both<ExpandFromNear, ExpandFromNear>},
    {"Expand from bottom left", Both<ExpandFromNear, ExpandFromFar>},
    {"Slide in from bottom right", Both<SlideInFromFar, SlideInFromFar>},
    {"Slide in from top right", Both<SlideInFromFar, SlideInFromNear>},
    {"Slide in from top left", Both<SlideInFromNear, SlideInFromNear>},
    {"Slide in from bottom left", Both<SlideInFromNear, SlideInFromFar>},
    {"Reveal from top left", Both<RevealFromNear, RevealFromNear>},
    {"Reveal from bottom left", Both<RevealFromNear, RevealFromFar>},
    {"Reveal from bottom right", Both<RevealFromFar, RevealFromFar>},
    {"Reveal from top right", Both<RevealFromFar, RevealFromNear>},
    {"Appear and Contract to top left", Both<ExpandInFromFar, ExpandInFromFar>},
    {"Appear and Contract to bottom left", Both<ExpandInFromFar, ExpandInFromNear>},
    {"Appear and Contract to bottom right", Both<ExpandInFromNear, ExpandInFromNear>},
    {"Appear and Contract to top right", Both<ExpandInFromNear, ExpandInFromFar>},
    {"Appear and Contract to middle", Both<ExpandInToMiddle, ExpandInToMiddle>},
    {"Expand out from centre", Both<ExpandOutFromMiddle, ExpandOutFromMiddle>},
    {"Reveal out from centre", Both<RevealOutFromMiddle, RevealOutFromMiddle>},
    {"Reveal in to centre", &Effect<RevealInToCentre>},
    {"Quarters Reveal in to middle", Both<RevealInFromSides, RevealInFromSides>},
    {"Quarters Expand to middle", Both<ExpandInFromSides, ExpandInFromSides>},
    {"Quarters Slide in to middle", &Effect<QuartersSlideInToMiddle>},
    {"Curved Reveal from left", &Effect<CurvedRevealFromLeft>},
    {"Curved Reveal from right", &Effect<CurvedRevealFromRight>},
    {"Bars in from right", Bars<kTwice, 1, 0, true>},
    {"Bars in from left", Bars<kTwice, 2, 0, true>},
    {"Bars left then right", Bars<kTwice, 4, 0, true>},
    {"Bars right then left", Bars<kTwice, 5, 0, true>},
    {"Bars from both sides", Bars<kOnce, 3, 0, false>},
    {"Uneven shred from right", Shreds<1, 0>},
    {"Uneven shred from left", Shreds<2, 0>},
    {"Uneven shred out from middle (horiz)", Shreds<3, 0>},
    {"Uneven shred in to middle (horiz)", Shreds<4, 0>},
    {"Curved Reveal from top", &Effect<CurvedRevealFromTop>},
    {"Curved Reveal from bottom", &Effect<CurvedRevealFromBottom>},
    {"Bars from bottom", Bars<kTwice, 0, 1, true>},
    {"Bars from top", Bars<kTwice, 0, 2, true>},
    {"Bars top then bottom", Bars<kTwice, 0, 4, true>},
    {"Bars bottom then top", Bars<kTwice, 0, 5, true>},
    {"Bars from top and bottom", Bars<kOnce, 0, 3, false>},
    {"Unven shred from bottom", Shreds<0, 1>},
    {"Uneven shred from top", Shreds<0, 2>},
    {"Uneven shred from horizon", Shreds<0, 3>},
    {"Uneven shred in to horizon", Shreds<0, 4>},
    {"Curved reveal from top left", &Effect<CurvedRevealFromTopLeft>},
    {"Curved reveal from top right", &Effect<CurvedRevealFromTopRight>},
    {"Curved reveal from bottom left", &Effect<CurvedRevealFromBottomLeft>},
    {"Curved reveal from bottom right", &Effect<CurvedRevealFromBottomRight>},
    {"Circular reveal from centre", &Effect<CircularRevealFromCentre>},
    {"Circular reveal to centre", &Effect<CircularRevealToCentre>},
    {"Criss Cross reveal from bottom right", Bars<kTwice, 1, 1, true>},
    {"Criss Cross reveal from top right", Bars<kTwice, 1, 2, true>},
    {"Criss Cross reveal from bottom left", Bars<kTwice, 2, 1, true>},
    {"Criss Cross reveal from top left", Bars<kTwice, 2, 2, true>},
    {"Criss Cross reveal bounce from top left", Bars<kTwice, 4, 4, true>},
    {"Criss Cross reveal bounce from bottom left", Bars<kTwice, 4, 5, true>},
    {"Criss Cross reveal bounce from top right", Bars<kTwice, 5, 4, true>},
    {"Criss Cross reveal bounce from bottom right", Bars<kTwice, 5, 5, true>},
    {"Criss Cross reveal from right top and bottom", Bars<kOnce, 1, 3, true>},
    {"Criss Cross reveal from left top and bottom", Bars<kOnce, 2, 3, true>},
    {"Criss Cross reveal from left right and bottom", Bars<kOnce, 3, 1, true>},
    {"Criss Cross reveal from left right and top", Bars<kOnce, 3, 2, true>},
    {"Criss Cross reveal from top left right and bottom", Bars<kOnce, 3, 3, false>},
    {"Criss Cross reveal from bottom left top right", &Effect<CrissCrossFromBottomLeftTopRight>},
    {"Uneven shred from bottom and right", Shreds<1, 1>},
    {"Uneven shred from top and right", Shreds<1, 2>},
    {"Uneven shred from bottom and left", Shreds<2, 1>},
    {"Uneven shred from top and left", Shreds<2, 2>},
    {"Uneven shred from horiz and right", Shreds<1, 3>},
    {"Uneven shred from horiz and left", Shreds<2, 3>},
    {"Uneven shred from bottom and vert middle", Shreds<3, 1>},
    {"Uneven shred from top and vert middle", Shreds<3, 2>},
    {"Uneven shred from centre", Shreds<3, 3>},
    {"Uneven shred to centre", Shreds<4, 4>},
    {"Reveal diagonal from top left", &Effect<DiagonalFromTopLeft>},
    {"Reveal diagonal from top right", &Effect<DiagonalFromTopRight>},
    {"Reveal diagonal from bottom left", &Effect<DiagonalFromBottomLeft>},
    {"Reveal diagonal from bottom right", &Effect<DiagonalFromBottomRight>},
    {"Diagonal sweep from top left bottom right anticlockwise", &Effect<DiagonalSweepAnticlockwise>},
    {"Diagonal sweep from top left bottom right clockwise", &Effect<DiagonalSweepClockwise>},
    {"Starburst clockwise from center", &Effect<StarburstClockwise>},
    {"Triangular shred to top left", &Effect<TriangularShred>},
    {"Fade", &Effect<Fade>},
    {"Pivot from top left", &Effect<PivotStyle<Corner::TopLeft>>},
    {"Pivot from bottom left", &Effect<PivotStyle<Corner::BottomLeft>>},
    {"Pivot from top right", &Effect<PivotStyle<Corner::TopRight>>},
    {"Pivot from bottom right", &Effect<PivotStyle<Corner::BottomRight>>},
    {"Speckle appear from right", &Effect<SpeckleStyle<Axis::Horizontal, true>>},
    {"Speckle appear from left", &Effect<SpeckleStyle<Axis::Horizontal, false>>},
    {"Speckle appear from bottom", &Effect<SpeckleStyle<Axis::Vertical, true>>},
    {"Speckle appear from top", &Effect<SpeckleStyle<Axis::Vertical, false>>},
    {"Random squares appear", &Effect<RandomSquares>},
    {"Push right", Across<PushToFar>},
    {"Push left", Across<PushToNear>},
    {"Push and squeeze right", Across<PushAndSqueezeToFar>},
    {"Push and squeeze left", Across<PushAndSqueezeToNear>},
    {"Push down", Down<PushToFar>},
    {"Push up", Down<PushToNear>},
    {"Push and sqeeze down", Down<PushAndSqueezeToFar>},
    {"Push and sqeeze up", Down<PushAndSqueezeToNear>},
    {"Blind vertically", Blinds<kEvenColumns>},
    {"Blind horizontally", Blinds<kEvenRows>},
    {"Uneven blind from left", Blinds<kColumnsFromLeft>},
    {"Uneven blind from right", Blinds<kColumnsFromRight>},
    {"Uneven blind from top", Blinds<kRowsFromTop>},
    {"Uneven blind from bottom", Blinds<kRowsFromBottom>},
    {"Rectangular shred", &Effect<RectangularShred>},
    {"Sweep clockwise", &Effect<SweepClockwise>},
    {"Sweep anticlockwise", &Effect<SweepAnticlockwise>},
    {"Rectangles apear from left and disapear to right", Blinds<kCentredRows, kColumnsFromLeft>},
    {"Rectangles apear from right and disapear to left", Blinds<kCentredRows, kColumnsFromRight>},
    {"Rectangles apear from up and disapear to bottom", Blinds<kCentredColumns, kRowsFromTop>},
    {"Rectangles apear from bottom and disapear to up", Blinds<kCentredColumns, kRowsFromBottom>},
    {"Rotational rectangle", &Effect<RotationalRectangle>},
    {"Rotational star", &Effect<RotationalStar>},
}};
// clang-format on

} // namespace

std::span<const TEffect, TransitionStyleCount> TransitionStyles() {
    return kStyles;
}

} // namespace brelvane
