#include "storage/FontLabelsBlock.h"

#include <algorithm>

namespace brelvane {

bool TFontLabels::Add(TFontLabel label) {
    if (Find(label.Name)) return false;
    labels_.push_back(std::move(label));
    return true;
}

const TFontLabel* TFontLabels::Find(const std::string& name) const {
    const auto found = std::find_if(labels_.begin(), labels_.end(),
                                    [&](const TFontLabel& label) { return label.Name == name; });
    return found == labels_.end() ? nullptr : &*found;
}

} // namespace brelvane
