#include "objects/records/TextPayload.h"

#include <algorithm>
#include <limits>

namespace brelvane {

namespace {
constexpr std::int32_t kShortestFade = 50;
// The least time a line stays fully shown after its fade.
constexpr std::int32_t kLineAfterFade = 200;
constexpr std::int32_t kMostSpace = 150;
} // namespace

TScrollTextParam::TScrollTextParam() {
    Alignment = taCenter;
    BackGroundMode = bmTiled;
    BackColor = clWhite;
}

TFadeTextParam::TFadeTextParam() {
    Alignment = taCenter;
    Layout = tlCenter;
    BackColor = clWhite;
}

// Wide enough that no stored value overflows the limits' arithmetic.
void SetFadeDelay(TFadeTextParam& param, std::int32_t value) {
    const std::int64_t longest = std::int64_t{param.LineDelay} - kLineAfterFade;
    param.FadeDelay = static_cast<std::int32_t>(
        std::max<std::int64_t>(kShortestFade, std::min<std::int64_t>(value, longest)));
}

void SetLineDelay(TFadeTextParam& param, std::int32_t value) {
    const std::int64_t shortest = std::int64_t{param.FadeDelay} + kLineAfterFade;
    param.LineDelay = static_cast<std::int32_t>(std::min<std::int64_t>(
        std::max<std::int64_t>(value, shortest), std::numeric_limits<std::int32_t>::max()));
}

void SetDelaysInStoredOrder(TFadeTextParam& param, std::int32_t fadeDelay, std::int32_t lineDelay) {
    if (lineDelay > param.LineDelay) SetLineDelay(param, lineDelay);
    SetFadeDelay(param, fadeDelay);
    SetLineDelay(param, lineDelay);
}

std::int32_t ClampSpace(std::int32_t value) {
    return std::clamp(value, 0, kMostSpace);
}

TTextPayload::TTextPayload() {
    Text.Lines = "New Text\r\n";
    Text.FontEffect = NewObjectEffect();
    Text.Transparent = true;
}

TScrollTextPayload::TScrollTextPayload() {
    Text.Lines = "New Scroll Text\r\n";
    Text.FontEffect = NewObjectEffect();
}

TFadeLabelPayload::TFadeLabelPayload() = default;

void TTextPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TScrollTextPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

void TFadeLabelPayload::VisitFields(TFieldVisitor& visitor) const {
    VisitRecord(visitor, *this);
}

} // namespace brelvane
