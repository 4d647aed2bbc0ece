#include "DemoDocuments.h"

#include "objects/records/AutoObject.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextBoxPayload.h"
#include "storage/avi/AviWriter.h"
#include "storage/swf/SwfWriter.h"

#include <filesystem>
#include <fstream>

namespace brelvane {

namespace {

constexpr char kGuide[] = R"(<!doctype html>
<html><head><meta charset="utf-8"><title>Guide</title><style>
body { font-family: sans-serif; margin: 10px; background: #f4f8ff; color: #203060; }
a { display: block; margin: 6px 0; color: #1050c0; }
</style></head><body>
<h3>Disc guide</h3>
<a id="texts" href="CMD_GOTOPAGE=Texts">Show the Texts page</a>
<a id="readme" href="CMD_OPEN=Documents/readme.txt">Open the read-me file</a>
<a id="more" href="more.html">An ordinary link</a>
</body></html>
)";

constexpr char kMore[] = R"(<!doctype html>
<html><head><meta charset="utf-8"><style>
body { font-family: sans-serif; margin: 10px; background: #fff8e0; color: #604010; }
</style></head><body><h3>More</h3><p>An ordinary page, navigated inside the view.</p>
<a href="guide.html">Back to the guide</a></body></html>
)";

constexpr char kReadMe[] = "Brelvane demo\r\nThis file is opened by a link in the guide.\r\n";

constexpr char kRichText[] = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                             "{\\colortbl;\\red200\\green40\\blue40;\\red30\\green90\\blue180;}"
                             "\\qc\\fs28{\\b Rich text}\\par\\ql\\fs20 "
                             "{\\cf1 Colour}, {\\i italics} and {\\cf2\\b bold blue},\\par "
                             "caf\\'e9 and \\u8364? from the RTF reader.\\par}";

// A clip of a square circling a dark field: each frame after the first
// codes only what changed.
std::vector<std::uint8_t> SpinningClip() {
    constexpr std::int32_t w = 96, h = 72, frames = 12;
    TAviContent clip;
    clip.Width = w;
    clip.Height = h;
    clip.MicroSecPerFrame = 83333;
    clip.Palette = {0x102040, 0xf0c040, 0x40a0f0};
    std::vector<std::uint8_t> previous;
    for (std::int32_t f = 0; f < frames; ++f) {
        std::vector<std::uint8_t> frame(w * h, 0);
        const std::int32_t cx = 36 + (f < 6 ? f * 4 : (12 - f) * 4);
        const std::int32_t cy = 26 + (f % 6 < 3 ? (f % 3) * 4 : (3 - f % 3) * 4);
        for (std::int32_t y = 0; y < 20; ++y)
            for (std::int32_t x = 0; x < 20; ++x)
                frame[(cy + y) * w + cx + x] = (x + y) % 8 < 4 ? 1 : 2;
        clip.Frames.push_back(EncodeRle8(frame, previous.empty() ? nullptr : &previous, w, h));
        previous = std::move(frame);
    }
    return WriteAvi(clip);
}

std::vector<std::uint8_t> IntroMovie() {
    TSwfContent movie;
    movie.Width = 300;
    movie.Height = 180;
    movie.Background = 0x203060;
    for (std::int32_t f = 0; f < 24; ++f)
        movie.Frames.push_back({20 + f * 9, 60 + (f % 12 < 6 ? f % 6 : 6 - f % 6) * 8, 40, 40,
                                f % 2 ? 0xf0c040u : 0x40a0f0u});
    return WriteSwf(movie);
}

template <class Bytes> bool WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

template <class Payload>
Payload& Add(TPageRecord& page, std::uint8_t kind, int left, int top, int width, int height) {
    auto* object = AddObjectRecord(page.Objects, kind, left, top);
    object->Payload->Width = width;
    object->Payload->Height = height;
    return static_cast<Payload&>(*object->Payload);
}

} // namespace

void AddDocumentObjects(TPageRecord& page) {
    auto& web = Add<TExplorerPayload>(page, okExplorer, 10, 10, 300, 200);
    web.ExplorerType = etFile;
    web.Location = "\\Documents\\guide.html";
    page.Objects.back()->Props.Name = "Guide";

    auto& flash = Add<TFlashPayload>(page, okFlash, 320, 10, 300, 200);
    flash.MovieFile = "\\Documents\\intro.swf";

    auto& text = Add<TTextBoxPayload>(page, okTextBox, 10, 220, 200, 150);
    text.Text =
        "A text box shows\r\nthe lines of a file,\r\nread-only, with its\r\nown scroll bars.\r\n";
    text.Font = {.Name = "Arial", .Color = RGB(0x20, 0x30, 0x60), .Size = 10};

    auto& rich = Add<TRichTextPayload>(page, okRichText, 220, 220, 200, 150);
    rich.RichText = kRichText;
    rich.Font = {.Name = "Arial", .Color = RGB(0, 0, 0), .Size = 10};

    auto& clip = Add<TAviPayload>(page, okAVI, 430, 220, 190, 150);
    clip.FileName = "\\Documents\\spin.avi";

    auto& ok = Add<TButtonPayload>(page, okButton, 545, 385, 75, 25);
    ok.Caption = "OK";
    ok.ButtonType = btOK;
}

bool WriteDemoDocuments(const std::string& base) {
    const std::filesystem::path folder = std::filesystem::path(base) / "Documents";
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    return !error && WriteFile(folder / "guide.html", std::string(kGuide)) &&
           WriteFile(folder / "more.html", std::string(kMore)) &&
           WriteFile(folder / "readme.txt", std::string(kReadMe)) &&
           WriteFile(folder / "intro.swf", IntroMovie()) &&
           WriteFile(folder / "spin.avi", SpinningClip());
}

} // namespace brelvane
