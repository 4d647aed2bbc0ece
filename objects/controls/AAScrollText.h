#pragma once

#include "objects/controls/AABackdrop.h"
#include "objects/controls/AACustomText.h"
#include "objects/records/TextPayload.h"
#include "platform/AATimer.h"

#include <QTimer>
#include <array>
#include <vector>

namespace brelvane {

// Bounds that keep a damaged record from asking for pictures no screen needs:
// the faded band at each edge, and the tall picture holding the whole text.
inline constexpr int kMaxFadeHeight = 4096;
inline constexpr int kMaxScrollPictureHeight = 1 << 16;

// Text scrolling upwards in an endless loop: the whole text is drawn once
// into a tall picture, and each tick only moves the window shown from it.
class TAAScrollText : public TAACustomText {
    Q_OBJECT
public:
    TAAScrollText(TAutoObject& object, QWidget* parent,
                  platform::TAATimerMgr& timers = platform::TAATimerMgr::Instance());

    const TScrollTextParam& Text() const { return text_; }
    // A new text, font or size rebuilds and starts again from the top.
    void SetText(const TScrollTextParam& text);

    bool Active() const { return active_; }
    void SetActive(bool active);
    int ScrollDelay() const { return scrollDelay_; }
    void SetScrollDelay(int delay);
    int ScrollStep() const { return scrollStep_; }
    void SetScrollStep(int step) { scrollStep_ = step; }
    // Passes before scrolling stops; 0 = endless.
    int RepeatCount() const { return repeatCount_; }
    void SetRepeatCount(int count) { repeatCount_ = count; }
    // The pause at the top before each pass, in ms.
    int RepeatDelay() const { return repeatDelay_; }
    void SetRepeatDelay(int delay) { repeatDelay_ = delay; }

    // The top of the shown window in the tall picture.
    int Position() const { return position_; }
    // Taken modulo the tall picture's height; repaints.
    void SetPosition(int position);
    // Completed passes; -1 before the first.
    int Passes() const { return passes_; }
    bool Scrolling() const { return scrollTimer_.Enabled(); }
    bool Pausing() const { return repeatTimer_.isActive(); }
    const QImage& TallPicture() const { return tall_; }
    // What the last paint showed.
    const QImage& ShownPicture() const { return screen_; }

    // The scroll timer's and the repeat timer's ticks.
    void ScrollTick();
    void RepeatTick();

    std::function<void()> OnComplete;
    std::function<void()> OnPainted;

protected:
    void RebuildPictures() override;
    void PaintControl(QPainter& painter) override;

private:
    void ComposeScreen();
    // What each faded edge row makes of a channel value, per row and channel (B, G, R).
    void PrepareFade();
    void FadeEdges();

    TScrollTextParam text_;
    TAABackdrop backdrop_;
    bool active_ = true;
    int scrollDelay_ = 60;
    int scrollStep_ = 1;
    int repeatCount_ = 0;
    int repeatDelay_ = 2000;
    QImage tall_, screen_;
    std::vector<std::array<std::array<std::uint8_t, 256>, 3>> fadeRows_;
    int position_ = 0;
    int passes_ = -1;
    platform::TAATimer scrollTimer_;
    QTimer repeatTimer_;
};

} // namespace brelvane
