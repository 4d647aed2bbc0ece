#include "objects/controls/AALinkLabel.h"

#include "platform/Shell.h"
#include "render/AlphaBlend.h"

#include <QMouseEvent>
#include <QPainter>
#include <cmath>

namespace brelvane {

TAALinkLabel::TAALinkLabel(TAutoObject& object, QWidget* parent) : TAALabel(object, parent) {
    hotBackdrop_.Set(hotLink_);
    fadeTimer_.setInterval(kFadeStepMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &TAALinkLabel::FadeTick);
}

void TAALinkLabel::SetHotLink(const THotLink& hotLink) {
    hotLink_ = hotLink;
    hotBackdrop_.Set(hotLink_);
    Changed();
}

void TAALinkLabel::RebuildPictures() {
    TAALabel::RebuildPictures();
    if (hovered_ || direction_ != TFadeDirection::None) DrawLooks();
}

void TAALinkLabel::DrawLooks() {
    normal_ = NormalLook();
    if (hotLink_.Transparent) {
        hot_ = ContentBehind(*this);
    } else {
        hot_ = QImage(normal_.size(), QImage::Format_RGB32);
        hotBackdrop_.Paint(hot_);
    }
    TFont font = Font();
    font.Color = hotLink_.Color;
    if (hotLink_.UnderLine) font.Style |= fsUnderline;
    UseFont(font, hotLink_.FontEffect, Effect().Quality);
    const QSize text(Renderer().TextWidth(Caption()), Renderer().TextHeight(Caption()));
    const QPoint at =
        AutoSize() && Align() == alNone ? QPoint(Border(), Border()) : PlaceText(text);
    DrawCaption(hot_, font, hotLink_.FontEffect, at);
    shownWeight_ = static_cast<int>(std::lround(weight_));
    AlphaBlend(normal_, hot_, shownWeight_, mixed_);
}

void TAALinkLabel::SetWeight(double weight) {
    weight_ = weight;
    const int rounded = static_cast<int>(std::lround(weight_));
    if (rounded == shownWeight_) return;
    shownWeight_ = rounded;
    if (normal_.isNull())
        DrawLooks();
    else
        AlphaBlend(normal_, hot_, shownWeight_, mixed_);
    update();
}

void TAALinkLabel::FadeTick() {
    if (direction_ == TFadeDirection::None) return;
    // A zero delay cannot divide the weight: the fade is over at once.
    const double step = hotLink_.FadeDelay > 0 ? kFadeStepMs * 255.0 / hotLink_.FadeDelay : 255;
    double weight = direction_ == TFadeDirection::In ? weight_ + step : weight_ - step;
    if (weight >= 255 || weight <= 0) {
        weight = weight >= 255 ? 255 : 0;
        StopFade();
    }
    SetWeight(weight);
}

void TAALinkLabel::StopFade() {
    direction_ = TFadeDirection::None;
    fadeTimer_.stop();
}

void TAALinkLabel::enterEvent(QEnterEvent* event) {
    if (isEnabled()) {
        hovered_ = true;
        DrawLooks();
        if (hotLink_.Fade) {
            direction_ = TFadeDirection::In;
            fadeTimer_.start();
        } else {
            SetWeight(255);
        }
        update();
    }
    TAALabel::enterEvent(event);
}

void TAALinkLabel::leaveEvent(QEvent* event) {
    if (hovered_) {
        hovered_ = false;
        if (hotLink_.Fade) {
            direction_ = TFadeDirection::Out;
            fadeTimer_.start();
        } else {
            StopFade();
            SetWeight(0);
        }
        update();
    }
    TAALabel::leaveEvent(event);
}

void TAALinkLabel::changeEvent(QEvent* event) {
    TAALabel::changeEvent(event);
    if (event->type() != QEvent::EnabledChange || isEnabled()) return;
    StopFade();
    hovered_ = false;
    SetWeight(0);
}

void TAALinkLabel::PaintControl(QPainter& painter) {
    if ((hovered_ || direction_ != TFadeDirection::None) && !mixed_.isNull())
        painter.drawImage(QPoint(0, 0), mixed_);
    else
        TAALabel::PaintControl(painter);
}

void TAALinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !hotLink_.Address.empty())
        platform::CurrentShell().Execute({"open", hotLink_.Address, "", "", 1});
    TAALabel::mouseReleaseEvent(event);
}

} // namespace brelvane
