#include "designer/SurfaceImage.h"

#include "designer/SurfaceMarks.h"
#include "designer/TemplatePane.h"

#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

namespace brelvane {

TSurfaceImage::TSurfaceImage(QWidget* parent) : QWidget(parent) {
    setObjectName("Image1");
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Right presses select before the pop-up menu opens at the release.
    setContextMenuPolicy(Qt::PreventContextMenu);
    setAcceptDrops(true);
}

void TSurfaceImage::SetPicture(QImage picture) {
    picture_ = std::move(picture);
    if (size() != picture_.size()) resize(picture_.size());
    update();
}

void TSurfaceImage::ToggleBand(const QRect& band) {
    if (band.isNull()) return;
    DrawFocusRect(picture_, band);
    // Only the outline changed.
    const QRect outer = band.adjusted(-1, -1, 1, 1);
    update(QRegion(outer).subtracted(QRegion(band.adjusted(1, 1, -1, -1))));
}

void TSurfaceImage::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.drawImage(event->rect(), picture_, event->rect());
}

void TSurfaceImage::mousePressEvent(QMouseEvent* event) {
    emit Pressed(event->button(), event->modifiers(), event->position().toPoint());
}

void TSurfaceImage::mouseMoveEvent(QMouseEvent* event) {
    emit Moved(event->position().toPoint());
}

void TSurfaceImage::mouseReleaseEvent(QMouseEvent* event) {
    emit Released(event->button(), event->modifiers(), event->position().toPoint());
}

void TSurfaceImage::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(kTemplateMimeType)) event->acceptProposedAction();
}

void TSurfaceImage::dropEvent(QDropEvent* event) {
    const QByteArray data = event->mimeData()->data(kTemplateMimeType);
    const int newline = data.indexOf('\n');
    if (newline < 0) return;
    event->acceptProposedAction();
    emit TemplateDropped(data.left(newline).toStdString(), data.mid(newline + 1).toStdString(),
                         event->position().toPoint());
}

} // namespace brelvane
