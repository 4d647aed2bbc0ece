#pragma once

#include "objects/controls/AAFadeText.h"

namespace brelvane {

// Kind 5: lines shown one after another with cross-fades, running when its
// stored Active flag says so.
class TAuFadeLabel : public TAAFadeText {
    Q_OBJECT
public:
    TAuFadeLabel(TAutoObject& object, QWidget* parent);
    void Refresh() override;
};

} // namespace brelvane
