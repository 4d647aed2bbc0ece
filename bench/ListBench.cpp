// The list objects against the plain Qt views they are built on: painting one
// screen of a 2,000-item list box against a QListWidget with the same captions
// and icons; reading a 5,000-node tree (depth 4, three associated items per
// node) from its payload with its image cells, against filling a QTreeWidget
// with the same captions and decoded icons; a shell list view of a folder of
// 5,000 files to its first paint, against a bare QListView over a
// QFileSystemModel. Every benchmark runs three times and the fastest run counts.
#include "BenchIcons.h"
#include "FastestReporter.h"
#include "objects/controls/AuItemList.h"
#include "objects/controls/AuShellViews.h"
#include "objects/controls/AuTreeView.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/Payload.h"
#include "objects/records/TreeViewPayload.h"
#include "storage/ByteStream.h"

#include <QApplication>
#include <QEventLoop>
#include <QFileSystemModel>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>

namespace {
using namespace brelvane;

constexpr int kListItems = 2000;
constexpr int kTreeLevels = 4;
constexpr int kFiles = 5000;
const QSize kViewSize(240, 600);

using bench::Icon;

QImage Decoded(const TPicture& picture) {
    return QImage::fromData(reinterpret_cast<const uchar*>(picture.Data.data()),
                            static_cast<int>(picture.Data.size()));
}

std::unique_ptr<TAutoObject> MakeObject(std::uint8_t kind) {
    auto object = std::make_unique<TAutoObject>();
    object->Kind = kind;
    object->Payload = PayloadCodecOf(kind)->Create();
    object->Payload->Width = kViewSize.width();
    object->Payload->Height = kViewSize.height();
    return object;
}

void Paint(QWidget& widget, benchmark::State& state) {
    QImage screen(widget.size(), QImage::Format_ARGB32_Premultiplied);
    widget.render(&screen);
    if (screen.isNull()) state.SkipWithError("nothing painted");
}

std::vector<TPicture> Icons() {
    std::vector<TPicture> icons;
    for (int i = 0; i < 8; ++i)
        icons.push_back(Icon(i));
    return icons;
}

void ListBoxPaint(benchmark::State& state) {
    auto object = MakeObject(okListBox);
    auto& payload = static_cast<TListBoxPayload&>(*object->Payload);
    const auto icons = Icons();
    for (int i = 0; i < kListItems; ++i) {
        TListBoxItem item;
        item.Caption = "Item number " + std::to_string(i);
        item.Icon = icons[static_cast<std::size_t>(i) % icons.size()];
        payload.Items.push_back(item);
    }
    TAuListBox box(*object, nullptr);
    for (auto _ : state)
        Paint(box, state);
}

void PlainListPaint(benchmark::State& state) {
    QListWidget list;
    list.resize(kViewSize);
    list.setIconSize(QSize(16, 16));
    std::vector<QIcon> icons;
    for (const auto& picture : Icons())
        icons.emplace_back(QPixmap::fromImage(Decoded(picture)));
    for (int i = 0; i < kListItems; ++i)
        list.addItem(new QListWidgetItem(icons[static_cast<std::size_t>(i) % icons.size()],
                                         QString("Item number %1").arg(i)));
    for (auto _ : state)
        Paint(list, state);
}

// 5,000 nodes over four levels: 5 top-level nodes, each with 10 children,
// each with 10 children, each with 10 leaves (5 + 50 + 500 + 5000 > 5000:
// the leaves stop at the count).
std::vector<TTreeNode> Nodes(int& left, int level, int width) {
    std::vector<TTreeNode> nodes;
    const auto icons = Icons();
    for (int i = 0; i < width && left > 0; ++i) {
        --left;
        TTreeNode node;
        node.Item.Caption = "Node " + std::to_string(left);
        node.Item.Icon = icons[static_cast<std::size_t>(left) % icons.size()];
        for (int a = 0; a < 3; ++a) {
            TListBoxItem associated;
            associated.Caption = "Entry " + std::to_string(a);
            associated.SubItems = "Kind\r\nSize\r\n";
            node.Item.AssociatedItems.push_back(associated);
        }
        if (level + 1 < kTreeLevels) node.Nodes = Nodes(left, level + 1, 10);
        nodes.push_back(std::move(node));
    }
    return nodes;
}

std::vector<std::uint8_t> TreeBytes() {
    TTreeViewPayload payload;
    int left = 5000;
    payload.Nodes = Nodes(left, 0, 5);
    TMemoryStream stream;
    WriteTreeViewPayload(stream, payload);
    return stream.Bytes();
}

void TreeRead(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    auto object = MakeObject(okTreeView);
    TAuTreeView tree(*object, nullptr);
    for (auto _ : state) {
        TMemoryStream stream(bytes);
        auto& payload = static_cast<TTreeViewPayload&>(*object->Payload);
        if (!ReadTreeViewPayload(stream, payload)) state.SkipWithError("read failed");
        tree.RebuildTreeIcons(true);
    }
    if (FlatNodes(static_cast<TTreeViewPayload&>(*object->Payload).Nodes).size() != 5000)
        state.SkipWithError("wrong node count");
}

void PlainTreeFill(benchmark::State& state, const std::vector<std::uint8_t>& bytes) {
    TTreeViewPayload payload;
    TMemoryStream stream(bytes);
    ReadTreeViewPayload(stream, payload);
    std::vector<QIcon> icons;
    for (const auto& picture : Icons())
        icons.emplace_back(QPixmap::fromImage(Decoded(picture)));
    const auto flat = FlatNodes(payload.Nodes);
    QTreeWidget tree;
    for (auto _ : state) {
        tree.clear();
        std::vector<QTreeWidgetItem*> parents;
        for (std::size_t i = 0; i < flat.size(); ++i) {
            parents.resize(static_cast<std::size_t>(flat[i].Level));
            auto* item =
                parents.empty() ? new QTreeWidgetItem(&tree) : new QTreeWidgetItem(parents.back());
            item->setText(0, QString::fromStdString(flat[i].Node->Item.Caption));
            item->setIcon(0, icons[i % icons.size()]);
            item->setExpanded(flat[i].Level < 1);
            parents.push_back(item);
        }
    }
}

bool WaitForLoad(QFileSystemModel& model) {
    QEventLoop loop;
    bool loaded = false;
    QObject::connect(&model, &QFileSystemModel::directoryLoaded, &loop, [&] {
        loaded = true;
        loop.quit();
    });
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    return loaded;
}

void ShellListFirstPaint(benchmark::State& state, const std::string& folder) {
    for (auto _ : state) {
        auto object = MakeObject(okShellListView);
        static_cast<TShellListViewPayload&>(*object->Payload).ViewStyle = vsList;
        TAuShellListView view(*object, nullptr);
        view.ApplyRoot(folder);
        if (!WaitForLoad(*view.Model())) state.SkipWithError("folder not loaded");
        Paint(view, state);
    }
}

void PlainListViewFirstPaint(benchmark::State& state, const std::string& folder) {
    for (auto _ : state) {
        QFileSystemModel model;
        QListView view;
        view.resize(kViewSize);
        view.setModel(&model);
        view.setRootIndex(model.setRootPath(QString::fromStdString(folder)));
        if (!WaitForLoad(model)) state.SkipWithError("folder not loaded");
        Paint(view, state);
    }
}

void PrintRatios(const std::map<std::string, TFastestTime>& times) {
    PrintFastestRatios({{"list box screen / QListWidget", "ListBoxPaint", "PlainListPaint", 2},
                        {"tree read + cells / QTreeWidget fill", "TreeRead", "PlainTreeFill", 3},
                        {"shell list first paint / QListView", "ShellListFirstPaint",
                         "PlainListViewFirstPaint", 1.5}},
                       times);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);

    const auto folder =
        std::filesystem::temp_directory_path() /
        ("brelvane-list-bench-" + std::to_string(QCoreApplication::applicationPid()));
    std::filesystem::create_directories(folder);
    for (int i = 0; i < kFiles; ++i)
        std::ofstream(folder / ("file" + std::to_string(i) + ".txt")) << i;
    const std::string base = folder.string();
    const auto bytes = TreeBytes();

    const auto add = [](const char* name, auto run) {
        RepeatForFastest(benchmark::RegisterBenchmark(name, run)
                             ->Unit(benchmark::kMicrosecond)
                             ->ReportAggregatesOnly(true));
    };
    add("ListBoxPaint", ListBoxPaint);
    add("PlainListPaint", PlainListPaint);
    add("TreeRead", [&bytes](benchmark::State& s) { TreeRead(s, bytes); });
    add("PlainTreeFill", [&bytes](benchmark::State& s) { PlainTreeFill(s, bytes); });
    add("ShellListFirstPaint", [&base](benchmark::State& s) { ShellListFirstPaint(s, base); });
    add("PlainListViewFirstPaint",
        [&base](benchmark::State& s) { PlainListViewFirstPaint(s, base); });

    benchmark::Initialize(&argc, argv);
    FastestReporter reporter(true);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter.times);
    benchmark::Shutdown();
    std::filesystem::remove_all(folder);
    return 0;
}
