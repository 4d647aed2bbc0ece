// The show/hide dialog on a page of 1,000 objects in 40 groups, opened on a
// text that ticks every tenth name of every list and accepted after one more
// tick, against filling eight plain QListWidgets with the same checkable rows
// (four of the group names, four of the object names), once without and once
// with showing them. Every benchmark runs three times and the fastest run
// counts.
#include "FastestReporter.h"
#include "dialogs/ShowHideForm.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QListWidget>
#include <QTimer>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>

namespace {
using namespace brelvane;

constexpr int kObjects = 1000;
constexpr int kGroups = 40;
constexpr int kTickEvery = 10;

const TActionContext& Context() {
    static const TActionContext context = [] {
        TActionContext made;
        for (int i = 0; i < kObjects; ++i)
            made.Objects.push_back(
                {0, "Object " + std::to_string(i), "Group " + std::to_string(i % kGroups)});
        return made;
    }();
    return context;
}

// Every tenth name of each list ticked.
const std::string& TickedText() {
    static const std::string text = [] {
        TShowHideLists lists;
        for (int list = 0; list < kShowHideListCount; ++list) {
            const bool groups = list < kShowHideListCount / 2;
            for (int i = list; i < (groups ? kGroups : kObjects); i += kTickEvery)
                lists.Names[list].push_back((groups ? "Group " : "Object ") + std::to_string(i));
        }
        return ComposeShowHideLists(lists);
    }();
    return text;
}

void ShowHideDialog(benchmark::State& state) {
    for (auto _ : state) {
        std::string text = TickedText();
        QTimer::singleShot(0, [] {
            auto* form = qobject_cast<TShowHideForm*>(QApplication::activeModalWidget());
            if (!form) return;
            form->List(4)->item(1)->setCheckState(Qt::Checked);
            form->accept();
        });
        if (!EditShowHideAction(nullptr, Context(), text))
            state.SkipWithError("the dialog did not change the text");
    }
}

struct TPlainRow {
    QString Name;
    bool Checked;
};

// The rows of the eight lists as the dialog holds them, made once so that the
// baseline times the lists alone.
const std::vector<std::vector<TPlainRow>>& PlainRows() {
    static const auto rows = [] {
        std::vector<std::vector<TPlainRow>> made(kShowHideListCount);
        const auto ticked = ParseShowHideLists(TickedText());
        for (int list = 0; list < kShowHideListCount; ++list) {
            const bool groups = list < kShowHideListCount / 2;
            const auto& names = ticked.Names[static_cast<std::size_t>(list)];
            for (int i = 0; i < (groups ? kGroups : kObjects); ++i) {
                const std::string name = (groups ? "Group " : "Object ") + std::to_string(i);
                made[static_cast<std::size_t>(list)].push_back(
                    {QString::fromStdString(name),
                     std::find(names.begin(), names.end(), name) != names.end()});
            }
        }
        return made;
    }();
    return rows;
}

void FillPlainLists(QWidget& window) {
    auto* layout = new QHBoxLayout(&window);
    for (const auto& rows : PlainRows()) {
        auto* widget = new QListWidget(&window);
        layout->addWidget(widget);
        for (const auto& row : rows) {
            auto* item = new QListWidgetItem(row.Name, widget);
            item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
            item->setCheckState(row.Checked ? Qt::Checked : Qt::Unchecked);
        }
    }
}

void PlainListsFill(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        FillPlainLists(window);
        benchmark::DoNotOptimize(window.children().size());
    }
}

void PlainListsShown(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        FillPlainLists(window);
        window.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(window.children().size());
    }
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::printf("%d objects in %d groups\n", kObjects, kGroups);
    RunForFastestRatios(
        argc, argv,
        {{"ShowHideDialog", ShowHideDialog},
         {"PlainListsFill", PlainListsFill},
         {"PlainListsShown", PlainListsShown}},
        {{"show/hide dialog / eight lists filled", "ShowHideDialog", "PlainListsFill", 2},
         {"show/hide dialog / eight lists shown", "ShowHideDialog", "PlainListsShown", 2}});
    return 0;
}
