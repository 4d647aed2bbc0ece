#include "designer/SurfaceMarks.h"

#include "designer/SurfaceObjects.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"

#include <QPainter>
#include <QWidget>

namespace brelvane {

namespace {
const QColor kMissing(255, 0, 0);
const QColor kPresent(128, 128, 128);

template <class Payload> const Payload* PayloadAs(const TAutoObject& object) {
    return dynamic_cast<const Payload*>(object.Payload.get());
}

// A grey dotted pen that inverts what lies under it, as frames drawn by XOR do.
void UseMarkPen(QPainter& painter) {
    QPen pen(QColor(128, 128, 128));
    pen.setStyle(Qt::DotLine);
    pen.setWidth(1);
    painter.setPen(pen);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
}
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
    QPainter painter(&image);
    for (const auto& object : objects) {
        if (!object->Control) continue;
        const TBounds bounds = BoundsOf(*object);
        const bool visible = IsShown(*object);
        if (const auto placeholder = PlaceholderOf(*object); placeholder && visible) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.setPen(placeholder->Color);
            painter.drawText(
                QPoint(bounds.Left + 5, bounds.Top + 5 + painter.fontMetrics().ascent()),
                placeholder->Text);
        }
        if (visible && NeedsDashedFrame(*object)) {
            UseMarkPen(painter);
            painter.setBrush(Qt::NoBrush);
            // One pixel outside the control on every side.
            painter.drawRect(bounds.Rect().adjusted(-1, -1, 0, 0));
        }
        if (object->Selected) {
            UseMarkPen(painter);
            painter.setBrush(Qt::NoBrush);
            // Inverted pixels must be inverted once: the fill stays inside the outline.
            for (int grip = 1; grip <= 8; ++grip) {
                const QRect square = GripRect(bounds, grip);
                painter.fillRect(square.adjusted(1, 1, -1, -1), QColor(128, 128, 128));
                painter.drawRect(square.adjusted(0, 0, -1, -1));
            }
        }
    }
}

void DrawFocusRect(QImage& image, const QRect& band) {
    if (band.isNull()) return;
    QPainter painter(&image);
    // Every other pixel, as focus rectangles are drawn.
    QPen pen(Qt::white);
    pen.setDashPattern({1, 1});
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    // The outline covers exactly the band's own pixels.
    painter.drawRect(band.adjusted(0, 0, -1, -1));
}

} // namespace brelvane
