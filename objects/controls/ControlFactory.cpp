#include "objects/controls/ControlFactory.h"

namespace brelvane {

std::unique_ptr<TObjectWidget> CreateObjectControl(TAutoObject& object, QWidget* parent) {
    switch (object.Kind) {
    default:
        (void)parent;
        return nullptr;
    }
}

} // namespace brelvane
