#pragma once

#include "objects/controls/ObjectWidget.h"
#include "objects/controls/TransitionControl.h"
#include "objects/records/SlideShowPayload.h"
#include "objects/records/SlideShowSequence.h"

#include <QTimer>
#include <array>
#include <string>

class QLabel;
class QToolButton;

namespace brelvane {

// Kind 13: pictures of a folder, one after another through transitions, with
// a control bar to play, go to the first, previous, next and last picture.
class TAuSlideShow : public TObjectWidget {
    Q_OBJECT
public:
    enum TBarButton { bbPlay, bbFirst, bbPrevious, bbNext, bbLast };
    static constexpr int kBarHeight = 21;

    TAuSlideShow(TAutoObject& object, QWidget* parent);

    void Refresh() override;

    // Reads the pictures of the work folder (relative to `base`) and its
    // configuration file; a missing folder leaves everything as it was.
    void ApplyFolder(const std::string& base);
    // Shows the next picture through a transition.
    void ShowNext();
    // The page's start call: a show with pictures waits for its timer.
    void StartShow();

    // Commands of actions and of the control bar.
    void PlayCommand();
    void StopCommand();
    void FirstCommand();
    void PreviousCommand();
    void NextCommand();
    void LastCommand();
    // "Load File with Object": another folder, shown from its first picture.
    void LoadFolder(const std::string& base, const std::string& folder);

    TSlideShowPayload& Show() const { return *PayloadAs<TSlideShowPayload>(); }
    TSlideSequence& Sequence() { return sequence_; }
    TTransitionControl& Transition() { return *transition_; }
    QTimer& Timer() { return timer_; }
    QToolButton* BarButton(TBarButton button) const { return buttons_[button]; }
    QLabel* PositionPanel() const { return position_; }
    QLabel* CaptionPanel() const { return caption_; }
    QWidget* Bar() const { return bar_; }
    const std::string& Folder() const { return folder_; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildBar();
    void LayOut();
    void UpdateButtons(int index);
    void SetPlayToggle(bool down);
    void ApplyLooks();
    void TransitionEnded();

    TSlideSequence sequence_;
    TTransitionControl* transition_ = nullptr;
    QWidget* bar_ = nullptr;
    std::array<QToolButton*, 5> buttons_{};
    QLabel* position_ = nullptr;
    QLabel* caption_ = nullptr;
    QTimer timer_;
    std::string folder_;
};

} // namespace brelvane
