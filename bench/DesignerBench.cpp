// The designer's editing work against the plainest work of the same size, each
// pair measured in turns, one run of each per iteration, so that the load of a
// shared machine falls on both alike:
// - a drag step on 200 selected objects against one render of the page panel,
// - a rubber-band step against a repaint of the surface,
// - a paste of 200 objects, and a switch between two 200-object pages, against
//   building such a page in a player window from memory (window made, page
//   read, shown and painted once, window freed),
// - recording an undo step against one page-stream write to memory,
// - saving a project of 50 changed pages against copying the same files raw
//   through the same temp-and-rename path,
// - filling the property list for a link (the longest list) against filling a
//   plain two-column table with as many text rows,
// - one keystroke in a label's caption cell against one repaint of the surface,
// - listing a group of 200 object templates whose previews exist against
//   decoding the same 200 bitmaps (and the listing renders no preview),
// - ticking a group box of 200 objects against one sync of the surface.
// Printed as ratios of the median runs.
#include "designer/DesignerProject.h"
#include "designer/EditForm.h"
#include "designer/GroupList.h"
#include "designer/MainForm.h"
#include "designer/PageHost.h"
#include "designer/PickerDialogs.h"
#include "designer/PropertyEditor.h"
#include "designer/SurfaceObjects.h"
#include "designer/TemplateLibrary.h"
#include "designer/TemplatePane.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "platform/Media.h"
#include "player/AutoRunForm.h"
#include "player/PageSurface.h"
#include "player/PlayerEnvironment.h"
#include "project/DiscRootFiles.h"
#include "project/PageStream.h"

#include <QApplication>
#include <QCheckBox>
#include <QTabBar>
#include <QTableWidget>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

namespace {

using namespace brelvane;
namespace fs = std::filesystem;

constexpr int kObjects = 200;
constexpr int kPages = 50;

// A broken premise ends the run with its reason.
void Require(bool holds, const char* what) {
    if (holds) return;
    std::fprintf(stderr, "designer_bench: %s\n", what);
    std::abort();
}

struct NoDialogs final : TPickerDialogs {
    std::optional<std::string> BrowseFolder(QWidget*, const QString&, const std::string&,
                                            const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> OpenFile(QWidget*, const QString&, const std::string&) override {
        return std::nullopt;
    }
};

struct Silent final : platform::SoundChannel {
    bool Play(const std::string&) override { return true; }
    void Close() override {}
    bool IsPlaying() const override { return false; }
};

// An 800×600 page with 200 objects of five kinds on a grid, the bottom rows free.
TPageRecord PageOfObjects(const std::string& name, std::uint8_t kind) {
    TPageRecord page;
    page.PageName = page.Caption = name;
    page.PageKind = kind;
    page.Width = 800;
    page.Height = 600;
    const std::uint8_t kinds[] = {okShape, okButton, okLabel, okImage, okSimpleText};
    for (int i = 0; i < kObjects; ++i) {
        auto* object =
            AddObjectRecord(page.Objects, kinds[i % 5], 12 + (i % 20) * 38, 12 + (i / 20) * 48);
        object->Payload->Width = 32;
        object->Payload->Height = 24;
        object->Selected = false;
    }
    return page;
}

std::string PageName(int index) {
    return index == 0 ? "Main Page" : "Page " + std::to_string(index);
}

// A saved project of 50 such pages in `base`.
void WriteProject(const std::string& base) {
    fs::create_directories(base + "/AutoRunSource");
    TProjectIndex index;
    for (int i = 0; i < kPages; ++i) {
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = PageName(i);
        entry->Kind = i == 0 ? pkMainPage : pkSubPage;
        Require(SavePageFile(SourcePagePath(base, entry->Name),
                             PageOfObjects(entry->Name, entry->Kind)),
                "page written");
        index.Pages.push_back(std::move(entry));
    }
    Require(SaveIndexFile(IndexPathOf(base), index), "index written");
}

// The designer open on the generated project, its main page on the surface.
struct Designer {
    std::string Root;
    std::string Base;
    std::unique_ptr<TMainForm> Form;
    std::vector<std::uint8_t> MainPageBytes;

    Designer() {
        char pattern[] = "/tmp/designer-bench-XXXXXX";
        Root = ::mkdtemp(pattern);
        Base = Root + "/project";
        const auto program = Root + "/program";
        fs::create_directories(program);
        std::ofstream(program + "/Brelvane") << "player";
        std::ofstream(program + "/Default.ico") << "icon";
        WriteProject(Base);
        Form = std::make_unique<TMainForm>(
            TDesignerPaths{program + "/Brelvane", program, program + "/Temp"},
            std::make_unique<NoDialogs>());
        Form->resize(1200, 900);
        Require(Form->Start(Base, false, nullptr), "project opened");
        TMemoryStream stream;
        Require(WritePage(stream, Form->Host().Model()->Page()), "page bytes");
        MainPageBytes = stream.Bytes();
    }
    ~Designer() {
        Form.reset();
        fs::remove_all(Root);
    }
    TEditForm& Surface() { return *Form->EditForm(); }
    TPageRecord& Page() { return Form->Host().Model()->Page(); }
};

Designer* designer = nullptr;

// Processor time of the whole process (painting hands work to Qt's pool
// threads), or wall time for work that waits on the disk.
double Now(bool wall) {
    if (wall)
        return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
            .count();
    timespec now{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

double Median(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// One comparison: before each run of either side `prepare` runs untimed.
struct Pair {
    const char* Name;
    const char* Text;
    double Target;
    bool Wall = false;
    int Iterations = 20;
    std::function<void()> Begin = [] {};
    std::function<void()> Prepare = [] {};
    std::function<void()> Measured = [] {};
    std::function<void()> Reference = [] {};
    std::function<void()> End = [] {};
};

struct Outcome {
    double Measured = 0;
    double Reference = 0;
};
std::map<std::string, Outcome> outcomes;

void RunPair(benchmark::State& state, const Pair* pair) {
    pair->Begin();
    std::vector<double> measured, reference;
    for (auto _ : state) {
        pair->Prepare();
        const double a = Now(pair->Wall);
        pair->Measured();
        const double b = Now(pair->Wall);
        pair->Prepare();
        const double c = Now(pair->Wall);
        pair->Reference();
        const double d = Now(pair->Wall);
        measured.push_back(b - a);
        reference.push_back(d - c);
        state.SetIterationTime(b - a);
    }
    pair->End();
    outcomes[pair->Name] = {Median(measured), Median(reference)};
    state.counters["reference_ms"] = Median(reference) * 1e3;
    state.counters["ratio"] = Median(measured) / Median(reference);
}

void BuildInPlayer() {
    auto& environment = PlayerEnvironment();
    environment.DesignerMode = false;
    auto window = std::make_unique<TAutoRunForm>();
    TMemoryStream stream(designer->MainPageBytes);
    Require(window->BuildFromStream(stream, TPageReadMode::Build), "player page built");
    // Shown as the player shows it, so that every control draws its picture.
    window->setAttribute(Qt::WA_DontShowOnScreen);
    window->show();
    window->FinishFade();
    QImage painted(window->Surface()->size(), QImage::Format_ARGB32_Premultiplied);
    window->Surface()->render(&painted);
    benchmark::DoNotOptimize(painted.constBits());
    window.reset();
    environment.DesignerMode = true;
}

// Every page changed: working copies in Temp, the current page live.
void MarkEveryPageChanged() {
    auto& project = designer->Form->Project();
    const auto temp = designer->Form->Paths().TempFolder;
    for (int i = 0; i < project.PageCount(); ++i) {
        auto& entry = *project.Entry(i);
        entry.InDesignerTemp = true;
        if (i != project.CurrentPageIndex)
            fs::copy_file(SourcePagePath(designer->Base, entry.Name),
                          WorkingCopyPath(temp, entry.Name), fs::copy_options::overwrite_existing);
    }
    project.ProjectModified = true;
}

// The files a save of every page writes, copied as they are.
void RawCopy() {
    const auto temp = designer->Form->Paths().TempFolder;
    const auto copies = designer->Root + "/copies";
    fs::create_directories(copies);
    auto& project = designer->Form->Project();
    for (int i = 0; i < project.PageCount(); ++i) {
        const auto& name = project.Entry(i)->Name;
        const auto from = i == project.CurrentPageIndex ? SourcePagePath(designer->Base, name)
                                                        : WorkingCopyPath(temp, name);
        CopyFileAtomically(from, copies + "/" + name + ".pg");
    }
    CopyFileAtomically(IndexPathOf(designer->Base), copies + "/AutoRun.src");
    CopyFileAtomically(designer->Base + "/autorun.inf", copies + "/autorun.inf");
}

const QPoint kDragStart(12 + 10, 12 + 10); // inside the first object
const QPoint kBandAnchor(790, 590);        // below the objects
int toggle = 0;

std::vector<Pair> Pairs() {
    auto& surface = designer->Surface();
    auto* tabs = designer->Form->PageTabs();
    std::vector<Pair> pairs;
    // Page switches first, while no page is changed (nothing to park).
    Pair pageSwitch{"PageSwitch",
                    "page switch, two 200-object pages / building one in a player window", 1.5};
    pageSwitch.Measured = [tabs] {
        toggle = 1 - toggle;
        tabs->setCurrentIndex(toggle);
        Require(designer->Page().Objects.size() == kObjects, "page switched");
    };
    pageSwitch.Reference = BuildInPlayer;
    pageSwitch.End = [tabs] { tabs->setCurrentIndex(0); };
    pairs.push_back(pageSwitch);

    Pair undo{"RecordUndoStep", "undo step on a 200-object page / one page-stream write", 1.2};
    undo.Iterations = 300;
    undo.Measured = [] { designer->Form->RecordUndoStep("Move"); };
    undo.Reference = [] {
        TMemoryStream stream;
        Require(WritePage(stream, designer->Page()), "page written to memory");
        benchmark::DoNotOptimize(stream.Bytes().data());
    };
    pairs.push_back(undo);

    Pair drag{"DragStep", "drag step, 200 selected objects / plain render of the panel", 1.3};
    drag.Iterations = 60;
    drag.Begin = [&surface] {
        surface.SelectAll();
        surface.Image1MouseDown(Qt::LeftButton, {}, kDragStart);
        Require(surface.State().DragMode == TDragMode::Dragging, "drag started");
    };
    drag.Measured = [&surface] {
        toggle = 1 - toggle;
        surface.Image1MouseMove(kDragStart + QPoint(8 * toggle, 8 * toggle));
    };
    drag.Reference = [] {
        const QImage picture = designer->Form->Host().PaintPanel();
        benchmark::DoNotOptimize(picture.constBits());
    };
    drag.End = [&surface] {
        // The objects go back where they were.
        surface.Image1MouseMove(kDragStart);
        surface.Image1MouseUp(Qt::LeftButton, {}, kDragStart);
    };
    pairs.push_back(drag);

    Pair band{"BandStep", "rubber-band step / repaint of the surface", 0.1};
    band.Iterations = 100;
    band.Begin = [&surface] {
        surface.Image1MouseDown(Qt::LeftButton, Qt::ControlModifier, kBandAnchor);
        Require(surface.State().DragMode == TDragMode::Band, "band started");
    };
    band.Measured = [&surface] {
        toggle = 1 - toggle;
        surface.Image1MouseMove(QPoint(300 + 17 * toggle, 200 + 13 * toggle));
    };
    band.Reference = [&surface] { surface.RepaintSurface(); };
    band.End = [&surface] { surface.Image1MouseUp(Qt::LeftButton, {}, kBandAnchor); };
    pairs.push_back(band);

    Pair paste{"Paste", "paste of 200 objects / building them in a player window", 1.5};
    paste.Begin = [&surface, tabs] {
        surface.SelectAll();
        Require(surface.Copy(), "objects copied");
        tabs->setCurrentIndex(2);
        surface.ClearPage();
    };
    // An empty page, and the copy laid where the first paste put its objects.
    paste.Prepare = [&surface] {
        if (surface.SelectedCount() == kObjects) {
            surface.MoveSelection(8 - surface.PasteOffset(), 8 - surface.PasteOffset());
            Require(surface.Copy(), "objects copied");
        }
        surface.ClearPage();
    };
    paste.Measured = [&surface] {
        surface.Paste();
        Require(surface.ObjectCount() == kObjects, "objects pasted");
    };
    paste.Reference = BuildInPlayer;
    paste.End = [tabs] { tabs->setCurrentIndex(0); };
    pairs.push_back(paste);

    Pair save{"SaveProject", "save, 50 changed pages / raw copies through temp and rename", 1.5};
    save.Wall = true;
    save.Iterations = 5;
    save.Prepare = MarkEveryPageChanged;
    save.Measured = [] { Require(designer->Form->SaveProject(designer->Base), "project saved"); };
    save.Reference = RawCopy;
    pairs.push_back(save);

    auto& editor = designer->Form->PropertyEditor();
    // The object is added to the live page only, so that a save never meets it.
    const auto selectNew = [&editor](std::uint8_t kind) {
        auto& objects = designer->Page().Objects;
        for (auto& object : objects)
            object->Selected = false;
        Require(AddObject(*designer->Form->Host().Model(), kind, 40, 560) != nullptr, "added");
        editor.FillProperties();
    };
    const auto removeNew = [] {
        auto& objects = designer->Page().Objects;
        objects.pop_back();
        for (auto& object : objects)
            object->Selected = false;
        designer->Form->PropertyEditor().FillProperties();
    };
    static QTableWidget plain(0, 2);
    Pair fill{"FillProperties", "property list of a link / plain table of as many text rows", 2.0};
    fill.Iterations = 100;
    fill.Begin = [selectNew] { selectNew(okLink); };
    fill.Measured = [&editor] { editor.FillProperties(); };
    fill.Reference = [&editor] {
        const int rows = static_cast<int>(editor.Rows().size());
        plain.setRowCount(0);
        plain.setRowCount(rows);
        for (int row = 0; row < rows; ++row) {
            plain.setItem(row, 0, new QTableWidgetItem(QString("Row %1").arg(row)));
            plain.setItem(row, 1, new QTableWidgetItem(QString::number(row)));
        }
    };
    fill.End = removeNew;
    pairs.push_back(fill);

    Pair keystroke{"CaptionKeystroke", "keystroke in a label's caption / repaint of the surface",
                   1.2};
    keystroke.Iterations = 100;
    keystroke.Begin = [selectNew, &editor] {
        selectNew(okLabel);
        // A cell editor opens only in a list on screen.
        designer->Form->show();
        auto& list = *editor.ValueEdit();
        list.setCurrentCell(editor.RowOf("Caption"), 1);
        Require(editor.CellEditor() != nullptr, "caption cell open");
    };
    keystroke.Measured = [&editor] {
        toggle = 1 - toggle;
        editor.ValueEditStringsChange(editor.RowOf("Caption"), toggle ? "Label1x" : "Label1");
    };
    keystroke.Reference = [&surface] { surface.RepaintSurface(); };
    keystroke.End = [&editor, removeNew] {
        editor.ValueEdit()->setCurrentCell(0, 0);
        removeNew();
    };
    pairs.push_back(keystroke);

    auto& pane = designer->Form->TemplatePane();
    const auto group = designer->Form->Library().GroupFolder("Bench");
    Pair listing{"TemplateListing", "listing 200 templates with previews / decoding 200 BMPs", 1.5};
    listing.Begin = [&pane, group] {
        fs::create_directories(group);
        const auto& objects = designer->Page().Objects;
        for (int i = 0; i < kObjects; ++i)
            Require(SaveObjectFile(group + "/" + UniqueTemplateName(group, "Object"),
                                   *objects[static_cast<std::size_t>(i)]),
                    "template written");
        pane.FillTemplatePane(designer->Form->Library().ObjectsFolder());
        Require(pane.Previews().Rendered() == kObjects, "previews made once");
    };
    listing.Measured = [&pane] {
        pane.ShowTemplateGroup();
        Require(pane.Previews().Rendered() == kObjects, "a listing with previews renders none");
    };
    listing.Reference = [group] {
        for (const auto& name : TemplateItems(group)) {
            const QImage preview(QString::fromStdString(PreviewPathOf(group, name)), "BMP");
            benchmark::DoNotOptimize(preview.constBits());
        }
    };
    listing.End = [group] { fs::remove_all(group); };
    pairs.push_back(listing);

    Pair tick{"GroupTick", "ticking a group box of 200 objects / one sync of the surface", 1.2};
    tick.Begin = [] {
        for (auto& object : designer->Page().Objects)
            object->Props.GroupName = "G";
        designer->Form->RebuildGroupList();
    };
    tick.Measured = [] { designer->Form->GroupList().Box("G")->click(); };
    tick.Reference = [&surface] { surface.SyncSurface(); };
    tick.End = [] {
        designer->Form->GroupList().ShowAll();
        for (auto& object : designer->Page().Objects)
            object->Props.GroupName.clear();
        designer->Form->RebuildGroupList();
    };
    pairs.push_back(tick);
    return pairs;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    platform::SetSoundChannelFactory([] { return std::make_unique<Silent>(); });
    Designer open;
    designer = &open;

    const auto pairs = Pairs();
    for (const auto& pair : pairs)
        benchmark::RegisterBenchmark(pair.Name, RunPair, &pair)
            ->UseManualTime()
            ->Iterations(pair.Iterations)
            ->Unit(benchmark::kMillisecond);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();

    std::printf("\n");
    bool all = true;
    for (const auto& pair : pairs) {
        const auto outcome = outcomes.find(pair.Name);
        if (outcome == outcomes.end()) continue;
        const double ratio = outcome->second.Measured / outcome->second.Reference;
        all = all && ratio <= pair.Target;
        std::printf("%s: %.3fx (%.3f ms / %.3f ms, %s; target <= %.1fx)%s\n", pair.Text, ratio,
                    outcome->second.Measured * 1e3, outcome->second.Reference * 1e3,
                    pair.Wall ? "wall time" : "processor time", pair.Target,
                    ratio <= pair.Target ? "" : "  MISSED");
    }
    return all ? 0 : 1;
}
