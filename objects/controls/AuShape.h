#pragma once

#include "objects/controls/ObjectWidget.h"

namespace brelvane {

// Kind 19: one of the 38 shapes, painted over the page background.
class TAuShape : public TObjectWidget {
    Q_OBJECT
public:
    TAuShape(TAutoObject& object, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brelvane
