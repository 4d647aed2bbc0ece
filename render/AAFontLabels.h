#pragma once

#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"
#include "storage/FontLabelsBlock.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace brelvane {

// How far a label tag reaches in a text of several lines.
enum TLabelEffect : std::uint8_t {
    leOnlyALine,      // its own line only
    leUntilNextLabel, // the following lines too, until another tag changes it
};

// For each label in collection order whose tag "<Name>" occurs in `line` (any case): copies
// the label's font and effect into `font` and `effect` and removes that first occurrence.
// The last matching label wins. Returns whether a tag was found.
bool ApplyFontLabels(const TFontLabels& labels, QString& line, TFont& font, TAAEffect& effect);

// One line of a text with its tags removed, and the font and effect it is drawn in.
struct TLabeledLine {
    QString Text;
    TFont Font;
    TAAEffect Effect;
};

// Applies the tags line by line, starting from `font` and `effect`; `reach` says whether a
// tag's settings carry on to the following lines.
std::vector<TLabeledLine> ApplyFontLabelsToLines(const TFontLabels& labels,
                                                 const QStringList& lines, const TFont& font,
                                                 const TAAEffect& effect, TLabelEffect reach);

} // namespace brelvane
