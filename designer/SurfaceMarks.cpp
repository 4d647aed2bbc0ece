#include "designer/SurfaceMarks.h"

#include "designer/SurfaceObjects.h"
#include "designer/XorDrawing.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"

#include <QPainter>
#include <QStaticText>
#include <map>

namespace brelvane {

namespace {
const QColor kMissing(255, 0, 0);
const QColor kPresent(128, 128, 128);

template <class Payload> const Payload* PayloadAs(const TAutoObject& object) {
    return dynamic_cast<const Payload*>(object.Payload.get());
}

// Grips, frames and the band are drawn by inverting pixels, as the marks of
// the platform's designers are.
constexpr QRgb kMarkColor = 0x808080;
constexpr QRgb kBandColor = 0xffffff;
} // namespace

std::optional<TPlaceholder> PlaceholderOf(const TAutoObject& object) {
    switch (object.Kind) {
    case okImage:
        if (const auto* image = PayloadAs<TImagePayload>(object);
            image && image->ImageNormal.Empty())
            return TPlaceholder{"[Image]", kMissing};
        return std::nullopt;
    case okShellComboBox:
        return TPlaceholder{"[ShellComboBox]", kPresent};
    default:
        return std::nullopt;
    }
}

bool NeedsDashedFrame(const TAutoObject& object) {
    switch (object.Kind) {
    case okImage:
    case okLabel:
    case okLink:
    case okText:
    case okScrollText:
    case okAVI:
    case okRadioButton:
    case okCheckBox:
    case okSimpleText:
    case okShape:
    case okFlash:
    case okShellComboBox:
        return true;
    case okImageButton: {
        const auto* button = PayloadAs<TImageButtonPayload>(object);
        return button && button->ButtonStyle != ibsNormal;
    }
    case okEdit: {
        const auto* edit = PayloadAs<TEditPayload>(object);
        return edit && edit->BorderStyle == ebNone;
    }
    default:
        return false;
    }
}

void DrawSurfaceMarks(QImage& image, const TAutoObjects& objects) {
    // Laid out once: a page full of empty objects repaints at every drag step.
    static std::map<QString, QStaticText> texts;
    std::optional<QPainter> painter;
    for (const auto& object : objects) {
        const auto placeholder = PlaceholderOf(*object);
        if (!placeholder || !IsShown(*object)) continue;
        if (!painter) painter.emplace(&image);
        auto& text = texts.try_emplace(placeholder->Text, placeholder->Text).first->second;
        const TBounds bounds = BoundsOf(*object);
        painter->setPen(placeholder->Color);
        painter->drawStaticText(QPoint(bounds.Left + 5, bounds.Top + 5), text);
    }
    painter.reset();
    TXorCanvas canvas(image);
    for (const auto& object : objects) {
        if (!object->Control) continue;
        const TBounds bounds = BoundsOf(*object);
        // One pixel outside the control on every side.
        if (IsShown(*object) && NeedsDashedFrame(*object))
            canvas.DottedOutline(bounds.Rect().adjusted(-1, -1, 1, 1), kMarkColor);
        if (!object->Selected) continue;
        for (int grip = 1; grip <= 8; ++grip) {
            const QRect square = GripRect(bounds, grip);
            canvas.Fill(square.adjusted(1, 1, -1, -1), kMarkColor);
            canvas.DottedOutline(square, kMarkColor);
        }
    }
}

void DrawFocusRect(QImage& image, const QRect& band) {
    if (band.isNull()) return;
    TXorCanvas(image).DottedOutline(band, kBandColor);
}

} // namespace brelvane
