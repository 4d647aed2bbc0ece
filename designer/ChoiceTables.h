#pragma once

#include <cstdint>

namespace brelvane {

// One value of a choice row: the text shown and the value stored. The lists
// are in the order the rows offer them, which is not always the stored order.
struct TChoice {
    const char* Text;
    std::int32_t Value;
};

inline constexpr TChoice kBoolChoices[] = {{"False", 0}, {"True", 1}};

// Page background.
inline constexpr TChoice kPageImageStyles[] = {
    {"Normal", 0}, {"Center", 1}, {"Stretch", 2}, {"Tile", 3}};
inline constexpr TChoice kPageGradientStyles[] = {
    {"None", 0},           {"TopBottom", 1},       {"BottomTop", 2},       {"LeftRight", 3},
    {"RightLeft", 4},      {"MiddleTopBottom", 5}, {"TopBottomMiddle", 7}, {"MiddleLeftRight", 6},
    {"LeftRightMiddle", 8}};

// Text objects.
inline constexpr TChoice kTextAlignments[] = {{"Left", 0}, {"Right", 1}, {"Center", 2}};
inline constexpr TChoice kTextLayouts[] = {{"Top", 0}, {"Bottom", 2}, {"Center", 1}};
inline constexpr TChoice kBackImageStyles[] = {
    {"Tile", 0}, {"Stretch", 1}, {"Center", 2}, {"Normal", 3}};
// The text effect's gradient: "None" is the gradient switched off.
inline constexpr TChoice kEffectGradientStyles[] = {
    {"None", -1},       {"LeftToRight", 0},       {"RightToLeft", 1},      {"TopToBottom", 2},
    {"BottomToTop", 3}, {"CenterToLeftRight", 4}, {"CenterToTopBottom", 5}};
inline constexpr TChoice kTextureStyles[] = {
    {"Tile", 0}, {"Stretch", 1}, {"Center", 2}, {"Normal", 3}};

// Buttons and images.
inline constexpr TChoice kButtonTypes[] = {{"Normal", 0}, {"OK", 1}, {"Cancel", 2}, {"Submit", 3}};
inline constexpr TChoice kImageButtonStyles[] = {{"Normal", 0}, {"Flat", 1}, {"BorderNone", 2}};
inline constexpr TChoice kImageLayouts[] = {{"Left", 0},   {"Top", 1},    {"Right", 2},
                                            {"Bottom", 3}, {"Center", 4}, {"Stretch", 5}};
// An image's stretch, centre and auto-size switches as one value.
enum TImageStyle : std::int32_t { isNormalStyle, isCenter, isStretch, isAutoSize };
inline constexpr TChoice kImageStyles[] = {{"Normal", isNormalStyle},
                                           {"Center", isCenter},
                                           {"Stretch", isStretch},
                                           {"AutoSize", isAutoSize}};

// Shapes.
inline constexpr TChoice kShapes[] = {{"3DBorderLowered", 28},
                                      {"3DBorderRaised", 29},
                                      {"3DBoxLowered", 30},
                                      {"3DBoxRaised", 31},
                                      {"3DRoundBoxLowered", 32},
                                      {"3DRoundBoxRaised", 33},
                                      {"3DFrameLowered", 26},
                                      {"3DFrameRaised", 27},
                                      {"HorizontalLine", 34},
                                      {"VerticalLine", 35},
                                      {"LeftTopRightBottomLine", 36},
                                      {"RightTopLeftBottomLine", 37},
                                      {"Rectangle", 0},
                                      {"RoundRect", 1},
                                      {"Ellipse", 2},
                                      {"Diamond", 3},
                                      {"Triangle1", 4},
                                      {"Triangle2", 5},
                                      {"Triangle3", 6},
                                      {"Triangle4", 7},
                                      {"Triangle5", 8},
                                      {"Triangle6", 9},
                                      {"Triangle7", 10},
                                      {"Triangle8", 11},
                                      {"Polygon1", 12},
                                      {"Polygon2", 13},
                                      {"Polygon3", 14},
                                      {"Polygon4", 15},
                                      {"Polygon5", 16},
                                      {"Polygon6", 17},
                                      {"Polygon7", 18},
                                      {"Polygon8", 19},
                                      {"Polygon9", 20},
                                      {"Polygon10", 21},
                                      {"Polygon11", 22},
                                      {"Polygon12", 23},
                                      {"Polygon13", 24},
                                      {"Polygon14", 25}};
inline constexpr TChoice kFillStyles[] = {{"Solid", 0},
                                          {"Clear", 1001},
                                          {"Horizontal", 1002},
                                          {"Vertical", 1003},
                                          {"FDiagonal", 1004},
                                          {"BDiagonal", 1005},
                                          {"Cross", 1006},
                                          {"DiagCross", 1007},
                                          {"GradientTopBottom", 1},
                                          {"GradientBottomTop", 2},
                                          {"GradientLeftRight", 3},
                                          {"GradientRightLeft", 4},
                                          {"GradientMiddleTopBottom", 5},
                                          {"GradientTopBottomMiddle", 6},
                                          {"GradientMiddleLeftRight", 7},
                                          {"GradientLeftRightMiddle", 8}};

// Form objects.
inline constexpr TChoice kCharCases[] = {{"Normal", 0}, {"UpperCase", 1}, {"LowerCase", 2}};
inline constexpr TChoice kOptionAlignments[] = {{"Left", 0}, {"Right", 1}};

// Document, media and list objects.
inline constexpr TChoice kScrollBars[] = {
    {"None", 0}, {"Horizontal", 1}, {"Vertical", 2}, {"Both", 3}};
// The web view's type, listed in another order than it is stored.
inline constexpr TChoice kExplorerTypes[] = {{"File", 2}, {"WebSite", 1}, {"Folder", 0}};
inline constexpr TChoice kSlideImageStyles[] = {
    {"Normal", 0}, {"Center", 1}, {"Stretch", 2}, {"ShrinkFit", 3}, {"EnlargeFit", 4}};
inline constexpr TChoice kViewStyles[] = {
    {"Icon", 0}, {"SmallIcon", 1}, {"List", 2}, {"Report", 3}};

// The action names in the order the action rows list them, with their types.
inline constexpr TChoice kActionNames[] = {{"None", 0},
                                           {"Open/Run File", 1},
                                           {"Visit Website", 2},
                                           {"Send Email", 3},
                                           {"Print Document", 5},
                                           {"Copy File(s) then Open/Run", 17},
                                           {"Show Picture", 13},
                                           {"Launch Media File", 14},
                                           {"Launch Slide Show", 15},
                                           {"Play Sound", 4},
                                           {"Stop Sound", 10},
                                           {"Stop All Sound", 11},
                                           {"Goto Page", 12},
                                           {"Show Sub Page", 6},
                                           {"Show/Hide Enable/Disable Objects", 27},
                                           {"Load File with Object", 26},
                                           {"Play", 19},
                                           {"Stop", 20},
                                           {"Pause", 21},
                                           {"Previous", 22},
                                           {"Next", 23},
                                           {"First/Back", 24},
                                           {"Last/Step", 25},
                                           {"Show Message", 16},
                                           {"Minimize", 18},
                                           {"Browse CD/Folder", 7},
                                           {"Close Window", 8},
                                           {"Exit", 9},
                                           {"Action Group", 28}};

} // namespace brelvane
