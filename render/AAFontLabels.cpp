#include "render/AAFontLabels.h"

#include "render/AnsiText.h"

namespace brelvane {

bool ApplyFontLabels(const TFontLabels& labels, QString& line, TFont& font, TAAEffect& effect) {
    bool found = false;
    for (const TFontLabel& label : labels.Items()) {
        const QString tag = QLatin1Char('<') + FromAnsi(label.Name) + QLatin1Char('>');
        const qsizetype at = line.indexOf(tag, 0, Qt::CaseInsensitive);
        if (at < 0) continue;
        font = label.Font;
        effect = label.Effect;
        line.remove(at, tag.size());
        found = true;
    }
    return found;
}

std::vector<TLabeledLine> ApplyFontLabelsToLines(const TFontLabels& labels,
                                                 const QStringList& lines, const TFont& font,
                                                 const TAAEffect& effect, TLabelEffect reach) {
    std::vector<TLabeledLine> result;
    result.reserve(static_cast<std::size_t>(lines.size()));
    TLabeledLine current{QString(), font, effect};
    for (const QString& line : lines) {
        if (reach == leOnlyALine) {
            current.Font = font;
            current.Effect = effect;
        }
        current.Text = line;
        ApplyFontLabels(labels, current.Text, current.Font, current.Effect);
        result.push_back(current);
    }
    return result;
}

} // namespace brelvane
