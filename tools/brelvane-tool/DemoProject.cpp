#include "Commands.h"
#include "DemoDocuments.h"
#include "DemoListsPage.h"
#include "DemoMediaPage.h"
#include "DemoMetafile.h"
#include "DemoPictures.h"
#include "objects/records/AgreementPayload.h"
#include "objects/records/AutoObject.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"
#include "objects/records/ShortCommand.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/TextPayload.h"
#include "player/ActionInterpreter.h"
#include "project/PageRecord.h"
#include "project/PageStream.h"
#include "storage/ErrorReport.h"
#include "storage/ProjectIndex.h"
#include "storage/StringBlock.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <filesystem>

namespace brelvane {

namespace {

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

TCommand Action(std::uint8_t type, const std::string& argument = "") {
    TCommand command;
    command.ActionType = type;
    command.ActionFile = argument;
    return command;
}

// A menu item whose hint carries its action.
TMenuItem MenuEntry(const std::string& caption, const TCommand& action) {
    TMenuItem item;
    item.Caption = caption;
    EncodeShortCommand(action, item.Hint);
    return item;
}

TAuToolButton ToolButton(const std::string& caption, QColor colour, const TCommand& action) {
    TAuToolButton button;
    button.Caption = caption;
    button.Hint = caption;
    button.Picture = Badge(colour, 16);
    button.Action = action;
    return button;
}

void AddBars(TPageRecord& page) {
    TMenuItem file;
    file.Caption = "&File";
    TMenuItem line;
    line.Caption = "-";
    file.Items = {MenuEntry("&Products", Action(atShowSubPage, "Products")),
                  MenuEntry("&About", Action(atShowSubPage, "About")),
                  MenuEntry("&Texts", Action(atShowSubPage, "Texts")),
                  MenuEntry("&Lists", Action(atShowSubPage, "Lists")),
                  MenuEntry("&Documents", Action(atShowSubPage, "Documents")),
                  MenuEntry("&Media", Action(atShowSubPage, "Media")),
                  line,
                  MenuEntry("E&xit", Action(atExit))};
    page.MenuBar = {file};
    page.PopupMenu = {MenuEntry("About this disc", Action(atShowSubPage, "About")),
                      MenuEntry("Exit", Action(atExit))};
    page.StatusPanels = {{0, "Welcome to the Brelvane demo", 300},
                         {0, "Right-click for more", 200}};
    TAuToolButton gap;
    gap.Caption = "-";
    gap.Separator = true;
    page.ToolBarShowCaptions = true;
    page.ToolBarCaptionsRight = true;
    page.ToolButtons = {
        ToolButton("Products", QColor(80, 160, 240), Action(atShowSubPage, "Products")), gap,
        ToolButton("About", QColor(250, 200, 60), Action(atShowSubPage, "About"))};
}

void AddBanner(TPageRecord& page) {
    auto& banner = Add<TShapePayload>(page, okShape, 20, 20);
    banner.Width = 600;
    banner.Height = 70;
    banner.Shape = 1;
    banner.FillStyle = 3;
    banner.FillColor = RGB(0xff, 0xc0, 0x40);
    banner.GradientColor = RGB(0xc0, 0x40, 0x20);
    banner.BorderWidth = 2;
    const std::pair<int, int> decorations[] = {{2, 1006}, {3, 0}, {24, 1004}};
    int left = 450;
    for (const auto& [shape, fill] : decorations) {
        auto& mark = Add<TShapePayload>(page, okShape, left, 35);
        mark.Width = mark.Height = 40;
        mark.Shape = shape;
        mark.FillStyle = fill;
        mark.FillColor = RGB(0x20, 0x30, 0x60);
        mark.BorderWidth = 1;
        mark.BorderColor = clWhite;
        left += 50;
    }
    auto& frame = Add<TShapePayload>(page, okShape, 20, 105);
    frame.Width = 600;
    frame.Height = 4;
    frame.Shape = 28;
}

// Three menu entries that light up, point at their page and describe
// themselves in the status bar and the picture beside them.
void AddMenuButtons(TPageRecord& page) {
    struct Entry {
        const char* caption;
        const char* comment;
        TCommand action;
        QColor colour;
    };
    const Entry entries[] = {
        {"Products", "See what is on this disc", Action(atShowSubPage, "Products"),
         QColor(240, 140, 60)},
        {"About", "Who made this disc", Action(atShowSubPage, "About"), QColor(160, 110, 230)},
        {"Exit", "Leave the menu", Action(atExit), QColor(220, 70, 70)}};
    int top = 130;
    for (const auto& entry : entries) {
        auto& button = Add<TImageButtonPayload>(page, okImageButton, 40, top);
        button.Caption = entry.caption;
        button.Width = 180;
        button.Height = 44;
        button.ButtonStyle = ibsFlat;
        button.NormalImage = Badge(QColor(80, 160, 240), 30);
        button.MouseOverImage = Badge(QColor(250, 200, 60), 30);
        button.MouseDownImage = Badge(QColor(250, 120, 40), 30);
        button.NormalFont.Color = clWhite;
        button.NormalFont.Size = 12;
        button.MouseOverFont.Size = 12;
        button.MouseDownFont.Size = 12;
        button.Hint = entry.comment;
        auto& props = page.Objects.back()->Props;
        props.ActionType = entry.action.ActionType;
        props.ActionFile = entry.action.ActionFile;
        props.Comment = entry.comment;
        props.CommentViewer = "StatusBar[0]";
        props.GraphicCommentViewer = "Preview";
        page.Objects.back()->GraphicComment = Badge(entry.colour, 160);
        top += 64;
    }
}

void AddPreviewAndToggles(TPageRecord& page) {
    auto& preview = Add<TImagePayload>(page, okImage, 300, 140);
    preview.ImageNormal = Badge(QColor(120, 200, 120), 160);
    preview.Width = preview.Height = 160;
    preview.Hint = "The badge of the button under the pointer";
    page.Objects.back()->Props.Name = "Preview";
    // Its own pop-up menu, in place of the page's.
    TMenuItem more;
    more.Caption = "More";
    more.Items = {MenuEntry("Our products", Action(atShowSubPage, "Products")),
                  MenuEntry("About this disc", Action(atShowSubPage, "About"))};
    page.Objects.back()->PopupMenu = {
        MenuEntry("About this picture", Action(atShowMessage, "A picture drawn by the demo.")),
        more};

    // Two toggles of one group: choosing one releases the other.
    const char* captions[] = {"English", "Deutsch"};
    int top = 150;
    for (const char* caption : captions) {
        auto& toggle = Add<TButtonPayload>(page, okButton, 500, top);
        toggle.Caption = caption;
        auto& props = page.Objects.back()->Props;
        props.GroupName = "Language";
        props.CheckStyleInGroup = true;
        props.Checked = top == 150;
        top += 35;
    }
}

TPageRecord MainPage() {
    TPageRecord page;
    page.Caption = "Brelvane Demo";
    page.PageName = "Main Page";
    page.PageKind = pkMainPage;
    page.Width = 640;
    page.Height = 460;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu | biMinimize;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    page.GradientColor = RGB(0x60, 0x90, 0xd0);
    page.Hint = "Brelvane demo menu";
    AddBars(page);
    AddBanner(page);
    AddMenuButtons(page);
    AddPreviewAndToggles(page);
    return page;
}

TPageRecord SubPage(const char* name, const char* caption, std::int32_t colour) {
    TPageRecord page;
    page.Caption = caption;
    page.PageName = name;
    page.PageKind = pkSubPage;
    page.Width = 400;
    page.Height = 300;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu;
    page.BackColor = colour;
    page.GradientColor = clWhite;
    page.GradientStyle = 5;
    auto& badge = Add<TImagePayload>(page, okImage, 150, 40);
    badge.ImageNormal = Badge(QColor(250, 200, 60), 100);
    badge.Width = badge.Height = 100;
    auto& ok = Add<TButtonPayload>(page, okButton, 148, 220);
    ok.Caption = "OK";
    ok.ButtonType = btOK;
    return page;
}

// The About page shows the demo's logo, a metafile, beside its badge.
TPageRecord AboutPage() {
    TPageRecord page = SubPage("About", "About this Disc", RGB(0xa0, 0x70, 0xe0));
    page.Width = 460;
    auto& badge = static_cast<TImagePayload&>(*page.Objects[0]->Payload);
    badge.Left = 40;
    page.Objects[1]->Payload->Left = (page.Width - page.Objects[1]->Payload->Width) / 2;
    auto& logo = Add<TImagePayload>(page, okImage, 260, 40);
    logo.ImageNormal = DemoMetafile();
    logo.Width = 160;
    logo.Height = 100;
    page.Objects.back()->Props.Name = "Logo";
    return page;
}

// A line of text: an image button without border or picture shows only its caption.
void AddLabel(TPageRecord& page, const std::string& text, int left, int top, int width, int size,
              std::int32_t colour, bool bold = false) {
    auto& label = Add<TImageButtonPayload>(page, okImageButton, left, top);
    label.Caption = text;
    label.Width = width;
    label.Height = size * 2 + 6;
    label.ButtonStyle = ibsBorderNone;
    label.ImageLayout = ilCenter;
    label.MouseDownSlide = false;
    TFont font;
    font.Name = "Tahoma";
    font.Size = size;
    font.Color = colour;
    font.Style = bold ? 1 : 0;
    label.NormalFont = label.MouseOverFont = label.MouseDownFont = font;
}

void AddDutyButton(TPageRecord& page, const char* caption, std::uint8_t duty, int left, int top) {
    auto& button = Add<TButtonPayload>(page, okButton, left, top);
    button.Caption = caption;
    button.ButtonType = duty;
    button.Width = 100;
}

// A centred dialog-like page of `kind` with a framed text panel.
TPageRecord FormPage(const char* name, const char* caption, std::uint8_t kind, int height) {
    TPageRecord page;
    page.PageName = name;
    page.Caption = caption;
    page.PageKind = kind;
    page.Width = 480;
    page.Height = height;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu;
    page.BackColor = RGB(0x20, 0x30, 0x60);
    page.GradientColor = RGB(0x40, 0x60, 0xa0);
    page.GradientStyle = 1;
    auto& panel = Add<TShapePayload>(page, okShape, 16, 16);
    panel.Width = 440;
    panel.Height = height - 110;
    panel.Shape = 1;
    panel.FillColor = RGB(0x18, 0x24, 0x48);
    panel.BorderColor = RGB(0xff, 0xc0, 0x40);
    panel.BorderWidth = 2;
    return page;
}

// Shown first, for three seconds or until clicked.
TPageRecord SplashPage() {
    TPageRecord page;
    page.PageName = "Welcome";
    page.Caption = "Welcome";
    page.PageKind = pkSplashScreen;
    page.Width = 420;
    page.Height = 240;
    page.Position = 4;
    page.BorderStyle = 0;
    page.StayTime = 3;
    page.ClickContinue = true;
    page.BackColor = RGB(0xff, 0xc0, 0x40);
    page.GradientColor = RGB(0xc0, 0x40, 0x20);
    page.GradientStyle = 1;
    auto& badge = Add<TImagePayload>(page, okImage, 170, 30);
    badge.ImageNormal = Badge(QColor(80, 160, 240), 80);
    badge.Width = badge.Height = 80;
    AddLabel(page, "Brelvane Demo", 0, 125, 420, 20, clWhite, true);
    AddLabel(page, "Click anywhere to continue", 0, 185, 420, 10, clWhite);
    return page;
}

// Lies behind the menu for the whole run.
TPageRecord ScreenBackgroundPage() {
    TPageRecord page;
    page.PageName = "Backdrop";
    page.Caption = "Backdrop";
    page.PageKind = pkScreenBackground;
    page.BackColor = RGB(0x10, 0x18, 0x30);
    page.GradientColor = RGB(0x30, 0x50, 0x90);
    page.GradientStyle = 1;
    auto& stripe = Add<TShapePayload>(page, okShape, 0, 60);
    stripe.Width = 4000;
    stripe.Height = 6;
    stripe.Shape = 28;
    AddLabel(page, "Brelvane Demo Disc", 30, 10, 600, 24, RGB(0xff, 0xc0, 0x40), true);
    return page;
}

TPageRecord AgreementForm() {
    auto page = FormPage("Agreement", "Licence Agreement", pkAgreementForm, 320);
    const char* lines[] = {"This demo disc is free to copy and to share.",
                           "It comes without warranty of any kind.", "",
                           "Tick the box and click \"I Agree\" to go on, or \"Decline\" to leave."};
    AddLabel(page, "Please read before you go on", 30, 28, 420, 12, RGB(0xff, 0xc0, 0x40), true);
    int top = 70;
    for (const char* line : lines) {
        if (*line) AddLabel(page, line, 30, top, 420, 10, clWhite);
        top += 28;
    }
    auto& accept = Add<TCheckBoxPayload>(page, okCheckBox, 30, 180);
    accept.Caption = "I have read the agreement";
    accept.Width = 420;
    accept.Height = 22;
    accept.Color = RGB(0x18, 0x24, 0x48);
    accept.Font.Size = 10;
    accept.Font.Color = clWhite;
    AddDutyButton(page, "I Agree", btSubmit, 125, 240);
    AddDutyButton(page, "Decline", btCancel, 255, 240);
    return page;
}

TPageRecord SecurityForm() {
    auto page = FormPage("Security", "Security Check", pkSecurityForm, 280);
    AddLabel(page, "This disc asks for a password", 30, 28, 420, 12, RGB(0xff, 0xc0, 0x40), true);
    AddLabel(page, "Type 1234 as the password, then click \"Submit\".", 30, 70, 420, 10, clWhite);
    auto& password = Add<TEditPayload>(page, okEdit, 140, 120);
    password.Width = 200;
    password.Height = 24;
    password.Font.Size = 12;
    password.AccurateText = "1234";
    password.PasswordChar = '*';
    password.MaxLength = 4;
    password.AllowRetry = 3;
    AddDutyButton(page, "Submit", btSubmit, 125, 200);
    AddDutyButton(page, "Cancel", btCancel, 255, 200);
    return page;
}

// Asks before the menu closes; it waits for an answer.
TPageRecord ExitForm() {
    auto page = FormPage("Leave", "Brelvane Demo", pkExitForm, 220);
    page.StayTime = 0;
    page.ClickContinue = false;
    AddLabel(page, "Leave the demo?", 30, 50, 420, 14, clWhite, true);
    AddDutyButton(page, "Yes", btOK, 125, 140);
    AddDutyButton(page, "No", btCancel, 255, 140);
    return page;
}

// The pages that run around the main page, after the main page and sub
// pages in the index.
void AddSpecialPages(std::vector<TPageRecord>& pages) {
    pages.push_back(SplashPage());
    pages.push_back(ScreenBackgroundPage());
    pages.push_back(AgreementForm());
    pages.push_back(SecurityForm());
    pages.push_back(ExitForm());
}

// Every kind of text object: smoothed labels and links, a line-by-line fade,
// a text whose font labels switch faces, a scrolling credit roll.
TPageRecord TextsPage() {
    TPageRecord page = SubPage("Texts", "Texts", RGB(0x30, 0x50, 0x80));
    page.Width = 560;
    page.Height = 420;
    // The sub pages' look, with objects of its own.
    page.Objects.clear();
    const TFont heading{
        .Name = "Arial", .Color = RGB(0xff, 0xe0, 0x80), .Size = 20, .Style = fsBold};
    const TFont body{.Name = "Arial", .Color = clWhite, .Size = 11};

    auto& label = Add<TLabelPayload>(page, okLabel, 20, 16);
    label.Caption = "Smooth text with a shadow";
    label.Font = heading;

    auto& link = Add<TLinkPayload>(page, okLink, 20, 60);
    link.Caption = "Point at this link";
    link.Font = {.Name = "Arial", .Color = clWhite, .Size = 14};
    link.HotLink.Color = RGB(0xff, 0xd0, 0x40);
    link.HotLink.UnderLine = true;
    page.Objects.back()->Props.Comment = "Links fade to their hot look";
    page.Objects.back()->Props.CommentViewer = "Label1";

    auto& fade = Add<TFadeLabelPayload>(page, okFadeLabel, 20, 100);
    fade.Width = 300;
    fade.Height = 30;
    fade.Font = {.Name = "Arial", .Color = RGB(0x20, 0x30, 0x60), .Size = 13, .Style = fsBold};
    fade.Text.Lines =
        "One line at a time\r\nEach fades in over the last\r\nThen it starts again\r\n";
    fade.Text.BackColor = RGB(0xf0, 0xf4, 0xff);
    SetDelaysInStoredOrder(fade.Text, 500, 2000);

    auto& text = Add<TTextPayload>(page, okText, 20, 150);
    text.Width = 250;
    text.Height = 190;
    text.Font = body;
    text.Text.WordWrap = true;
    text.Text.Lines = "<Title>Font labels\r\n<Body>A tag at the start of a line switches font and "
                      "effect for the lines that follow,\r\n<Note>until the next tag.\r\n";
    text.Fonts.Add({.Name = "Title", .Font = heading, .Effect = NewObjectEffect()});
    text.Fonts.Add({.Name = "Body", .Font = body, .Effect = {}});
    text.Fonts.Add(
        {.Name = "Note",
         .Font = {.Name = "Arial", .Color = RGB(0xa0, 0xe0, 0xff), .Size = 11, .Style = fsItalic},
         .Effect = {}});

    auto& scroll = Add<TScrollTextPayload>(page, okScrollText, 300, 150);
    scroll.Width = 230;
    scroll.Height = 190;
    scroll.RepeatDelay = 1000;
    scroll.ScrollDelay = 30;
    scroll.Text.Font = {.Name = "Arial", .Color = RGB(0x20, 0x30, 0x60), .Size = 12};
    scroll.Text.FadeHeight = 20;
    scroll.Text.BackColor = RGB(0xf0, 0xf4, 0xff);
    scroll.Text.Lines = "Brelvane\r\n\r\nScrolling text\r\nloops without a gap\r\n\r\n"
                        "and fades in and out\r\nat its edges\r\n";

    auto& simple = Add<TSimpleTextPayload>(page, okSimpleText, 20, 352);
    simple.Caption = "A plain label with its own hover look";
    simple.Font = body;
    simple.Width = 300;

    auto& ok = Add<TButtonPayload>(page, okButton, 440, 360);
    ok.Caption = "OK";
    ok.ButtonType = btOK;
    return page;
}

// A web view, a Flash movie, a text box, a rich-text box and a clip.
TPageRecord DocumentsPage() {
    TPageRecord page = SubPage("Documents", "Documents", RGB(0x30, 0x50, 0x80));
    page.Width = 630;
    page.Height = 420;
    page.Objects.clear();
    AddDocumentObjects(page);
    return page;
}

} // namespace

int RunMakeDemoCommand(const std::vector<std::string>& args) {
    bool valid = !args.empty();
    bool notebook = false;
    bool specialPages = true;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--notebook")
            notebook = true;
        else if (args[i] == "--no-special-pages")
            specialPages = false;
        else
            valid = false;
    }
    if (!valid) {
        std::fprintf(
            stderr,
            "usage: brelvane-tool make-demo BASEFOLDER [--notebook] [--no-special-pages]\n");
        return 2;
    }
    const auto source = args[0] + "/AutoRunSource";
    std::filesystem::create_directories(source);

    TProjectIndex index;
    index.Settings.ApplicationTitle = "Brelvane Demo";
    // Hints show in the project's own balloon, below and right of the pointer.
    auto& hint = *index.Settings.Hint;
    hint.UseCustomizedHint = true;
    hint.Direction = 2;
    hint.BackStyle = 2;
    hint.Color = RGB(0xff, 0xff, 0xe0);
    hint.GradientColor = RGB(0xff, 0xc8, 0x60);
    if (notebook) {
        // The main page and its sub pages as tabs of one window.
        index.Settings.ApplicationStyle = 1;
        index.Settings.TabSheetList = JoinLines({"Products", "About"});
    }
    std::vector<TPageRecord> pages;
    pages.push_back(MainPage());
    pages.push_back(SubPage("Products", "Our Products", RGB(0xf0, 0x90, 0x40)));
    pages.push_back(AboutPage());
    pages.push_back(TextsPage());
    pages.push_back(DemoListsPage());
    if (!WriteDemoDocs(args[0])) return 1;
    pages.push_back(DocumentsPage());
    pages.push_back(MediaPage());
    if (specialPages) AddSpecialPages(pages);
    for (const auto& page : pages) {
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = page.PageName;
        entry->Kind = page.PageKind;
        index.Pages.push_back(std::move(entry));
        if (!SavePageFile(source + "/" + page.PageName + ".pg", page)) return 1;
    }
    if (!WriteDemoDocuments(args[0])) {
        std::fprintf(stderr, "cannot write the demo's documents in %s\n", args[0].c_str());
        return 1;
    }
    if (!WriteDemoMedia(args[0])) return 1;
    return SaveIndexFile(source + "/AutoRun.src", index) ? 0 : 1;
}

} // namespace brelvane
