#include "Commands.h"
#include "storage/SaveFile.h"
#include "storage/rtf/RtfPlainText.h"
#include "storage/rtf/RtfWriter.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>

namespace brelvane {

namespace {

using nlohmann::ordered_json;

ordered_json FormatJson(const TRtfCharFormat& format) {
    ordered_json json{{"Font", format.Font},           {"HalfPoints", format.HalfPoints},
                      {"Bold", format.Bold},           {"Italic", format.Italic},
                      {"Underline", format.Underline}, {"Strike", format.Strike}};
    if (format.Color) {
        char hex[8];
        std::snprintf(hex, sizeof hex, "#%02x%02x%02x", format.Color->Red, format.Color->Green,
                      format.Color->Blue);
        json["Color"] = hex;
    } else {
        json["Color"] = nullptr;
    }
    return json;
}

ordered_json DocumentJson(const TRtfDocument& document) {
    static constexpr std::array<const char*, 8> kFamilies{"nil",    "roman", "swiss", "modern",
                                                          "script", "decor", "tech",  "bidi"};
    static constexpr std::array<const char*, 4> kAlignments{"left", "center", "right", "justify"};
    ordered_json fonts = ordered_json::array();
    for (const TRtfFont& font : document.Fonts)
        fonts.push_back({{"Name", font.Name},
                         {"Family", kFamilies.at(static_cast<std::size_t>(font.Family))},
                         {"Charset", font.Charset},
                         {"Pitch", font.Pitch}});
    ordered_json paragraphs = ordered_json::array();
    for (const TRtfParagraph& paragraph : document.Paragraphs) {
        ordered_json runs = ordered_json::array();
        for (const TRtfRun& run : paragraph.Runs)
            runs.push_back({{"Text", run.Text}, {"Format", FormatJson(run.Format)}});
        const TRtfParagraphFormat& format = paragraph.Format;
        paragraphs.push_back(
            {{"Alignment", kAlignments.at(static_cast<std::size_t>(format.Alignment))},
             {"LeftIndent", format.LeftIndent},
             {"RightIndent", format.RightIndent},
             {"FirstIndent", format.FirstIndent},
             {"Bullet", format.Bullet},
             {"Runs", std::move(runs)},
             {"MarkFormat", FormatJson(paragraph.MarkFormat)}});
    }
    return {{"Language", document.Language},
            {"Fonts", std::move(fonts)},
            {"Paragraphs", std::move(paragraphs)}};
}

} // namespace

int RunRtfCommand(const std::vector<std::string>& args) {
    if (args.empty() || args.size() > 2) {
        std::fprintf(stderr, "usage: brelvane-tool rtf IN [OUT]\n");
        return 2;
    }
    const std::string& path = args[0];
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "\"%s\": %s\n", path.c_str(), std::strerror(errno));
        return 1;
    }
    const std::string content{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const TRtfReadResult read = ReadRichContent(content, TRtfRecovery::StopAtFault);
    if (read.Fault) {
        std::fprintf(stderr, "\"%s\": %s\n", path.c_str(), RtfFaultText(*read.Fault).c_str());
        return 1;
    }
    if (args.size() == 1) {
        const std::string json =
            DocumentJson(read.Document).dump(2, ' ', false, ordered_json::error_handler_t::replace);
        std::printf("%s\n", json.c_str());
        return 0;
    }
    const std::string rtf = WriteRtf(read.Document);
    try {
        SaveFileAtomically(args[1], [&](TStream& out) {
            out.Write(rtf.data(), rtf.size());
            return true;
        });
    } catch (const StreamError&) {
        std::fprintf(stderr, "\"%s\": %s\n", args[1].c_str(), std::strerror(errno));
        return 1;
    }
    return 0;
}

} // namespace brelvane
