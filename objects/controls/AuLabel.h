#pragma once

#include "objects/controls/AALabel.h"

namespace brelvane {

struct TLabelFields;

// Kind 3: an anti-aliased caption; as a comment viewer it shows the comment
// in place of its caption.
class TAuLabel : public TAALabel {
    Q_OBJECT
public:
    TAuLabel(TAutoObject& object, QWidget* parent);
    void Refresh() override;
};

// What labels and links store alike, put on the control.
void ApplyLabelFields(TAALabel& label, const TLabelFields& fields);

} // namespace brelvane
