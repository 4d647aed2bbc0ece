#include "objects/controls/AAScrollText.h"

#include <QPainter>
#include <algorithm>

namespace brelvane {

TAAScrollText::TAAScrollText(TAutoObject& object, QWidget* parent, platform::TAATimerMgr& timers)
    : TAACustomText(object, parent), scrollTimer_(timers) {
    backdrop_.Set(text_);
    SetAutoSize(false);
    setMinimumSize(20, 20);
    resize(280, 240);
    scrollTimer_.SetInterval(scrollDelay_);
    scrollTimer_.SetOnTimer([this] { ScrollTick(); });
    repeatTimer_.setSingleShot(true);
    connect(&repeatTimer_, &QTimer::timeout, this, &TAAScrollText::RepeatTick);
}

void TAAScrollText::SetText(const TScrollTextParam& text) {
    text_ = text;
    text_.HeadSpace = ClampSpace(text_.HeadSpace);
    text_.TailSpace = ClampSpace(text_.TailSpace);
    backdrop_.Set(text_);
    Changed();
}

void TAAScrollText::SetActive(bool active) {
    active_ = active;
    if (!active) repeatTimer_.stop();
    scrollTimer_.SetEnabled(active && !repeatTimer_.isActive());
}

void TAAScrollText::SetScrollDelay(int delay) {
    scrollDelay_ = delay;
    scrollTimer_.SetInterval(delay);
}

void TAAScrollText::RebuildPictures() {
    const int width = this->width(), height = this->height();
    const auto pieces = Pieces(text_, text_.Font, width);
    const int fade = text_.Fade ? std::max(0, text_.FadeHeight) : 0;
    const int top = fade + height * text_.HeadSpace / 100;
    int total = top;
    std::vector<int> rows;
    rows.reserve(pieces.size());
    for (const auto& piece : pieces) {
        rows.push_back(total);
        total += RowAdvance(RowHeight(piece, text_.Quality), text_.RowPitch);
    }
    total += height * text_.TailSpace / 100;
    tall_ = QImage(std::max(1, width), std::max(total, height), QImage::Format_RGB32);
    backdrop_.Paint(tall_);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int x = AlignedX(text_.Alignment, width, PieceWidth(pieces[i], text_.Quality), 0);
        DrawPiece(tall_, pieces[i], text_.Quality, x, rows[i]);
    }
    if (OnTextReady) OnTextReady();
    passes_ = -1;
    position_ = 0;
    repeatTimer_.stop();
    SetActive(active_);
}

void TAAScrollText::ComposeScreen() {
    const int width = tall_.width(), height = std::min(this->height(), tall_.height());
    if (screen_.size() != QSize(width, height))
        screen_ = QImage(width, height, QImage::Format_RGB32);
    const auto rowBytes = static_cast<std::size_t>(tall_.bytesPerLine());
    // Past the end of the tall picture the window goes on at its top.
    for (int y = 0; y < height; ++y)
        std::copy_n(tall_.constScanLine((position_ + y) % tall_.height()), rowBytes,
                    screen_.scanLine(y));
    FadeEdges();
}

void TAAScrollText::FadeEdges() {
    if (!text_.Fade || text_.FadeHeight <= 0) return;
    const QColor color = backdrop_.Color();
    const int channels[3] = {color.blue(), color.green(), color.red()};
    const int fade = std::min(text_.FadeHeight, (screen_.height() + 1) / 2);
    for (int b = 0; b < fade; ++b) {
        // Row 0 is pure background, each further row lets more of the text through.
        const int a = text_.FadeHeight > 1 ? b * 255 / (text_.FadeHeight - 1) : 0;
        for (const int y : {b, screen_.height() - 1 - b}) {
            auto* pixel = screen_.scanLine(y);
            for (int x = 0; x < screen_.width(); ++x, pixel += 4)
                for (int channel = 0; channel < 3; ++channel) {
                    const int c = channels[channel];
                    pixel[channel] =
                        static_cast<std::uint8_t>(c + ((a * (pixel[channel] - c)) >> 8));
                }
        }
    }
}

void TAAScrollText::PaintControl(QPainter& painter) {
    if (tall_.isNull()) return;
    ComposeScreen();
    painter.drawImage(QPoint(0, 0), screen_);
    if (OnPainted) OnPainted();
}

void TAAScrollText::SetPosition(int position) {
    if (tall_.isNull()) return;
    position_ = position % tall_.height();
    if (position_ < 0) position_ += tall_.height();
    update();
}

void TAAScrollText::ScrollTick() {
    if (tall_.isNull()) return;
    if (position_ == 0) {
        ++passes_;
        if (repeatCount_ > 0 && passes_ >= repeatCount_) {
            SetActive(false);
            passes_ = -1;
            if (OnComplete) OnComplete();
            return;
        }
        if (repeatDelay_ > 0) {
            scrollTimer_.SetEnabled(false);
            repeatTimer_.start(repeatDelay_);
            return;
        }
    }
    const int next = position_ + scrollStep_;
    if (scrollStep_ > 0 && next >= tall_.height())
        SetPosition(0);
    else
        SetPosition(std::max(0, next));
}

void TAAScrollText::RepeatTick() {
    repeatTimer_.stop();
    SetPosition(position_ + scrollStep_);
    if (active_) scrollTimer_.SetEnabled(true);
}

} // namespace brelvane
