#pragma once

#include "objects/controls/ObjectWidget.h"

namespace brelvane {

// Kind 0: a push-button face with the caption in the button's font. Buttons
// of one check-style group (same non-zero group index, same parent) stay
// down when clicked, and a button going down releases the others.
class TAuButton : public TObjectWidget {
    Q_OBJECT
public:
    TAuButton(TAutoObject& object, QWidget* parent);

    // 0 = no group: the button never stays down.
    void SetGroup(int index);
    int Group() const { return GroupIndex; }
    void SetDown(bool down);
    bool Down() const { return IsDown; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void SetHeld(bool held, bool inside);
    void ReleaseOthersInGroup();

    int GroupIndex = 0;
    bool IsDown = false;
    // The left button went down on the button and is held; HeldInside while
    // the pointer is still over it.
    bool Held = false;
    bool HeldInside = false;
};

} // namespace brelvane
