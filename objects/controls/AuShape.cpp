#include "objects/controls/AuShape.h"

#include "objects/controls/ShapePainting.h"
#include "objects/records/ShapePayload.h"

#include <QPainter>

namespace brelvane {

TAuShape::TAuShape(TAutoObject& object, QWidget* parent) : TObjectWidget(object, parent) {}

void TAuShape::paintEvent(QPaintEvent*) {
    const auto* payload = PayloadAs<TShapePayload>();
    if (!payload) return;
    QPainter painter(this);
    PaintShape(painter, *payload, size());
}

} // namespace brelvane
