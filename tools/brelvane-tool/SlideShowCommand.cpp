// brelvane-tool slideshow: the order and settings a slide show gives the
// pictures of a folder, and the frames of its first transition.
#include "CommandOptions.h"
#include "Commands.h"
#include "objects/controls/SlidePicture.h"
#include "objects/records/SlideShowConfig.h"
#include "objects/records/SlideShowSequence.h"
#include "render/TransitionComposer.h"
#include "storage/ErrorReport.h"

#include <QDir>
#include <cstdint>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>
#include <optional>

namespace brelvane {
namespace {

constexpr const char* kUsage =
    "usage: brelvane-tool slideshow WORKFOLDER OUT_DIR [--size WxH] [--style N] [--step N] "
    "[--delay MS] [--interval MS] [--image-style N] [--seed N]\n";

struct TShowOptions {
    std::string Folder;
    std::string OutDir;
    QSize Size{640, 480};
    TSlideShowPayload Show;
    std::uint32_t Seed = 1;
};

// The options, or a message saying what is wrong with them.
std::optional<TShowOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    if (args.size() < 2 || args.size() % 2 != 0) {
        error = kUsage;
        return std::nullopt;
    }
    TShowOptions options;
    options.Folder = args[0];
    options.OutDir = args[1];
    auto& settings = options.Show.Settings;
    const std::map<std::string, std::int32_t*> fields{{"--style", &settings.Style},
                                                      {"--step", &settings.Step},
                                                      {"--delay", &settings.StepDelay},
                                                      {"--interval", &settings.Interval},
                                                      {"--image-style", &settings.ImageStyle}};
    for (std::size_t i = 2; i < args.size(); i += 2) {
        const auto& name = args[i];
        const auto& text = args[i + 1];
        if (name == "--size") {
            const auto size = SizeOption(text);
            if (!size) {
                error = "--size wants WIDTHxHEIGHT, each 1 to 8192, not \"" + text + "\"\n";
                return std::nullopt;
            }
            options.Size = *size;
            continue;
        }
        const auto value = Number(text);
        const bool inInt32 = value && *value >= INT32_MIN && *value <= INT32_MAX;
        if (name == "--seed" && value && *value >= 0 && *value <= UINT32_MAX) {
            options.Seed = static_cast<std::uint32_t>(*value);
            continue;
        }
        const auto field = fields.find(name);
        if (field == fields.end() || !inInt32) {
            error = "unknown option or bad number: " + name + " " + text + "\n" + kUsage;
            return std::nullopt;
        }
        *field->second = static_cast<std::int32_t>(*value);
    }
    return options;
}

// Writes the frames of the plan's transition from black; false after a message.
bool WriteFrames(const TShowOptions& options, const TSlidePlan& plan) {
    std::string error;
    const QImage picture =
        LoadSlidePicture(options.Folder + "/" + plan.File, options.Size, plan.ImageStyle, error);
    if (picture.isNull()) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return false;
    }
    TTransitionImages images;
    images.Old = QImage(options.Size, QImage::Format_RGB32);
    images.Old.fill(Qt::black);
    images.New = ComposeFitted(picture, options.Size, qRgb(0, 0, 0), plan.ImageStyle);
    images.Frame = QImage(options.Size, QImage::Format_RGB32);
    const QDir out(QString::fromStdString(options.OutDir));
    int frame = 0;
    for (int progress = 0; !ProgressAtEnd(progress, false);) {
        progress = NextProgress(progress, plan.Step, false);
        UpdateFrame(images, plan.Style, plan.Step, progress, {});
        const QString path = out.filePath(QString("frame-%1.png").arg(++frame, 3, 10, QChar('0')));
        if (!images.Frame.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return false;
        }
    }
    std::fprintf(stderr, "%d frames written to %s\n", frame, options.OutDir.c_str());
    return true;
}

} // namespace

int RunSlideShowCommand(const std::vector<std::string>& args) {
    std::string error;
    auto options = ParseOptions(args, error);
    if (!options) {
        std::fputs(error.c_str(), stderr);
        return 2;
    }
    if (!QDir(QString::fromStdString(options->Folder)).exists()) {
        std::fprintf(stderr, "\"%s\": no such folder\n", options->Folder.c_str());
        return 1;
    }
    if (!QDir().mkpath(QString::fromStdString(options->OutDir))) {
        std::fprintf(stderr, "cannot create %s\n", options->OutDir.c_str());
        return 1;
    }
    // Numbered errors of a damaged configuration go to stderr like the rest.
    const auto previous =
        SetErrorSink([](const std::string& text) { std::fprintf(stderr, "%s\n", text.c_str()); });
    TSlideSequence sequence;
    sequence.Seed(options->Seed);
    sequence.Pictures = ListSlidePictures(options->Folder);
    if (const auto config = FindSlideShowConfig(options->Folder); !config.empty())
        if (ReadSlideShowConfigFile(config, sequence.Entries) == TConfigRead::WrongMagic)
            std::fprintf(stderr, "ERROR: Invalid file format \"%s\".\n", config.c_str());
    SetErrorSink(previous);

    auto shown = nlohmann::ordered_json::array();
    std::optional<TSlidePlan> first;
    for (std::size_t i = 0; i < sequence.Pictures.size(); ++i) {
        const auto plan = sequence.PlanNext(options->Show);
        if (!first) first = plan;
        shown.push_back({{"File", plan->File},
                         {"Style", plan->Style},
                         {"Step", plan->Step},
                         {"StepDelay", plan->StepDelay},
                         {"Interval", plan->Interval},
                         {"ImageStyle", plan->ImageStyle}});
        sequence.Advance(*plan, options->Show);
    }
    std::printf("%s\n", shown.dump(2).c_str());
    if (!first) {
        std::fprintf(stderr, "no pictures in %s\n", options->Folder.c_str());
        return 0;
    }
    return WriteFrames(*options, *first) ? 0 : 1;
}

} // namespace brelvane
