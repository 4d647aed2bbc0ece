#include "designer/EditForm.h"

#include "designer/KeySink.h"
#include "designer/PageHost.h"
#include "designer/SurfaceImage.h"
#include "designer/SurfaceMarks.h"
#include "designer/SurfaceObjects.h"
#include "player/AutoRunForm.h"
#include "project/PageRecord.h"
#include "render/AnsiText.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>

namespace brelvane {

namespace {
const QColor kCaptionColor(0, 84, 166);
const QColor kFrameColor(212, 208, 200);
constexpr int kIconSize = 16;
constexpr int kMinimumSize = 80;

bool Sizeable(std::uint8_t borderStyle) {
    return borderStyle == 2 || borderStyle == 5;
}
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

TEditForm::TEditForm(TPageHost& host, TSurfaceOwner& owner, QWidget* parent)
    : QWidget(parent), host_(host), owner_(owner) {
    setObjectName("EditForm");
    setMinimumSize(kMinimumSize, kMinimumSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
    image1_ = new TSurfaceImage(this);
    connect(image1_, &TSurfaceImage::Pressed, this, &TEditForm::Image1MouseDown);
    connect(image1_, &TSurfaceImage::Moved, this, &TEditForm::Image1MouseMove);
    connect(image1_, &TSurfaceImage::Released, this, &TEditForm::Image1MouseUp);
    connect(image1_, &TSurfaceImage::TemplateDropped, this,
            [this](const std::string& path, const std::string& group, QPoint point) {
                DropTemplate(path, group, point);
            });
    edit1_ = new TKeySink(this);
    connect(edit1_, &TKeySink::DeletePressed, this, &TEditForm::DeleteSelected);
    connect(edit1_, &TKeySink::MoveRequested, this, &TEditForm::MoveSelection);
    connect(edit1_, &TKeySink::SizeRequested, this, &TEditForm::SizeSelection);
    connect(edit1_, &TKeySink::ModifierReleased, this, &TEditForm::SelectionChanged);
}

const QImage& TEditForm::Image1() const {
    return image1_->Picture();
}

QLineEdit* TEditForm::KeySink() const {
    return edit1_;
}

void TEditForm::FocusKeySink() {
    edit1_->setFocus(Qt::OtherFocusReason);
}

bool TEditForm::KeySinkHasFocus() const {
    return window()->focusWidget() == edit1_;
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
    barsHeight_ = menu.height() + tools.height() + status.height();
    const int clientHeight = barsHeight_ + panel.height() + 2 * page.BorderWidth;

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

    setGeometry(page.Left, page.Top, frame_.width(), frame_.height());
    image1_->setGeometry(QRect(imageOrigin_, panel));
    RepaintSurface();
    update();
    emit Changed();
}

void TEditForm::PageChanged() {
    auto* model = host_.Model();
    if (!model) return;
    const auto& page = model->Page();
    SyncSurface();
    host_.ResizePanel(
        QSize(page.Width - 2 * page.BorderWidth, page.Height - 2 * page.BorderWidth - barsHeight_));
    model->RenderBackground();
    SyncSurface();
    emit Changed();
}

void TEditForm::RepaintSurface() {
    auto* model = host_.Model();
    if (!model) return;
    const QSize panel = host_.PanelSize();
    for (const auto& object : model->Page().Objects) {
        const TBounds bounds = BoundsOf(*object);
        const TBounds kept = ClampedToPanel(bounds, panel);
        if (kept != bounds) SetBounds(*object, kept);
    }
    QImage picture = host_.PaintPanel();
    if (picture.isNull()) return; // the previous picture stays
    DrawSurfaceMarks(picture, model->Page().Objects);
    image1_->SetPicture(std::move(picture));
    state_.BandRect = QRect();
}

void TEditForm::PageReplaced() {
    state_ = TSurfaceState();
    SyncSurface();
    emit ObjectsChanged();
    emit SelectionChanged();
}

void TEditForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, frame_);
}

// The window as the user moves and sizes it.

void TEditForm::WindowMoved(QPoint topLeft) {
    auto* model = host_.Model();
    if (!model || topLeft == pos()) return;
    if (!frameDrag_ || !frameDrag_->Recorded) owner_.RecordUndoStep("Move Page");
    if (frameDrag_) frameDrag_->Recorded = true;
    move(topLeft);
    model->Page().Left = topLeft.x();
    model->Page().Top = topLeft.y();
    owner_.SetModified(true);
    emit Changed();
}

void TEditForm::WindowResized(const QRect& geometry) {
    auto* model = host_.Model();
    if (!model) return;
    const QRect wanted(geometry.topLeft(),
                       geometry.size().expandedTo({kMinimumSize, kMinimumSize}));
    if (wanted == this->geometry()) return;
    if (!frameDrag_ || !frameDrag_->Recorded) owner_.RecordUndoStep("Size Page");
    if (frameDrag_) frameDrag_->Recorded = true;
    auto& page = model->Page();
    const auto metrics = FrameMetricsOf(page.BorderStyle);
    page.Left = wanted.x();
    page.Top = wanted.y();
    page.Width = wanted.width() - 2 * metrics.Border;
    page.Height = wanted.height() - 2 * metrics.Border - metrics.Caption;
    host_.ResizePanel(
        QSize(page.Width - 2 * page.BorderWidth, page.Height - 2 * page.BorderWidth - barsHeight_));
    SyncSurface();
    owner_.SetModified(true);
}

Qt::Edges TEditForm::FrameEdgesAt(QPoint point) const {
    const auto* model = host_.Model();
    if (!model || !Sizeable(model->Page().BorderStyle)) return {};
    const int border = FrameMetricsOf(model->Page().BorderStyle).Border;
    Qt::Edges edges;
    if (point.x() < border) edges |= Qt::LeftEdge;
    if (point.x() >= width() - border) edges |= Qt::RightEdge;
    if (point.y() < border) edges |= Qt::TopEdge;
    if (point.y() >= height() - border) edges |= Qt::BottomEdge;
    return edges;
}

void TEditForm::mousePressEvent(QMouseEvent* event) {
    const auto* model = host_.Model();
    if (!model || event->button() != Qt::LeftButton || !owner_.CommitPendingEdit()) return;
    const auto metrics = FrameMetricsOf(model->Page().BorderStyle);
    const QPoint at = event->position().toPoint();
    TFrameDrag drag;
    drag.Edges = FrameEdgesAt(at);
    drag.Caption = drag.Edges == Qt::Edges() && at.y() >= metrics.Border &&
                   at.y() < metrics.Border + metrics.Caption;
    if (drag.Edges == Qt::Edges() && !drag.Caption) return;
    drag.PressGlobal = event->globalPosition().toPoint();
    drag.StartGeometry = geometry();
    frameDrag_ = drag;
}

void TEditForm::mouseMoveEvent(QMouseEvent* event) {
    if (!frameDrag_) {
        const Qt::Edges edges = FrameEdgesAt(event->position().toPoint());
        const bool diagonalF =
            edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        const bool diagonalB =
            edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge);
        setCursor(diagonalF                                ? Qt::SizeFDiagCursor
                  : diagonalB                              ? Qt::SizeBDiagCursor
                  : edges & (Qt::LeftEdge | Qt::RightEdge) ? Qt::SizeHorCursor
                  : edges & (Qt::TopEdge | Qt::BottomEdge) ? Qt::SizeVerCursor
                                                           : Qt::ArrowCursor);
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - frameDrag_->PressGlobal;
    if (frameDrag_->Caption) {
        WindowMoved(frameDrag_->StartGeometry.topLeft() + delta);
        return;
    }
    QRect wanted = frameDrag_->StartGeometry;
    if (frameDrag_->Edges & Qt::LeftEdge) wanted.setLeft(wanted.left() + delta.x());
    if (frameDrag_->Edges & Qt::RightEdge) wanted.setRight(wanted.right() + delta.x());
    if (frameDrag_->Edges & Qt::TopEdge) wanted.setTop(wanted.top() + delta.y());
    if (frameDrag_->Edges & Qt::BottomEdge) wanted.setBottom(wanted.bottom() + delta.y());
    WindowResized(wanted);
}

void TEditForm::mouseReleaseEvent(QMouseEvent*) {
    frameDrag_.reset();
}

void TEditForm::closeEvent(QCloseEvent* event) {
    // The surface lives as long as the main window.
    event->ignore();
}

void TEditForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // A request to minimise the surface is ignored.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMinimized))
        setWindowState(windowState() & ~Qt::WindowMinimized);
}

} // namespace brelvane
