#pragma once

#include "objects/controls/ObjectWidget.h"

namespace brelvane {

// The pressed and hover looks shared by image buttons and images: entry and
// exit light and darken the control before the page hears of them, a move
// inside recovers a missed entry, the left button presses. While the button
// is held the control keeps the pointer, and leaving or re-entering its area
// counts as exit and entry, so that a held button shows up once the pointer
// is off it.
class TLookWidget : public TObjectWidget {
    Q_OBJECT
public:
    using TObjectWidget::TObjectWidget;

    bool Pressed() const { return PressedLook; }
    bool Hovered() const { return HoverLook; }
    bool Checked() const { return Record().Props.Checked; }
    void ClearHoverLook() override;

protected:
    // Called after any look changed, before the repaint.
    virtual void LooksChanged() {}
    void RestoreLooks(bool pressed, bool hovered);

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void SetLooks(bool pressed, bool hovered);
    void Enter();
    void Leave();

    bool PressedLook = false;
    bool HoverLook = false;
    // The page has been told of an entry and not yet of the exit.
    bool Inside = false;
};

} // namespace brelvane
