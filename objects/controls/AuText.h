#pragma once

#include "objects/controls/AAText.h"

namespace brelvane {

// Kind 6: lines of anti-aliased text; as a comment viewer its whole line list
// becomes the comment.
class TAuText : public TAAText {
    Q_OBJECT
public:
    TAuText(TAutoObject& object, QWidget* parent);
    void Refresh() override;
};

} // namespace brelvane
