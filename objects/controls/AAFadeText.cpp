#include "objects/controls/AAFadeText.h"

#include "render/AlphaBlend.h"

#include <QPainter>
#include <cmath>

namespace brelvane {

TAAFadeText::TAAFadeText(TAutoObject& object, QWidget* parent) : TAACustomText(object, parent) {
    backdrop_.Set(text_);
    SetAutoSize(false);
    resize(240, 34);
    fadeTimer_.setInterval(kFadeStepMs);
    connect(&fadeTimer_, &QTimer::timeout, this, &TAAFadeText::FadeTick);
    lineTimer_.setInterval(text_.LineDelay);
    connect(&lineTimer_, &QTimer::timeout, this, &TAAFadeText::LineTick);
}

void TAAFadeText::SetText(const TFadeTextParam& text) {
    const std::int32_t fadeDelay = text_.FadeDelay, lineDelay = text_.LineDelay;
    text_ = text;
    // The new delays keep their limits against the old ones, as when read.
    text_.FadeDelay = fadeDelay;
    text_.LineDelay = lineDelay;
    SetDelaysInStoredOrder(text_, text.FadeDelay, text.LineDelay);
    backdrop_.Set(text_);
    lineTimer_.setInterval(text_.LineDelay);
    Changed();
}

void TAAFadeText::SetFadeDelay(int delay) {
    brelvane::SetFadeDelay(text_, delay);
}

void TAAFadeText::SetLineDelay(int delay) {
    brelvane::SetLineDelay(text_, delay);
    lineTimer_.setInterval(text_.LineDelay);
}

void TAAFadeText::SetFont(const TFont& font) {
    if (font == font_) return;
    font_ = font;
    Changed();
}

void TAAFadeText::SetActive(bool active) {
    if (active == active_ && !(active && startPending_)) return;
    active_ = active;
    if (!active) {
        lineTimer_.stop();
        return;
    }
    passes_ = 0;
    // Before the first paint there is no size to draw in: the rebuild starts it.
    startPending_ = !Loaded();
    if (!startPending_) Start();
}

void TAAFadeText::Start() {
    startPending_ = false;
    lineTimer_.start();
    ShowLine(index_ + 1);
}

TLabeledLine TAAFadeText::LabeledLine(int index) {
    const auto lines = Pieces(text_, font_, 0);
    if (index < 0 || index >= static_cast<int>(lines.size())) return {QString(), font_, {}};
    return lines[static_cast<std::size_t>(index)];
}

void TAAFadeText::Render(const TLabeledLine& line, QImage& picture) {
    if (text_.Transparent) {
        picture = ContentBehind(*this);
    } else {
        picture = QImage(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
        backdrop_.Paint(picture);
    }
    if (line.Text.isEmpty()) return;
    UseFont(line.Font, line.Effect, text_.Quality);
    const int width = Renderer().TextWidth(line.Text), height = Renderer().TextHeight(line.Text);
    DrawPiece(picture, line, text_.Quality, AlignedX(text_.Alignment, this->width(), width, 0),
              LaidOutY(text_.Layout, this->height(), height, 0));
}

void TAAFadeText::ShowLine(int index) {
    const int count = static_cast<int>(LinesOf(text_.Lines).size());
    if (count == 0) return;
    index = std::max(index, 0);
    if (index >= count) {
        ++passes_;
        if (repeatCount_ > 0 && passes_ >= repeatCount_) {
            active_ = false;
            lineTimer_.stop();
            passes_ = 0;
            index_ = -1;
            FadeIn(LabeledLine(-1));
            if (OnComplete) OnComplete();
            return;
        }
        index = 0;
    }
    index_ = index;
    FadeIn(LabeledLine(index));
    // Each line stays LineDelay from the start of its own fade.
    if (lineTimer_.isActive()) lineTimer_.start();
}

void TAAFadeText::FadeIn(TLabeledLine line) {
    previous_ = std::move(current_);
    current_ = std::move(line);
    old_ = shown_;
    Render(current_, new_);
    if (old_.size() != new_.size()) Render(previous_, old_);
    weight_ = 0;
    shownWeight_ = -1;
    fadeTimer_.start();
    Mix(true);
}

void TAAFadeText::FadeTick() {
    weight_ += kFadeStepMs * 255.0 / std::max(1, text_.FadeDelay);
    if (weight_ >= 255) {
        weight_ = 255;
        fadeTimer_.stop();
    }
    Mix(true);
}

void TAAFadeText::LineTick() {
    ShowLine(index_ + 1);
}

void TAAFadeText::Mix(bool repaint) {
    const int rounded = static_cast<int>(std::lround(weight_));
    if (rounded == shownWeight_ || new_.isNull()) return;
    shownWeight_ = rounded;
    AlphaBlend(old_, new_, rounded, shown_);
    if (repaint) update();
}

void TAAFadeText::RebuildPictures() {
    current_ = LabeledLine(index_);
    Render(previous_, old_);
    Render(current_, new_);
    shownWeight_ = -1;
    Mix(false);
    if (OnTextReady) OnTextReady();
    if (active_ && startPending_) Start();
}

void TAAFadeText::PaintControl(QPainter& painter) {
    if (text_.Transparent && !new_.isNull()) {
        // What lies behind may have changed since the lines were drawn.
        Render(previous_, old_);
        Render(current_, new_);
        shownWeight_ = -1;
        Mix(false);
    }
    if (!shown_.isNull()) painter.drawImage(QPoint(0, 0), shown_);
    if (OnPainted) OnPainted();
}

} // namespace brelvane
