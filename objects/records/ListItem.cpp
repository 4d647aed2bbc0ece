#include "objects/records/ListItem.h"

namespace brelvane {

bool WriteListItem(TStream& stream, const TListBoxItem& item, bool withChildren,
                   bool withSubItems) {
    TFieldWriter writer(stream);
    return Transfer(kWriteListItemError, [&] {
        return Fields(writer, const_cast<TListBoxItem&>(item),
                      TItemForm{withChildren, withSubItems});
    });
}

bool ReadListItem(TStream& stream, TListBoxItem& item, bool withChildren, bool withSubItems) {
    TFieldReader reader(stream);
    return Transfer(kReadListItemError, [&] {
        return Fields(reader, item, TItemForm{withChildren, withSubItems});
    });
}

const TListBoxItem* ItemAt(const std::vector<TListBoxItem>& items, std::int32_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= items.size()) return nullptr;
    return &items[static_cast<std::size_t>(index)];
}

std::vector<std::string> SubItemLines(const std::string& subItems) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < subItems.size()) {
        const auto end = subItems.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(subItems.substr(start));
            break;
        }
        lines.push_back(subItems.substr(start, end - start));
        start = end + 1;
        if (subItems[end] == '\r' && start < subItems.size() && subItems[start] == '\n') ++start;
    }
    return lines;
}

} // namespace brelvane
