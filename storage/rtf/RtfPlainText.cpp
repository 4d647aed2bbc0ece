#include "storage/rtf/RtfPlainText.h"

#include "storage/AnsiCodePage.h"

namespace brelvane {

bool IsRtfContent(std::string_view content) {
    return content.starts_with("{\\rtf");
}

TRtfDocument PlainTextDocument(std::string_view ansi) {
    TRtfDocument document;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = ansi.find_first_of("\r\n", start);
        TRtfParagraph paragraph;
        const std::string_view line = ansi.substr(start, end - start);
        if (!line.empty()) paragraph.Runs.push_back(TRtfRun{{}, AnsiToUtf8(line)});
        document.Paragraphs.push_back(std::move(paragraph));
        if (end == std::string_view::npos) break;
        start = end + (ansi.substr(end, 2) == "\r\n" ? 2 : 1);
    }
    return document;
}

std::string PlainTextOf(const TRtfDocument& document) {
    std::string utf8;
    for (std::size_t i = 0; i < document.Paragraphs.size(); ++i) {
        if (i > 0) utf8 += "\r\n";
        for (const TRtfRun& run : document.Paragraphs[i].Runs)
            for (const char c : run.Text) {
                if (c == '\n')
                    utf8 += "\r\n";
                else
                    utf8 += c;
            }
    }
    return Utf8ToAnsi(utf8);
}

TRtfReadResult ReadRichContent(std::string_view content, TRtfRecovery recovery) {
    if (IsRtfContent(content)) return ReadRtf(content, recovery);
    return TRtfReadResult{PlainTextDocument(content), std::nullopt};
}

} // namespace brelvane
