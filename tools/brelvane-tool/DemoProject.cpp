#include "Commands.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "storage/ErrorReport.h"
#include "storage/ProjectIndex.h"
#include "storage/project/PageStream.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

namespace brelvane {

namespace {

TPicture PngPicture(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {TPictureKind::Png, {bytes.begin(), bytes.end()}};
}

// A round badge in the given colour, drawn in code so the demo needs no files.
TPicture Badge(QColor colour, int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(QPen(colour.darker(160), 2));
    painter.drawEllipse(2, 2, size - 4, size - 4);
    return PngPicture(image);
}

template <class Payload> Payload& Add(TPageRecord& page, std::uint8_t kind, int left, int top) {
    auto* object = AddObjectRecord(page.Objects, kind, left, top);
    return static_cast<Payload&>(*object->Payload);
}

TPageRecord MainPage() {
    TPageRecord page;
    page.Caption = "Brelvane Demo";
    page.PageName = "Main Page";
    page.PageKind = pkMainPage;
    page.Width = 640;
    page.Height = 420;
    page.Position = 4;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    page.GradientColor = RGB(0x60, 0x90, 0xd0);

    TMenuItem file;
    file.Caption = "&File";
    TMenuItem exit;
    exit.Caption = "E&xit";
    file.Items.push_back(exit);
    page.MenuBar.push_back(file);
    page.StatusPanels = {{0, "Welcome to the Brelvane demo", 300}, {0, "", 200}};

    auto& banner = Add<TShapePayload>(page, okShape, 20, 20);
    banner.Width = 600;
    banner.Height = 80;
    banner.Shape = 1;
    banner.FillStyle = 3;
    banner.FillColor = RGB(0xff, 0xc0, 0x40);
    banner.GradientColor = RGB(0xc0, 0x40, 0x20);
    banner.BorderWidth = 2;

    const std::pair<const char*, const char*> buttons[] = {{"Install", "Install the product"},
                                                           {"Browse", "Browse this disc"},
                                                           {"Exit", "Leave the menu"}};
    int top = 130;
    for (const auto& [caption, comment] : buttons) {
        auto& button = Add<TImageButtonPayload>(page, okImageButton, 40, top);
        button.Caption = caption;
        button.Width = 160;
        button.Height = 40;
        button.ButtonStyle = ibsFlat;
        button.NormalImage = Badge(QColor(80, 160, 240), 28);
        button.MouseOverImage = Badge(QColor(250, 200, 60), 28);
        button.NormalFont.Color = clWhite;
        button.NormalFont.Size = 11;
        page.Objects.back()->Props.Comment = comment;
        page.Objects.back()->Props.CommentViewer = "StatusBar[0]";
        top += 60;
    }

    auto& picture = Add<TImagePayload>(page, okImage, 360, 140);
    picture.ImageNormal = Badge(QColor(120, 200, 120), 160);
    picture.Width = picture.Height = 160;

    auto& about = Add<TButtonPayload>(page, okButton, 520, 340);
    about.Caption = "About";
    return page;
}

TPageRecord SubPage(const char* name, const char* caption) {
    TPageRecord page;
    page.Caption = caption;
    page.PageName = name;
    page.PageKind = pkSubPage;
    page.Width = 400;
    page.Height = 300;
    page.Position = 4;
    auto& ok = Add<TButtonPayload>(page, okButton, 150, 220);
    ok.Caption = "OK";
    ok.ButtonType = btOK;
    return page;
}

} // namespace

int RunMakeDemoCommand(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::fprintf(stderr, "usage: brelvane-tool make-demo BASEFOLDER\n");
        return 2;
    }
    const auto source = args[0] + "/AutoRunSource";
    std::filesystem::create_directories(source);

    TProjectIndex index;
    index.Settings.ApplicationTitle = "Brelvane Demo";
    std::vector<TPageRecord> pages;
    pages.push_back(MainPage());
    pages.push_back(SubPage("Products", "Our Products"));
    pages.push_back(SubPage("About", "About this Disc"));
    for (const auto& page : pages) {
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = page.PageName;
        entry->Kind = page.PageKind;
        index.Pages.push_back(std::move(entry));
        if (!SavePageFile(source + "/" + page.PageName + ".pg", page)) return 1;
    }
    return SaveIndexFile(source + "/AutoRun.src", index) ? 0 : 1;
}

} // namespace brelvane
