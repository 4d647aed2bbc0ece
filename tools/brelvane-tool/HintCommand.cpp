// brelvane-tool hint: a customized hint balloon over a test pattern, placed
// for a mouse point on a screen of the given size.
#include "CommandOptions.h"
#include "Commands.h"
#include "player/NewHint.h"

#include <QPainter>
#include <cstdio>
#include <map>
#include <nlohmann/json.hpp>

namespace brelvane {
namespace {

constexpr const char* kUsage =
    "usage: brelvane-tool hint OUT.png --text T --mouse X,Y --screen WxH "
    "[--direction N] [--backstyle N] [--shadow S]\n";

struct THintOptions {
    std::string Out;
    QString Text;
    std::optional<QPoint> Mouse;
    std::optional<QSize> Screen;
    THintSettings Settings;
};

int Fail(const std::string& message) {
    std::fprintf(stderr, "%s", message.c_str());
    return 2;
}

// A grid of squares, so that what shows around the balloon is plain to see.
QImage TestPattern(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(QColor(214, 228, 240));
    QPainter painter(&image);
    painter.setPen(QColor(120, 150, 180));
    for (int x = 0; x < size.width(); x += 16)
        painter.drawLine(x, 0, x, size.height());
    for (int y = 0; y < size.height(); y += 16)
        painter.drawLine(0, y, size.width(), y);
    return image;
}

std::optional<THintOptions> ParseOptions(const std::vector<std::string>& args, std::string& error) {
    if (args.empty() || args.size() % 2 == 0) {
        error = kUsage;
        return std::nullopt;
    }
    THintOptions options;
    options.Out = args[0];
    auto& settings = options.Settings;
    settings.UseCustomizedHint = true;
    std::int32_t direction = settings.Direction;
    const std::map<std::string, std::pair<std::int32_t*, std::pair<int, int>>> numbers{
        {"--direction", {&direction, {0, 3}}},
        {"--backstyle", {&settings.BackStyle, {0, 9}}},
        {"--shadow", {&settings.ShadowOffset, {-1000, 1000}}}};
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const auto& name = args[i];
        const auto& text = args[i + 1];
        if (name == "--text") {
            options.Text = QString::fromStdString(text);
        } else if (name == "--mouse") {
            if (!(options.Mouse = PointOption(text))) error = "--mouse wants X,Y\n";
        } else if (name == "--screen") {
            if (!(options.Screen = SizeOption(text)))
                error = "--screen wants WIDTHxHEIGHT, each 1 to 8192\n";
        } else if (const auto field = numbers.find(name); field != numbers.end()) {
            const auto value = Number(text);
            const auto [low, high] = field->second.second;
            if (!value || *value < low || *value > high)
                error = name + " wants a number from " + std::to_string(low) + " to " +
                        std::to_string(high) + ", not \"" + text + "\"\n";
            else
                *field->second.first = static_cast<std::int32_t>(*value);
        } else {
            error = "unknown option " + name + "\n" + kUsage;
        }
        if (!error.empty()) return std::nullopt;
    }
    if (!options.Mouse || !options.Screen) {
        error = std::string("--mouse and --screen are needed\n") + kUsage;
        return std::nullopt;
    }
    settings.Direction = static_cast<std::uint8_t>(direction);
    return options;
}
} // namespace

int RunHintCommand(const std::vector<std::string>& args) {
    std::string error;
    const auto options = ParseOptions(args, error);
    if (!options) return Fail(error);
    const QRect screen(QPoint(0, 0), *options->Screen);
    QImage shot = TestPattern(screen.size());
    TNewHint hint(options->Settings, true);
    const QRect rect = hint.CalcHintRect(screen.width(), options->Text).translated(*options->Mouse);
    hint.ActivateHintOn(rect, options->Text, screen, &shot);
    QPainter(&shot).drawImage(hint.geometry().topLeft(), hint.WorkImage());
    hint.hide();
    if (!shot.save(QString::fromStdString(options->Out), "PNG"))
        return Fail("cannot write \"" + options->Out + "\"\n");
    const QRect window = hint.geometry();
    const nlohmann::ordered_json json{{"Direction", hint.UsedDirection()},
                                      {"Left", window.left()},
                                      {"Top", window.top()},
                                      {"Width", window.width()},
                                      {"Height", window.height()}};
    std::printf("%s\n", json.dump(2).c_str());
    return 0;
}

} // namespace brelvane
