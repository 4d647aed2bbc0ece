#include "Commands.h"
#include "render/AAFontEx.h"

#include <QBuffer>
#include <QPainter>
#include <cstdio>
#include <functional>

namespace brelvane {
namespace {

constexpr int kColumns = 4;
constexpr int kCellWidth = 300;
constexpr int kCellHeight = 170;
constexpr int kCaption = 18;

struct Sample {
    const char* caption;
    std::function<void(TAAEffect&, TAACanvas&, TAAFontEx&)> setUp;
};

// Stripes and a dot, so that the modes of a texture can be told apart.
TPicture TexturePicture() {
    QImage image(24, 24, QImage::Format_RGB32);
    image.fill(QColor(30, 90, 200));
    QPainter painter(&image);
    painter.fillRect(0, 0, 24, 6, QColor(250, 200, 40));
    painter.fillRect(0, 12, 24, 6, QColor(220, 40, 60));
    painter.setBrush(Qt::white);
    painter.drawEllipse(8, 6, 8, 8);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return TPicture{TPictureKind::Png, std::vector<std::uint8_t>(bytes.begin(), bytes.end())};
}

TAAEffect Gradient(int style) {
    TAAEffect effect;
    effect.Gradual = {true, static_cast<std::uint8_t>(style), RGB(255, 220, 0), RGB(200, 0, 90)};
    return effect;
}

TAAEffect Texture(int mode) {
    TAAEffect effect;
    effect.Texture = {true, static_cast<std::uint8_t>(mode), TexturePicture()};
    return effect;
}

TAAEffect Shadowed(int dx, int dy) {
    TAAEffect effect;
    effect.Shadow.Enabled = true;
    effect.Shadow.OffsetX = static_cast<std::int8_t>(dx);
    effect.Shadow.OffsetY = static_cast<std::int8_t>(dy);
    return effect;
}

void Use(TAAEffect& effect, const TAAEffect& chosen) {
    effect = chosen;
}

std::vector<Sample> Samples() {
    using E = TAAEffect;
    std::vector<Sample> samples{
        {"plain, aqHigh", [](E&, TAACanvas&, TAAFontEx& f) { f.SetQuality(aqHigh); }},
        {"plain, aqNormal", [](E&, TAACanvas&, TAAFontEx&) {}},
        {"plain, aqLow", [](E&, TAACanvas&, TAAFontEx& f) { f.SetQuality(aqLow); }},
        {"plain, aqNone", [](E&, TAACanvas&, TAAFontEx& f) { f.SetQuality(aqNone); }},
        {"italic", [](E&, TAACanvas& c, TAAFontEx&) { c.Font.setItalic(true); }},
        {"Alpha 40", [](E& e, TAACanvas&, TAAFontEx&) { e.Alpha = 40; }},
        {"Blur 50", [](E& e, TAACanvas&, TAAFontEx&) { e.Blur = 50; }},
        {"Blur 100", [](E& e, TAACanvas&, TAAFontEx&) { e.Blur = 100; }},
        {"Noise 120", [](E& e, TAACanvas&, TAAFontEx&) { e.Noise = 120; }},
        {"Spray 2", [](E& e, TAACanvas&, TAAFontEx&) { e.Spray = 2; }},
        {"Outline", [](E& e, TAACanvas&, TAAFontEx&) { e.Outline = true; }},
        {"HorzMirror", [](E& e, TAACanvas&, TAAFontEx&) { e.HorzMirror = true; }},
        {"VertMirror", [](E& e, TAACanvas&, TAAFontEx&) { e.VertMirror = true; }},
        {"Angle 30", [](E& e, TAACanvas&, TAAFontEx&) { e.Angle = 30; }},
        {"Angle 90", [](E& e, TAACanvas&, TAAFontEx&) { e.Angle = 90; }},
        {"Angle -150", [](E& e, TAACanvas&, TAAFontEx&) { e.Angle = -150; }},
        {"Shadow (2, 2)", [](E& e, TAACanvas&, TAAFontEx&) { Use(e, Shadowed(2, 2)); }},
        {"Shadow (-6, -4), Blur 0",
         [](E& e, TAACanvas&, TAAFontEx&) {
             Use(e, Shadowed(-6, -4));
             e.Shadow.Blur = 0;
         }},
        {"Shadow (5, 5) Alpha 100 red",
         [](E& e, TAACanvas&, TAAFontEx&) {
             Use(e, Shadowed(5, 5));
             e.Shadow.Alpha = 100;
             e.Shadow.Color = RGB(220, 0, 0);
         }},
        {"clear brush, Shadow (3, 3)",
         [](E& e, TAACanvas& c, TAAFontEx&) {
             Use(e, Shadowed(3, 3));
             c.Brush = Qt::NoBrush;
         }},
    };
    const char* styles[] = {"LeftToRight", "RightToLeft",       "TopToBottom",
                            "BottomToTop", "CenterToLeftRight", "CenterToTopBottom"};
    for (int style = gsLeftToRight; style <= gsCenterToTB; ++style)
        samples.push_back(
            {styles[style], [style](E& e, TAACanvas&, TAAFontEx&) { Use(e, Gradient(style)); }});
    const char* modes[] = {"Tile", "Stretch", "Center", "Normal"};
    for (int mode = tmTiled; mode <= tmNormal; ++mode)
        samples.push_back(
            {modes[mode], [mode](E& e, TAACanvas&, TAAFontEx&) { Use(e, Texture(mode)); }});
    samples.insert(samples.end(), {
                                      {"Blur 30 + Shadow (bench)",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Shadowed(2, 2));
                                           e.Blur = 30;
                                       }},
                                      {"Outline + Shadow",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Shadowed(3, 3));
                                           e.Outline = true;
                                       }},
                                      {"Gradient + Shadow + Angle 15",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Gradient(gsTopToBottom));
                                           e.Shadow = Shadowed(4, 4).Shadow;
                                           e.Angle = 15;
                                       }},
                                      {"Texture + Noise 80",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Texture(tmTiled));
                                           e.Noise = 80;
                                       }},
                                      {"Gradient + Alpha 50, clear",
                                       [](E& e, TAACanvas& c, TAAFontEx&) {
                                           Use(e, Gradient(gsCenterToLR));
                                           e.Alpha = 50;
                                           c.Brush = Qt::NoBrush;
                                       }},
                                      {"Mirrors + Outline + Blur 40",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           e.HorzMirror = e.VertMirror = e.Outline = true;
                                           e.Blur = 40;
                                       }},
                                      {"Spray 3 + Gradient",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Gradient(gsLeftToRight));
                                           e.Spray = 3;
                                       }},
                                      {"Angle 45 + Shadow + Texture",
                                       [](E& e, TAACanvas&, TAAFontEx&) {
                                           Use(e, Texture(tmStretched));
                                           e.Shadow = Shadowed(3, 3).Shadow;
                                           e.Angle = 45;
                                       }},
                                  });
    return samples;
}

// A checker the clear-brush samples show through.
void PaintCell(QImage& sheet, const QRect& cell) {
    QPainter painter(&sheet);
    painter.fillRect(cell, QColor(235, 235, 235));
    for (int y = cell.top() + kCaption; y < cell.bottom(); y += 10)
        for (int x = cell.left() + ((y / 10) % 2) * 10; x < cell.right(); x += 20)
            painter.fillRect(QRect(x, y, 10, 10).intersected(cell), QColor(200, 215, 235));
}

void Caption(QImage& sheet, const QRect& cell, const char* caption) {
    QPainter painter(&sheet);
    painter.setPen(Qt::black);
    painter.drawText(cell.adjusted(4, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, caption);
    painter.setPen(QColor(150, 150, 150));
    painter.drawRect(cell.adjusted(0, 0, -1, -1));
}

} // namespace

int RunAATextSheetCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool aa-sheet OUT.png\n");
        return 2;
    }
    const auto samples = Samples();
    const int rows = static_cast<int>((samples.size() + kColumns - 1) / kColumns);
    QImage sheet(kColumns * kCellWidth, rows * kCellHeight, QImage::Format_RGB32);
    sheet.fill(Qt::white);
    const auto cellOf = [](std::size_t i) {
        return QRect(static_cast<int>(i % kColumns) * kCellWidth,
                     static_cast<int>(i / kColumns) * kCellHeight, kCellWidth, kCellHeight);
    };
    // All backgrounds first, so that a sample reaching out of its cell stays visible.
    for (std::size_t i = 0; i < samples.size(); ++i)
        PaintCell(sheet, cellOf(i));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const QRect cell = cellOf(i);
        TAACanvas canvas;
        canvas.Image = &sheet;
        canvas.SetFont(TFont{"Arial", RGB(20, 40, 160), 24, fsBold});
        TAAFontEx font(&canvas);
        font.Random().Seed(1);
        TAAEffect effect;
        samples[i].setUp(effect, canvas, font);
        font.SetEffect(effect);
        const QString text = QStringLiteral("Brelvane");
        const int x = cell.left() + (kCellWidth - font.TextWidth(text)) / 2;
        const int y = cell.top() + kCaption + (kCellHeight - kCaption - font.TextHeight(text)) / 2;
        font.TextOut(x, y, text);
        Caption(sheet, cell, samples[i].caption);
    }
    if (!sheet.save(QString::fromStdString(args[0]), "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", args[0].c_str());
        return 1;
    }
    std::printf("%zu samples written to %s\n", samples.size(), args[0].c_str());
    return 0;
}

} // namespace brelvane
