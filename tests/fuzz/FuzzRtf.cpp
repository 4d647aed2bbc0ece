// Rich text read both ways: stopping at the first fault and reading past
// faults meet the same first fault; what is read is written, and the written
// form reads back to the same document and is written again byte for byte.
#include "storage/rtf/RtfReader.h"
#include "storage/rtf/RtfWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace brelvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const TRtfReadResult stopped = ReadRtf(bytes, TRtfRecovery::StopAtFault);
    const TRtfReadResult readPast = ReadRtf(bytes, TRtfRecovery::ReadPastFaults);
    if (stopped.Fault != readPast.Fault) std::abort();
    if (stopped.Fault && stopped.Document != TRtfDocument{}) std::abort();
    if (!stopped.Fault && stopped.Document != readPast.Document) std::abort();

    const TRtfDocument& document = readPast.Document;
    const std::string written = WriteRtf(document);
    const TRtfReadResult back = ReadRtf(written, TRtfRecovery::StopAtFault);
    if (back.Fault) std::abort();
    // Writing may add the Symbol font that bullets are drawn with.
    const auto& fonts = back.Document.Fonts;
    if (fonts.size() < document.Fonts.size() ||
        !std::equal(document.Fonts.begin(), document.Fonts.end(), fonts.begin()))
        std::abort();
    if (back.Document.Paragraphs != document.Paragraphs ||
        back.Document.Language != document.Language)
        std::abort();
    // Text naming no font must not come back in the bullets' Symbol font.
    const auto isSymbol = [&](std::int32_t font) {
        return font >= 0 && static_cast<std::size_t>(font) < fonts.size() &&
               static_cast<std::size_t>(font) >= document.Fonts.size() &&
               fonts[static_cast<std::size_t>(font)].Charset == kSymbolCharset;
    };
    for (const TRtfParagraph& paragraph : back.Document.Paragraphs) {
        if (isSymbol(paragraph.MarkFormat.Font)) std::abort();
        for (const TRtfRun& run : paragraph.Runs)
            if (isSymbol(run.Format.Font)) std::abort();
    }
    if (WriteRtf(back.Document) != written) std::abort();
    return 0;
}
