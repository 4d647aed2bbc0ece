#include "Commands.h"
#include "DemoPictures.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "objects/records/ShapePayload.h"
#include "project/PageRecord.h"
#include "project/PageStream.h"
#include "storage/ProjectIndex.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <cstdio>
#include <filesystem>
#include <map>

namespace brelvane {

namespace {

// The starter library written by code, so that it needs no files of its own.
// Page templates, by the folder of their tab.
struct TPageTemplate {
    const char* Tab;
    const char* Name;
    std::uint8_t Kind;
    std::int32_t Colour;
    std::int32_t Gradient;
    int Width;
    int Height;
};
constexpr TPageTemplate kPageTemplates[] = {
    {"Normal", "Blue Menu", pkMainPage, RGB(0x20, 0x30, 0x60), RGB(0x60, 0x90, 0xd0), 640, 480},
    {"Normal", "Sunny Sub Page", pkSubPage, RGB(0xf0, 0x90, 0x40), clWhite, 400, 300},
    {"Splash Screen", "Gradient Splash", pkSplashScreen, RGB(0x10, 0x10, 0x40),
     RGB(0x80, 0x40, 0xc0), 480, 300},
    {"Screen Background", "Night Sky", pkScreenBackground, RGB(0x00, 0x10, 0x30),
     RGB(0x20, 0x50, 0x90), 800, 600},
    {"Agreement Form", "Licence", pkAgreementForm, RGB(0xe0, 0xe8, 0xf0), clWhite, 480, 320},
    {"Security Form", "Password", pkSecurityForm, RGB(0x30, 0x30, 0x30), RGB(0x70, 0x70, 0x70), 420,
     240},
    {"Exit Form", "Goodbye", pkExitForm, RGB(0x20, 0x60, 0x30), RGB(0x90, 0xd0, 0x90), 420, 220},
};

template <class Payload> Payload& Add(TAutoObjects& objects, std::uint8_t kind, int left, int top) {
    return static_cast<Payload&>(*AddObjectRecord(objects, kind, left, top)->Payload);
}

// A vertical two-colour background picture.
TPicture GradientPicture(QColor top, QColor bottom) {
    QImage image(160, 120, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 0, image.height());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(image.rect(), gradient);
    return PngPicture(image);
}

TPageRecord PageOf(const TPageTemplate& layout) {
    TPageRecord page;
    page.PageName = layout.Name;
    page.Caption = layout.Name;
    page.PageKind = layout.Kind;
    page.Width = layout.Width;
    page.Height = layout.Height;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu;
    page.BackColor = layout.Colour;
    page.GradientColor = layout.Gradient;
    page.GradientStyle = 1;
    auto& banner = Add<TShapePayload>(page.Objects, okShape, 20, 20);
    banner.Width = layout.Width - 40;
    banner.Height = 50;
    banner.Shape = 1;
    banner.FillStyle = 3;
    banner.FillColor = RGB(0xff, 0xc0, 0x40);
    banner.GradientColor = RGB(0xc0, 0x40, 0x20);
    auto& title = Add<TLabelPayload>(page.Objects, okLabel, 36, 34);
    title.Caption = layout.Name;
    title.Effect.Transparent = true;
    auto& button =
        Add<TButtonPayload>(page.Objects, okButton, layout.Width - 125, layout.Height - 45);
    button.Caption = layout.Kind == pkExitForm ? "Exit" : "OK";
    // Names are given when a page is made from the template.
    for (auto& object : page.Objects)
        object->Props.Name.clear();
    return page;
}

// Object templates by group; the "Background" group holds page backgrounds.
void AddButtons(TAutoObjects& objects) {
    for (const char* caption : {"OK", "Cancel", "Next >", "Exit"})
        Add<TButtonPayload>(objects, okButton, 0, 0).Caption = caption;
}

void AddShapes(TAutoObjects& objects) {
    const std::pair<int, std::int32_t> shapes[] = {
        {0, RGB(0x40, 0x80, 0xe0)}, {2, RGB(0xe0, 0x60, 0x40)}, {3, RGB(0x40, 0xb0, 0x60)}};
    for (const auto& [shape, colour] : shapes) {
        auto& payload = Add<TShapePayload>(objects, okShape, 0, 0);
        payload.Width = payload.Height = 60;
        payload.Shape = shape;
        payload.FillColor = colour;
        payload.BorderWidth = 2;
    }
}

void AddBackgrounds(TAutoObjects& objects) {
    const std::pair<QColor, QColor> colours[] = {
        {QColor(0x20, 0x30, 0x60), QColor(0x60, 0x90, 0xd0)},
        {QColor(0xf0, 0xe0, 0xc0), QColor(0xc0, 0x80, 0x40)},
        {QColor(0x10, 0x40, 0x20), QColor(0x80, 0xc0, 0x80)}};
    for (const auto& [top, bottom] : colours) {
        auto& image = Add<TImagePayload>(objects, okImage, 0, 0);
        image.Width = 160;
        image.Height = 120;
        image.Stretch = true;
        image.ImageNormal = GradientPicture(top, bottom);
    }
}

void AddTexts(TAutoObjects& objects) {
    for (const char* caption : {"Welcome", "Install", "Read Me"}) {
        auto& label = Add<TLabelPayload>(objects, okLabel, 0, 0);
        label.Caption = caption;
    }
}

struct TObjectGroup {
    const char* Name;
    void (*Fill)(TAutoObjects&);
};
constexpr TObjectGroup kObjectGroups[] = {
    {"01Buttons", AddButtons},
    {"02Shapes", AddShapes},
    {"03Background", AddBackgrounds},
    {"04Texts", AddTexts},
};

std::string Numbered(const std::string& prefix, int number) {
    char digits[16];
    std::snprintf(digits, sizeof digits, "%03d", number);
    return prefix + digits;
}

bool WriteGroup(const std::string& folder, const TObjectGroup& group) {
    std::filesystem::create_directories(folder);
    TAutoObjects objects;
    group.Fill(objects);
    std::map<std::string, int> numbers;
    for (auto& object : objects) {
        object->Props.Name.clear();
        const std::string prefix(KindName(object->Kind));
        if (!SaveObjectFile(folder + "/" + Numbered(prefix, ++numbers[prefix]), *object))
            return false;
    }
    return true;
}

} // namespace

int RunMakeTemplatesCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool make-templates DIR\n");
        return 2;
    }
    const auto& root = args[0];
    try {
        for (const auto& layout : kPageTemplates) {
            const auto folder = root + "/Pages/" + layout.Tab;
            std::filesystem::create_directories(folder);
            if (!SavePageFile(folder + "/" + layout.Name, PageOf(layout))) return 1;
        }
        for (const auto& group : kObjectGroups)
            if (!WriteGroup(root + "/Objects/" + group.Name, group)) return 1;
    } catch (const std::filesystem::filesystem_error& error) {
        std::fprintf(stderr, "cannot write the templates: %s\n", error.what());
        return 1;
    }
    return 0;
}

} // namespace brelvane
