#include "designer/SurfaceMarks.h"

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

bool Visible(const TAutoObject& object) {
    const auto* widget = dynamic_cast<const QWidget*>(object.Control.get());
    return widget && !widget->isHidden();
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

std::optional<QRect> ControlBounds(const TAutoObject& object) {
    const auto* widget = dynamic_cast<const QWidget*>(object.Control.get());
    if (!widget) return std::nullopt;
    return widget->geometry();
}

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

std::array<QRect, 8> GripRects(const QRect& bounds) {
    const int l = bounds.x(), t = bounds.y(), w = bounds.width(), h = bounds.height();
    const int r = l + w, b = t + h;
    const QPoint points[8] = {{l, t}, {l + w / 2, t}, {r, t}, {r, t + h / 2},
                              {r, b}, {l + w / 2, b}, {l, b}, {l, t + h / 2}};
    std::array<QRect, 8> grips;
    for (int i = 0; i < 8; ++i)
        grips[static_cast<std::size_t>(i)] = QRect(points[i] - QPoint(3, 3), QSize(6, 6));
    return grips;
}

void DrawSurfaceMarks(QImage& image, const TAutoObjects& objects) {
    QPainter painter(&image);
    for (const auto& object : objects) {
        const auto bounds = ControlBounds(*object);
        if (!bounds) continue;
        const bool visible = Visible(*object);
        if (const auto placeholder = PlaceholderOf(*object); placeholder && visible) {
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            painter.setPen(placeholder->Color);
            painter.drawText(bounds->topLeft() + QPoint(5, 5 + painter.fontMetrics().ascent()),
                             placeholder->Text);
        }
        if (visible && NeedsDashedFrame(*object)) {
            UseMarkPen(painter);
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(bounds->adjusted(-1, -1, 0, 0));
        }
        if (object->Selected) {
            UseMarkPen(painter);
            painter.setBrush(QColor(128, 128, 128));
            for (const auto& grip : GripRects(*bounds))
                painter.drawRect(grip.adjusted(0, 0, -1, -1));
        }
    }
}

} // namespace brelvane
