// The item editors against the plain Qt views they fill: the list item editor
// opened on 5,000 items with 16 x 16 icons and accepted after a change,
// against filling a QListWidget with the same captions and icons plus one
// stream copy of the items; the view item editor on a 5,000-node tree opened
// and accepted after a change, against filling a QTreeWidget with the same
// captions. Every benchmark runs three times and the fastest run counts.
#include "BenchIcons.h"
#include "FastestReporter.h"
#include "dialogs/ListItemsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "storage/ByteStream.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <benchmark/benchmark.h>
#include <cstdio>

namespace {
using namespace brelvane;

constexpr int kItems = 5000;
// 5 + 25 + 125 + 625 + 4,220 nodes: five levels of five children, the last cut.
constexpr int kFanOut = 5;

using bench::Icon;

TListBoxPayload ManyItems() {
    TListBoxPayload list;
    std::vector<TPicture> icons;
    for (int i = 0; i < 8; ++i)
        icons.push_back(Icon(i));
    for (int i = 0; i < kItems; ++i) {
        TListBoxItem item;
        item.Caption = "Item " + std::to_string(i);
        item.Icon = icons[static_cast<std::size_t>(i % 8)];
        list.Items.push_back(std::move(item));
    }
    return list;
}

TTreeViewPayload ManyNodes() {
    TTreeViewPayload tree;
    int made = 0;
    std::vector<std::vector<TTreeNode>*> level{&tree.Nodes};
    while (made < kItems) {
        std::vector<std::vector<TTreeNode>*> next;
        for (auto* siblings : level) {
            // Room for every child first, so the pointers kept below stay valid.
            siblings->reserve(kFanOut);
            for (int i = 0; i < kFanOut && made < kItems; ++i, ++made) {
                siblings->emplace_back().Item.Caption = "Node " + std::to_string(made);
                next.push_back(&siblings->back().Nodes);
            }
        }
        level = std::move(next);
    }
    return tree;
}

// Presses the dialog's add button and OK once the editor is open.
void AddAndAccept(const char* addButton) {
    QTimer::singleShot(0, [addButton] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!dialog) return;
        dialog->findChild<QPushButton*>(addButton)->click();
        dialog->accept();
    });
}

const TActionContext& Context() {
    static const TActionContext context;
    return context;
}

void ListItemsEditor(benchmark::State& state) {
    const auto list = ManyItems();
    for (auto _ : state) {
        state.PauseTiming();
        auto edited = list;
        state.ResumeTiming();
        AddAndAccept("AddButton");
        if (!EditListItems(nullptr, Context(), edited, edited.Font, edited.Color) ||
            edited.Items.size() != kItems + 1)
            state.SkipWithError("the editor did not change the items");
    }
}

void PlainListFill(benchmark::State& state) {
    const auto list = ManyItems();
    for (auto _ : state) {
        TMemoryStream stream;
        for (const auto& item : list.Items)
            WriteListItem(stream, item, false, false);
        stream.Seek(0);
        std::vector<TListBoxItem> copies(list.Items.size());
        for (auto& copy : copies)
            ReadListItem(stream, copy, false, false);
        QListWidget widget;
        for (const auto& item : copies)
            widget.addItem(
                new QListWidgetItem(QIcon(QPixmap::fromImage(QImage::fromData(
                                        reinterpret_cast<const uchar*>(item.Icon.Data.data()),
                                        static_cast<int>(item.Icon.Data.size())))),
                                    QString::fromStdString(item.Caption)));
        benchmark::DoNotOptimize(widget.count());
    }
}

void ViewItemsEditor(benchmark::State& state) {
    const auto tree = ManyNodes();
    for (auto _ : state) {
        // The object's own nodes are the editor's input, not its work.
        state.PauseTiming();
        auto edited = tree;
        state.ResumeTiming();
        AddAndAccept("AddRootButton");
        if (!EditTreeViewItems(nullptr, Context(), edited, nullptr))
            state.SkipWithError("the editor did not change the nodes");
    }
}

void AddNodes(QTreeWidgetItem* parent, const std::vector<TTreeNode>& nodes) {
    for (const auto& node : nodes)
        AddNodes(new QTreeWidgetItem(parent, {QString::fromStdString(node.Item.Caption)}),
                 node.Nodes);
}

void PlainTreeFill(benchmark::State& state) {
    const auto tree = ManyNodes();
    for (auto _ : state) {
        QTreeWidget widget;
        AddNodes(widget.invisibleRootItem(), tree.Nodes);
        benchmark::DoNotOptimize(widget.topLevelItemCount());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    RunForFastestRatios(
        argc, argv,
        {{"ListItemsEditor", ListItemsEditor},
         {"PlainListFill", PlainListFill},
         {"ViewItemsEditor", ViewItemsEditor},
         {"PlainTreeFill", PlainTreeFill}},
        {{"list item editor / QListWidget + copy", "ListItemsEditor", "PlainListFill", 2},
         {"view item editor / QTreeWidget", "ViewItemsEditor", "PlainTreeFill", 2}});
    return 0;
}
