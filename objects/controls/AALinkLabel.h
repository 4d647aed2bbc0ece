#pragma once

#include "objects/controls/AALabel.h"

#include <QTimer>

namespace brelvane {

// A label that cross-fades to its hot look while the pointer is over it and
// opens its address when clicked.
class TAALinkLabel : public TAALabel {
    Q_OBJECT
public:
    enum class TFadeDirection { None, In, Out };
    static constexpr int kFadeStepMs = 55;

    TAALinkLabel(TAutoObject& object, QWidget* parent);

    const THotLink& HotLink() const { return hotLink_; }
    void SetHotLink(const THotLink& hotLink);

    // The hot look's share of what is shown, 0..255.
    double Weight() const { return weight_; }
    TFadeDirection Direction() const { return direction_; }
    bool Hovered() const { return hovered_; }
    // The two looks and their mix, as the last entry drew them.
    const QImage& HotLook() const { return hot_; }
    const QImage& MixedLook() const { return mixed_; }

    // One step of the cross-fade (the fade timer's tick).
    void FadeTick();

protected:
    void RebuildPictures() override;
    void PaintControl(QPainter& painter) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DrawLooks();
    void SetWeight(double weight);
    void StopFade();

    THotLink hotLink_;
    TAABackdrop hotBackdrop_;
    QImage normal_, hot_, mixed_;
    QTimer fadeTimer_;
    double weight_ = 0;
    int shownWeight_ = 0;
    TFadeDirection direction_ = TFadeDirection::None;
    bool hovered_ = false;
};

} // namespace brelvane
