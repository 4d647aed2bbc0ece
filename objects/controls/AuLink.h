#pragma once

#include "objects/controls/AALinkLabel.h"

namespace brelvane {

// Kind 4: a label that lights up under the pointer; a click runs the object's
// action (and opens the stored address, which the designer leaves empty).
class TAuLink : public TAALinkLabel {
    Q_OBJECT
public:
    TAuLink(TAutoObject& object, QWidget* parent);
    void Refresh() override;
};

} // namespace brelvane
