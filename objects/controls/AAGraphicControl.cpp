#include "objects/controls/AAGraphicControl.h"

#include <QPainter>
#include <QResizeEvent>

namespace brelvane {

TAAGraphicControl::TAAGraphicControl(TAutoObject& object, QWidget* parent)
    : TObjectWidget(object, parent) {
    // Every pixel is painted, transparent controls included (they draw what
    // lies behind them themselves), so the parent need not paint first.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TAAGraphicControl::SetBorder(int border) {
    if (border == border_) return;
    border_ = border;
    Changed();
}

void TAAGraphicControl::SetAutoSize(bool autoSize) {
    if (autoSize == autoSize_) return;
    autoSize_ = autoSize;
    Changed();
}

void TAAGraphicControl::SetAutoUpdate(bool autoUpdate) {
    autoUpdate_ = autoUpdate;
}

void TAAGraphicControl::SetAlign(std::uint8_t align) {
    if (align == align_) return;
    align_ = align;
    Changed();
}

void TAAGraphicControl::EndUpdate() {
    if (updates_ == 0 || --updates_ > 0) return;
    if (changedWhileDeferred_) Changed();
}

void TAAGraphicControl::Changed() {
    if (!loaded_ || !autoUpdate_ || updates_ > 0 || rebuilding_) {
        changedWhileDeferred_ = changedWhileDeferred_ || updates_ > 0;
        return;
    }
    Rebuild();
}

void TAAGraphicControl::Rebuild() {
    RebuildQuietly();
    update();
}

void TAAGraphicControl::RebuildQuietly() {
    if (rebuilding_) return;
    changedWhileDeferred_ = false;
    rebuilding_ = true;
    RebuildPictures();
    rebuilding_ = false;
    builtSize_ = size();
    // The record keeps the size the text gave the control.
    if (auto* payload = Record().Payload.get()) {
        payload->Width = width();
        payload->Height = height();
    }
}

bool TAAGraphicControl::SizesWidth() const {
    return align_ == alNone || align_ == alLeft || align_ == alRight;
}

bool TAAGraphicControl::SizesHeight() const {
    return align_ == alNone || align_ == alTop || align_ == alBottom;
}

void TAAGraphicControl::UseFont(const TFont& font, const TAAEffect& effect, std::uint8_t quality) {
    canvas_.SetFont(font);
    renderer_.SetEffect(effect);
    renderer_.SetQuality(quality <= aqNone ? static_cast<TAAQuality>(quality) : aqNormal);
}

void TAAGraphicControl::paintEvent(QPaintEvent*) {
    if (painting_) return;
    painting_ = true;
    // A hidden control is resized without a resize event: its size is checked here.
    const bool resized = loaded_ && size() != builtSize_ && autoUpdate_ && updates_ == 0;
    if (!loaded_ || resized) {
        loaded_ = true;
        RebuildQuietly();
    }
    QPainter painter(this);
    PaintControl(painter);
    painting_ = false;
}

void TAAGraphicControl::showEvent(QShowEvent* event) {
    TObjectWidget::showEvent(event);
    // A control sized by its text may start empty, and an empty widget is never painted.
    if (loaded_) return;
    loaded_ = true;
    Rebuild();
}

void TAAGraphicControl::resizeEvent(QResizeEvent* event) {
    TObjectWidget::resizeEvent(event);
    if (event->size() != event->oldSize()) Changed();
}

} // namespace brelvane
