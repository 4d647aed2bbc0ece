#include "designer/PageHost.h"

#include "player/AutoRunForm.h"
#include "player/PageSurface.h"

#include <QLayout>
#include <QPainter>
#include <QWidget>

namespace brelvane {

TPageHost::TPageHost() : box_(std::make_unique<QWidget>()) {
    box_->setObjectName("ScrollBox3");
    box_->setAttribute(Qt::WA_DontShowOnScreen);
    box_->move(-10000, -10000);
    box_->show();
}

TPageHost::~TPageHost() {
    Release();
}

bool TPageHost::Load(const std::string& name) {
    Release();
    model_ = std::make_unique<TAutoRunForm>();
    model_->TestRun = TestRun;
    const bool read = model_->BuildPage(name, TPageReadMode::Build);
    Adopt();
    return read;
}

bool TPageHost::Load(TStream& stream) {
    auto model = std::make_unique<TAutoRunForm>();
    model->TestRun = TestRun;
    if (!model->BuildFromStream(stream, TPageReadMode::Build)) return false;
    Release();
    model_ = std::move(model);
    Adopt();
    return true;
}

void TPageHost::Adopt() {
    // The model's own layout gives the panel the size the player's window would.
    model_->layout()->activate();
    auto* panel = model_->Surface();
    const QSize size = panel->size();
    panel->setParent(box_.get());
    panel->setGeometry(QRect(QPoint(0, 0), size));
    panel->show();
    box_->resize(size);
    model_->RenderBackground();
}

void TPageHost::Release() {
    if (!model_) return;
    model_->Surface()->setParent(model_.get());
    model_.reset();
}

QSize TPageHost::PanelSize() const {
    return model_ ? model_->Surface()->size() : QSize();
}

void TPageHost::ResizePanel(QSize size) {
    if (!model_) return;
    size = size.expandedTo(QSize(1, 1));
    model_->Surface()->resize(size);
    box_->resize(size);
}

QImage TPageHost::PaintPanel() const {
    QImage image(PanelSize().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    if (model_) model_->Surface()->render(&image);
    return image;
}

} // namespace brelvane
