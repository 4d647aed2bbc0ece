#pragma once

#include "objects/controls/ObjectWidget.h"

namespace brelvane {

struct TSimpleTextPayload;

// Kind 17: a plain word-wrapping label that shows its normal, hot or pressed
// font and background colour. The pointer changes the look only while the
// object is not checked; a checked object shows the pressed look.
class TAuSimpleText : public TObjectWidget {
    Q_OBJECT
public:
    enum class TLook { Normal, Hot, Pressed };

    TAuSimpleText(TAutoObject& object, QWidget* parent);

    TLook Look() const { return ShownLook; }
    // Picks up a new caption or checked state.
    void Refresh() override;
    void ClearHoverLook() override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    // Shows `look` unless the object is checked.
    void PointerLook(TLook look);
    void Show(TLook look);
    // With AutoSize the height follows the wrapped caption; the width stays.
    void FitHeight();

    TLook ShownLook = TLook::Normal;
    bool ShownChecked = false;
};

} // namespace brelvane
