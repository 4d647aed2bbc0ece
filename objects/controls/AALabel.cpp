#include "objects/controls/AALabel.h"

#include "objects/controls/AAPlacement.h"

#include <QPainter>

namespace brelvane {

TAALabel::TAALabel(TAutoObject& object, QWidget* parent) : TAAGraphicControl(object, parent) {
    backdrop_.Set(effect_);
    resize(46, 12);
}

void TAALabel::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    Changed();
}

void TAALabel::SetFont(const TFont& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

void TAALabel::SetEffect(const TAAFontEffect& effect) {
    effect_ = effect;
    backdrop_.Set(effect_);
    Changed();
}

void TAALabel::RebuildPictures() {
    UseFont(font_, effect_.FontEffect, effect_.Quality);
    const QSize text(Renderer().TextWidth(caption_), Renderer().TextHeight(caption_));
    if (AutoSize()) {
        const int width = SizesWidth() ? text.width() + 2 * Border() : this->width();
        const int height = SizesHeight() ? text.height() + 2 * Border() : this->height();
        resize(width, height);
    }
    textPosition_ = PlaceText(text);
    if (effect_.Transparent) {
        picture_ = QImage();
        return;
    }
    picture_ = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    backdrop_.Paint(picture_);
    DrawCaption(picture_, font_, effect_.FontEffect, textPosition_);
}

QPoint TAALabel::PlaceText(QSize size) const {
    return {AlignedX(effect_.Alignment, width(), size.width(), Border()),
            LaidOutY(effect_.Layout, height(), size.height(), Border())};
}

void TAALabel::DrawCaption(QImage& picture, const TFont& font, const TAAEffect& effect, QPoint at) {
    UseFont(font, effect, effect_.Quality);
    Canvas().Image = &picture;
    Canvas().Brush = Qt::NoBrush;
    Renderer().TextOut(at.x(), at.y(), caption_);
    Canvas().Image = nullptr;
}

QImage TAALabel::NormalLook() {
    if (!effect_.Transparent) return picture_;
    QImage look = ContentBehind(*this);
    DrawCaption(look, font_, effect_.FontEffect, textPosition_);
    return look;
}

void TAALabel::PaintControl(QPainter& painter) {
    painter.drawImage(QPoint(0, 0), NormalLook());
}

} // namespace brelvane
