#pragma once

#include "storage/ByteStream.h"
#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"

#include <string>
#include <vector>

namespace brelvane {

enum : int { kWriteFontLabelsError = 1059, kReadFontLabelsError = 1060 };

// A named font and effect that tags inside a text switch to.
struct TFontLabel {
    std::string Name;
    TFont Font;
    TAAEffect Effect;
    bool operator==(const TFontLabel&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TFontLabel& label) {
    return ar("Effect", label.Effect) && ar("Font", label.Font) && ar("Name", label.Name);
}

// Names are unique in a collection.
class TFontLabels {
public:
    static constexpr TRecordCodes Codes{kWriteFontLabelsError, kReadFontLabelsError};

    // Adds a label; a name that is already there leaves the collection unchanged.
    bool Add(TFontLabel label);
    const TFontLabel* Find(const std::string& name) const;
    void Clear() { labels_.clear(); }
    const std::vector<TFontLabel>& Items() const { return labels_; }
    bool operator==(const TFontLabels&) const = default;

private:
    // The stored form: a counted list, read back entry by entry as it was
    // stored, so that a stream holding a name twice round-trips unchanged.
    friend std::vector<TFontLabel>& Entries(TFontLabels& labels) { return labels.labels_; }
    std::vector<TFontLabel> labels_;
};

inline constexpr auto WriteFontLabels = &WriteRecord<TFontLabels>;
inline constexpr auto ReadFontLabels = &ReadRecord<TFontLabels>;

} // namespace brelvane
