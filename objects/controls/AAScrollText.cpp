#include "objects/controls/AAScrollText.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>
#include <cstring>

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
    const int fade = text_.Fade ? std::clamp(text_.FadeHeight, 0, kMaxFadeHeight) : 0;
    // Wide sums: a damaged record's sizes must not overflow on the way to the bound.
    const std::int64_t top = fade + std::int64_t{height} * text_.HeadSpace / 100;
    std::int64_t total = top;
    std::vector<int> rows;
    rows.reserve(pieces.size());
    for (const auto& piece : pieces) {
        rows.push_back(static_cast<int>(std::min<std::int64_t>(total, kMaxScrollPictureHeight)));
        total += RowAdvance(RowHeight(piece, text_.Quality), text_.RowPitch);
    }
    total += std::int64_t{height} * text_.TailSpace / 100;
    const auto tallHeight = std::clamp<std::int64_t>(total, height, kMaxScrollPictureHeight);
    tall_ = QImage(std::max(1, width), static_cast<int>(std::max<std::int64_t>(1, tallHeight)),
                   QImage::Format_RGB32);
    backdrop_.Paint(tall_);
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        const int x = AlignedX(text_.Alignment, width, PieceWidth(pieces[i], text_.Quality), 0);
        DrawPiece(tall_, pieces[i], text_.Quality, x, rows[i]);
    }
    PrepareFade();
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
    if (screen_.isNull()) return;
    // The window in at most two blocks of rows: past the end of the tall
    // picture it goes on at its top.
    const auto rowBytes = static_cast<std::size_t>(tall_.bytesPerLine());
    const int first = std::min(height, tall_.height() - position_);
    std::memcpy(screen_.bits(), tall_.constScanLine(position_), rowBytes * first);
    if (first < height)
        std::memcpy(screen_.scanLine(first), tall_.constBits(), rowBytes * (height - first));
    FadeEdges();
}

void TAAScrollText::PrepareFade() {
    fadeRows_.clear();
    if (!text_.Fade || text_.FadeHeight <= 0) return;
    const QColor color = backdrop_.Color();
    const int channels[3] = {color.blue(), color.green(), color.red()};
    const int rows = std::min({text_.FadeHeight, kMaxFadeHeight, (height() + 1) / 2});
    fadeRows_.resize(static_cast<std::size_t>(rows));
    for (int b = 0; b < rows; ++b) {
        // Row 0 is pure background, each further row lets more of the text through.
        const int a = text_.FadeHeight > 1 ? b * 255 / (text_.FadeHeight - 1) : 0;
        for (int channel = 0; channel < 3; ++channel) {
            const int c = channels[channel];
            for (int p = 0; p < 256; ++p)
                fadeRows_[static_cast<std::size_t>(b)][channel][p] =
                    static_cast<std::uint8_t>(c + ((a * (p - c)) >> 8));
        }
    }
}

void TAAScrollText::FadeEdges() {
    const int rows = std::min(static_cast<int>(fadeRows_.size()), (screen_.height() + 1) / 2);
    const int width = screen_.width();
    for (int b = 0; b < rows; ++b) {
        const auto& table = fadeRows_[static_cast<std::size_t>(b)];
        const std::uint8_t *blue = table[0].data(), *green = table[1].data(),
                           *red = table[2].data();
        for (const int y : {b, screen_.height() - 1 - b}) {
            std::uint8_t* pixel = screen_.scanLine(y);
            for (int x = 0; x < width; ++x, pixel += 4) {
                pixel[0] = blue[pixel[0]];
                pixel[1] = green[pixel[1]];
                pixel[2] = red[pixel[2]];
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
    const std::int64_t next = std::int64_t{position_} + scrollStep_;
    if (scrollStep_ > 0 && next >= tall_.height())
        SetPosition(0);
    else
        SetPosition(static_cast<int>(std::max<std::int64_t>(0, next)));
}

void TAAScrollText::RepeatTick() {
    repeatTimer_.stop();
    if (!tall_.isNull())
        SetPosition(static_cast<int>((std::int64_t{position_} + scrollStep_) % tall_.height()));
    if (active_) scrollTimer_.SetEnabled(true);
}

} // namespace brelvane
