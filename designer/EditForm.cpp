#include "designer/EditForm.h"

#include "designer/PageHost.h"
#include "designer/SurfaceMarks.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "project/PageRecord.h"
#include "render/AnsiText.h"

#include <QApplication>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

namespace brelvane {

namespace {
const QColor kCaptionColor(0, 84, 166);
const QColor kFrameColor(212, 208, 200);
constexpr int kIconSize = 16;
} // namespace

TFrameMetrics FrameMetricsOf(std::uint8_t borderStyle) {
    switch (borderStyle) {
    case 0: // none
        return {0, 0};
    case 1: // single
    case 3: // dialog
        return {3, 19};
    case 4: // tool window
        return {3, 16};
    case 5: // sizeable tool window
        return {4, 16};
    default: // sizeable
        return {4, 19};
    }
}

TEditForm::TEditForm(TPageHost& host, QWidget* parent) : QWidget(parent), host_(host) {
    setObjectName("EditForm");
    setMinimumSize(80, 80);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QImage TEditForm::BarPicture(QWidget* bar, int width) {
    if (!bar || bar->isHidden()) return {};
    bar->resize(width, bar->sizeHint().height());
    QImage picture(bar->size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(QApplication::palette().window().color());
    bar->render(&picture);
    return picture;
}

void TEditForm::SyncSurface() {
    auto* model = host_.Model();
    if (!model) return;
    const auto& page = model->Page();
    const auto metrics = FrameMetricsOf(page.BorderStyle);
    const QSize panel = host_.PanelSize();
    const int clientWidth = panel.width() + 2 * page.BorderWidth;
    const QImage menu = BarPicture(model->MenuBar(), clientWidth);
    const QImage tools = BarPicture(model->ToolBar(), clientWidth);
    const QImage status = BarPicture(model->StatusBar(), clientWidth);
    const int clientHeight =
        menu.height() + tools.height() + panel.height() + 2 * page.BorderWidth + status.height();

    frame_ = QImage(clientWidth + 2 * metrics.Border,
                    clientHeight + 2 * metrics.Border + metrics.Caption,
                    QImage::Format_ARGB32_Premultiplied);
    frame_.fill(kFrameColor);
    QPainter painter(&frame_);
    if (metrics.Caption > 0) {
        const QRect caption(metrics.Border, metrics.Border, clientWidth, metrics.Caption);
        painter.fillRect(caption, kCaptionColor);
        const QIcon icon = model->windowIcon();
        int textLeft = caption.left() + 4;
        if (!icon.isNull() && page.BorderStyle != 3) {
            icon.paint(&painter, QRect(textLeft, caption.top() + (caption.height() - kIconSize) / 2,
                                       kIconSize, kIconSize));
            textLeft += kIconSize + 4;
        }
        painter.setPen(Qt::white);
        QFont font = painter.font();
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(
            QRect(textLeft, caption.top(), caption.right() - textLeft, caption.height()),
            Qt::AlignVCenter | Qt::AlignLeft, FromAnsi(page.Caption));
    }
    QPoint at(metrics.Border, metrics.Border + metrics.Caption);
    for (const QImage* bar : {&menu, &tools}) {
        painter.drawImage(at, *bar);
        at.ry() += bar->height();
    }
    imageOrigin_ = at + QPoint(page.BorderWidth, page.BorderWidth);
    painter.drawImage(QPoint(metrics.Border, frame_.height() - metrics.Border - status.height()),
                      status);
    painter.end();

    move(page.Left, page.Top);
    resize(frame_.size());
    RepaintSurface();
    emit Changed();
}

void TEditForm::RepaintSurface() {
    auto* model = host_.Model();
    if (!model) return;
    const QSize panel = host_.PanelSize();
    // Every object keeps at least its top-left corner inside the page.
    for (const auto& object : model->Page().Objects) {
        auto* widget = dynamic_cast<QWidget*>(object->Control.get());
        if (!widget) continue;
        const int left = std::clamp(widget->x(), 0, std::max(0, panel.width() - 5));
        const int top = std::clamp(widget->y(), 0, std::max(0, panel.height() - 5));
        if (left != widget->x() || top != widget->y()) widget->move(left, top);
    }
    QImage picture = host_.PaintPanel();
    if (picture.isNull()) return; // the previous picture stays
    DrawSurfaceMarks(picture, model->Page().Objects);
    image1_ = std::move(picture);
    update();
}

void TEditForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
    painter.drawImage(imageOrigin_, image1_);
}

} // namespace brelvane
