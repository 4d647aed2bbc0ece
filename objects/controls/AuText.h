#pragma once

#include "objects/controls/AAText.h"

namespace brelvane {

// The fields Text and FadeLabel records share, applied to their control.
template <class Control, class Payload>
void ApplyTextFields(Control& control, const Payload& payload) {
    control.SetAlign(payload.Align);
    control.SetAutoSize(payload.AutoSize);
    control.SetBorder(payload.Border);
    control.SetText(payload.Text);
    control.SetFonts(payload.Fonts);
    control.SetFont(payload.Font);
}

// Kind 6: lines of anti-aliased text; as a comment viewer its whole line list
// becomes the comment.
class TAuText : public TAAText {
    Q_OBJECT
public:
    TAuText(TAutoObject& object, QWidget* parent);
    void Refresh() override;
};

} // namespace brelvane
