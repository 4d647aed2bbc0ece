#pragma once

#include "objects/controls/AABackdrop.h"
#include "objects/controls/AACustomText.h"
#include "objects/records/TextPayload.h"

#include <QTimer>

namespace brelvane {

// One line at a time, each cross-faded in over the one before and shown for
// LineDelay from the start of its fade.
class TAAFadeText : public TAACustomText {
    Q_OBJECT
public:
    static constexpr int kFadeStepMs = 25;

    TAAFadeText(TAutoObject& object, QWidget* parent);

    const TFadeTextParam& Text() const { return text_; }
    void SetText(const TFadeTextParam& text);
    // Kept within 50 .. LineDelay - 200.
    void SetFadeDelay(int delay);
    // Kept at least FadeDelay + 200.
    void SetLineDelay(int delay);
    const TFont& Font() const { return font_; }
    void SetFont(const TFont& font);

    bool Active() const { return active_; }
    // Switching on starts a new run with the line after the current one.
    void SetActive(bool active);
    // Passes before the text stops on an empty picture; 0 = endless.
    int RepeatCount() const { return repeatCount_; }
    void SetRepeatCount(int count) { repeatCount_ = count; }

    // The line shown or fading in; -1 before the first and after a completed run.
    int LineIndex() const { return index_; }
    const QString& CurrentLine() const { return current_.Text; }
    int Passes() const { return passes_; }
    double Weight() const { return weight_; }
    bool Fading() const { return fadeTimer_.isActive(); }
    bool LineTimerRunning() const { return lineTimer_.isActive(); }
    // The mix of the old and the new line as last shown.
    const QImage& ShownPicture() const { return shown_; }

    // Fades line `index` in; beyond the last line a pass is over.
    void ShowLine(int index);
    void FadeTick();
    void LineTick();

    std::function<void()> OnComplete;
    std::function<void()> OnPainted;

protected:
    void RebuildPictures() override;
    void PaintControl(QPainter& painter) override;

private:
    void Start();
    // The line with its labels applied; an empty text for an index outside the list.
    TLabeledLine LabeledLine(int index);
    void Render(const TLabeledLine& line, QImage& picture);
    // Makes `line` the new line, fading in from what is shown.
    void FadeIn(TLabeledLine line);
    // The shown picture for the current weight, when its rounded value changed.
    void Mix(bool repaint);

    TFadeTextParam text_;
    TFont font_;
    TAABackdrop backdrop_;
    bool active_ = true;
    bool startPending_ = true;
    int repeatCount_ = 0;
    int index_ = -1;
    int passes_ = 0;
    TLabeledLine previous_, current_;
    QImage shown_, old_, new_;
    double weight_ = 255;
    int shownWeight_ = 255;
    QTimer fadeTimer_, lineTimer_;
};

} // namespace brelvane
