#include "storage/FontLabelsBlock.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <algorithm>
#include <cerrno>

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

bool WriteFontLabels(TStream& stream, const TFontLabels& labels) {
    return Transfer(kWriteFontLabelsError, [&] {
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(labels.Items().size()));
        for (const auto& label : labels.Items()) {
            if (!WriteEffect(stream, label.Effect) || !WriteFont(stream, label.Font) ||
                !WriteString(stream, label.Name))
                return false;
        }
        return true;
    });
}

bool ReadFontLabels(TStream& stream, TFontLabels& labels) {
    return Transfer(kReadFontLabelsError, [&] {
        labels.Clear();
        const auto count = ReadField<std::int32_t>(stream);
        if (count < 0) {
            errno = 0;
            throw StreamError("bad label count");
        }
        // Stored entries are appended as they come, one per entry.
        for (std::int32_t i = 0; i < count; ++i) {
            TFontLabel label;
            if (!ReadEffect(stream, label.Effect) || !ReadFont(stream, label.Font) ||
                !ReadString(stream, label.Name))
                return false;
            labels.labels_.push_back(std::move(label));
        }
        return true;
    });
}

} // namespace brelvane
