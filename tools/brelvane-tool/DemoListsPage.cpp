#include "DemoListsPage.h"

#include "objects/records/AutoObject.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ItemListPayloads.h"
#include "objects/records/ListViewPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShellPayloads.h"
#include "objects/records/TreeViewPayload.h"
#include "player/ActionInterpreter.h"
#include "storage/EffectBlock.h"
#include "storage/ProjectIndex.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <filesystem>
#include <fstream>

namespace brelvane {

namespace {

// A square tile, drawn in code (shapes only, so that every machine writes
// the same bytes) so the demo needs no files.
TPicture Tile(QColor colour) {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(colour);
    painter.setPen(QPen(colour.darker(150), 2));
    painter.drawRoundedRect(2, 2, 28, 28, 6, 6);
    painter.setBrush(Qt::white);
    painter.setPen(Qt::NoPen);
    painter.drawEllipse(10, 10, 12, 12);
    painter.end();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {TPictureKind::Png, {bytes.begin(), bytes.end()}};
}

TListBoxItem Item(const std::string& caption, QColor colour, std::uint8_t action,
                  const std::string& argument, const std::string& subItems = "") {
    TListBoxItem item;
    item.Caption = caption;
    item.Icon = Tile(colour);
    item.Command.ActionType = action;
    item.Command.ActionFile = argument;
    item.SubItems = subItems;
    return item;
}

TListBoxItem Message(const std::string& caption, QColor colour, const std::string& subItems = "") {
    return Item(caption, colour, atShowMessage, "You chose " + caption + ".", subItems);
}

std::vector<TListBoxItem> MenuItems() {
    return {Message("Welcome", QColor(60, 140, 220)),
            Item("Texts", QColor(230, 150, 40), atShowSubPage, "Texts"),
            Item("About", QColor(150, 100, 220), atShowSubPage, "About"),
            Item("Close", QColor(200, 60, 60), atCloseWindow, "")};
}

template <class Payload>
Payload& Add(TPageRecord& page, std::uint8_t kind, int left, int top, int width, int height) {
    auto* object = AddObjectRecord(page.Objects, kind, left, top);
    auto& payload = static_cast<Payload&>(*object->Payload);
    payload.Width = width;
    payload.Height = height;
    return payload;
}

TTreeNode Node(const std::string& caption, QColor colour, std::vector<TListBoxItem> associated,
               std::vector<TTreeNode> children = {}) {
    TTreeNode node;
    node.Item = Message(caption, colour);
    node.Item.AssociatedItems = std::move(associated);
    node.Nodes = std::move(children);
    return node;
}

void AddTreeAndListView(TPageRecord& page) {
    const QColor blue(60, 140, 220), green(60, 170, 90), orange(230, 150, 40);
    auto& tree = Add<TTreeViewPayload>(page, okTreeView, 210, 16, 170, 200);
    tree.AssociatedListView = "ListView1";
    tree.ExpandLevels = 1;
    // The first two associated items of "Software" stand for its child nodes
    // and borrow their icons; the third runs its own action.
    TListBoxItem tools = Message("Tools", green, "Utilities\r\n2 MB\r\n");
    tools.Icon = {};
    TListBoxItem games = Message("Games", orange, "Play\r\n40 MB\r\n");
    games.Icon = {};
    tree.Nodes = {Node("Software", blue,
                       {tools, games, Message("Read me", blue, "Text\r\n4 KB\r\n")},
                       {Node("Tools", green,
                             {Message("Editor", green, "Program\r\n1 MB\r\n"),
                              Message("Viewer", green, "Program\r\n1 MB\r\n")}),
                        Node("Games", orange, {Message("Puzzle", orange, "Game\r\n12 MB\r\n")})}),
                  Node("Documents", QColor(150, 100, 220),
                       {Message("Manual", QColor(150, 100, 220), "Document\r\n300 KB\r\n")}),
                  Node("Empty", QColor(120, 120, 120), {})};

    auto& view = Add<TListViewPayload>(page, okListView, 390, 16, 214, 200);
    view.IconWidth = view.IconHeight = 16;
    view.ViewStyle = vsReport;
    view.ReportGridLines = true;
    view.ReportRowSelect = true;
    TListColumn name, kind, size;
    name.Caption = "Name";
    name.Width = 90;
    kind.Caption = "Kind";
    kind.Width = 62;
    size.Caption = "Size";
    size.Alignment = caRight;
    size.Width = 56;
    view.Columns = {name, kind, size};
}

void AddShellViews(TPageRecord& page) {
    auto& combo = Add<TShellComboBoxPayload>(page, okShellComboBox, 16, 226, 180, 25);
    combo.Root = "\\Docs";
    combo.ShellTreeView = "ShellTreeView1";
    auto& tree = Add<TShellTreeViewPayload>(page, okShellTreeView, 16, 258, 180, 150);
    tree.Root = "\\Docs";
    tree.ShellListView = "ShellListView1";
    auto& list = Add<TShellListViewPayload>(page, okShellListView, 210, 226, 394, 182);
    list.Root = "\\Docs";
    list.ViewStyle = vsIcon;
    list.HotTrack = true;
}

} // namespace

TPageRecord DemoListsPage() {
    TPageRecord page;
    page.Caption = "Lists";
    page.PageName = "Lists";
    page.PageKind = pkSubPage;
    page.Width = 620;
    page.Height = 460;
    page.Position = 4;
    page.BorderStyle = 3;
    page.BorderIcons = biSystemMenu;
    page.BackColor = RGB(0x30, 0x60, 0x50);
    page.GradientColor = clWhite;
    page.GradientStyle = 5;

    auto& listBox = Add<TListBoxPayload>(page, okListBox, 16, 16, 180, 150);
    listBox.Items = MenuItems();
    listBox.IconWidth = listBox.IconHeight = 24;
    listBox.ItemHeight = 30;
    auto& dropDown = Add<TDropDownListPayload>(page, okDropDownList, 16, 180, 180, 25);
    dropDown.Items = MenuItems();
    dropDown.SelectedIndex = 0;
    dropDown.DropDownCount = 3;
    AddTreeAndListView(page);
    AddShellViews(page);

    auto& ok = Add<TButtonPayload>(page, okButton, 530, 420, 75, 25);
    ok.Caption = "OK";
    ok.ButtonType = btOK;
    return page;
}

bool WriteDemoDocs(const std::string& baseFolder) {
    namespace fs = std::filesystem;
    const fs::path docs = fs::path(baseFolder) / "Docs";
    std::error_code error;
    for (const char* folder : {"Manual", "Pictures"})
        if (fs::create_directories(docs / folder, error); error) return false;
    const std::pair<const char*, const char*> files[] = {
        {"Read me.txt", "Thank you for choosing the Brelvane demo disc.\r\n"},
        {"Manual/Getting started.txt", "Put the disc in; the menu starts by itself.\r\n"},
        {"Pictures/Captions.txt", "Pictures of the demo.\r\n"}};
    for (const auto& [name, text] : files) {
        std::ofstream out(docs / name, std::ios::binary);
        out << text;
        if (!out) return false;
    }
    return true;
}

} // namespace brelvane
