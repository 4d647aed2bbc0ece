#pragma once

#include "storage/rtf/RtfReader.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace brelvane::test {

// Reads `rtf` stopping at faults; a fault fails the calling test.
inline TRtfDocument ReadGood(std::string_view rtf) {
    TRtfReadResult result = ReadRtf(rtf, TRtfRecovery::StopAtFault);
    EXPECT_FALSE(result.Fault) << RtfFaultText(*result.Fault) << " in " << rtf;
    return std::move(result.Document);
}

// All text of a paragraph, its runs joined.
inline std::string TextOf(const TRtfParagraph& paragraph) {
    std::string text;
    for (const TRtfRun& run : paragraph.Runs)
        text += run.Text;
    return text;
}

// The rich text a minimal writer would store around `body`.
inline std::string Wrapped(std::string_view body) {
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fnil\\fcharset0 Arial;}"
           "{\\f1\\fnil\\fcharset2 Symbol;}}{\\colortbl ;\\red255\\green0\\blue0;"
           "\\red0\\green0\\blue255;}\\pard " +
           std::string(body) + "}";
}

// The document's paragraphs as text for comparing content: fonts by name
// instead of their place in the table, which writing may extend.
inline std::string ContentOf(const TRtfDocument& document) {
    std::string out;
    const auto format = [&](const TRtfCharFormat& f) {
        const bool named = f.Font >= 0 && static_cast<std::size_t>(f.Font) < document.Fonts.size();
        std::string text =
            "[" +
            (named ? document.Fonts[static_cast<std::size_t>(f.Font)].Name : std::string("?")) +
            " " + std::to_string(f.HalfPoints) + (f.Bold ? " b" : "") + (f.Italic ? " i" : "") +
            (f.Underline ? " ul" : "") + (f.Strike ? " strike" : "");
        if (f.Color)
            text += " #" + std::to_string(f.Color->Red) + "," + std::to_string(f.Color->Green) +
                    "," + std::to_string(f.Color->Blue);
        return text + "]";
    };
    for (const TRtfParagraph& paragraph : document.Paragraphs) {
        const TRtfParagraphFormat& p = paragraph.Format;
        out += "paragraph " + std::to_string(static_cast<int>(p.Alignment)) + " " +
               std::to_string(p.LeftIndent) + " " + std::to_string(p.RightIndent) + " " +
               std::to_string(p.FirstIndent) + (p.Bullet ? " bullet" : "") + "\n";
        for (const TRtfRun& run : paragraph.Runs)
            out += "  " + format(run.Format) + run.Text + "\n";
        out += "  mark " + format(paragraph.MarkFormat) + "\n";
    }
    return out;
}

} // namespace brelvane::test
