#include "SurfaceFixture.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"

#include <functional>

namespace brelvane::test {
namespace {

// Three objects, the first two selected: a shape off the grid, a label and an edit box.
void Populate(SurfaceFixture& f) {
    f.SetSnap(false);
    auto& shape = f.Shape({21, 19, 50, 40});
    auto& label = f.Add("ToolButton_Label", {150, 100});
    f.Add("ToolButton_SecurityEdit", {300, 200});
    f.SetSnap(true);
    SelectOnly(f.Objects(), &shape);
    label.Selected = true;
    f.Surface().RepaintSurface();
}

void SelectFirst(SurfaceFixture& f) {
    SelectOnly(f.Objects(), f.Objects().front().get());
}

struct Command {
    const char* Name;
    std::function<void(SurfaceFixture&)> Run;
};

const Command kCommands[] = {
    {"Add Shape",
     [](SurfaceFixture& f) {
         f.Add("ToolButton_Shape", {400, 300});
     }},
    {"Move",
     [](SurfaceFixture& f) {
         f.Press({30, 30});
         for (int x = 40; x <= 80; x += 10)
             f.MoveTo({x, 30});
         f.Release({80, 30});
     }},
    {"Size",
     [](SurfaceFixture& f) {
         f.Drag({71, 59}, {95, 90});
     }},
    {"Move", [](SurfaceFixture& f) { f.Key(Qt::Key_Down, Qt::ControlModifier); }},
    {"Size", [](SurfaceFixture& f) { f.Key(Qt::Key_Right, Qt::ShiftModifier); }},
    {"Delete", [](SurfaceFixture& f) { f.Key(Qt::Key_Delete); }},
    {"Delete", [](SurfaceFixture& f) { f.Trigger("Delete1"); }},
    {"Align Left", [](SurfaceFixture& f) { f.Trigger("AlignLeft1"); }},
    {"Align Center", [](SurfaceFixture& f) { f.Trigger("AlignCenter1"); }},
    {"Align Right", [](SurfaceFixture& f) { f.Trigger("AlignRight1"); }},
    {"Align Top", [](SurfaceFixture& f) { f.Trigger("AlignTop1"); }},
    {"Align Middle", [](SurfaceFixture& f) { f.Trigger("AlignMiddle1"); }},
    {"Align Bottom", [](SurfaceFixture& f) { f.Trigger("AlignBottom1"); }},
    {"Align to Grid", [](SurfaceFixture& f) { f.Trigger("AligntoGrid1"); }},
    {"Paste",
     [](SurfaceFixture& f) {
         f.Trigger("Copy1");
         f.Trigger("Paste1");
     }},
    {"Duplicate", [](SurfaceFixture& f) { f.Trigger("Duplicate1"); }},
    {"Clear", [](SurfaceFixture& f) { f.Trigger("Clear1"); }},
    {"Bring to Front",
     [](SurfaceFixture& f) {
         SelectFirst(f);
         f.Trigger("BringtoFront1");
     }},
    {"Send to Back",
     [](SurfaceFixture& f) {
         SelectOnly(f.Objects(), f.Objects()[1].get());
         f.Trigger("SendtoBack1");
     }},
    {"Drop Template",
     [](SurfaceFixture& f) {
         const auto path = f.Root.File("drop.obj");
         ASSERT_TRUE(SaveObjectFile(path, *f.Objects().front()));
         ASSERT_TRUE(f.Surface().DropTemplate(path, "01Shapes", {200, 300}));
     }},
    {"Drop Template",
     [](SurfaceFixture& f) {
         TAutoObject image;
         image.Kind = okImage;
         auto payload = std::make_unique<TImagePayload>();
         payload->ImageNormal = SamplePicture(TPictureKind::Png);
         image.Payload = std::move(payload);
         const auto path = f.Root.File("sky.obj");
         ASSERT_TRUE(SaveObjectFile(path, image));
         ASSERT_TRUE(f.Surface().DropTemplate(path, "09Background", {200, 300}));
     }},
    {"Move Page",
     [](SurfaceFixture& f) {
         f.Surface().WindowMoved({12, 14});
     }},
    {"Size Page",
     [](SurfaceFixture& f) {
         f.Surface().WindowResized(f.Surface().geometry().adjusted(0, 0, -100, -60));
     }},
};

TEST(SurfaceUndo, EveryCommandUndoneAndRedoneGivesBackTheExactPage) {
    for (const auto& command : kCommands) {
        SurfaceFixture f;
        Populate(f);
        const auto before = f.PageBytes();
        command.Run(f);
        const auto after = f.PageBytes();
        ASSERT_NE(before, after) << command.Name;
        EXPECT_EQ(f.Form->Action("Undo1")->text(), QString("Undo ") + command.Name);
        f.Form->SetModified(false);
        f.Trigger("Undo1");
        EXPECT_EQ(f.PageBytes(), before) << command.Name;
        EXPECT_TRUE(f.Form->Project().ProjectModified) << command.Name;
        EXPECT_EQ(f.Form->Action("Redo1")->text(), QString("Redo ") + command.Name);
        f.Trigger("Redo1");
        EXPECT_EQ(f.PageBytes(), after) << command.Name;
        // The surface shows the restored page.
        EXPECT_EQ(f.Surface().Image1().size(), f.Form->Host().PanelSize()) << command.Name;
        EXPECT_EQ(f.Surface().pos(),
                  QPoint(f.Form->Host().Model()->Page().Left, f.Form->Host().Model()->Page().Top))
            << command.Name;
        // One step each, so two undos lead behind the set-up.
        f.Trigger("Undo1");
        EXPECT_EQ(f.PageBytes(), before) << command.Name;
        EXPECT_NE(f.Form->Action("Undo1")->text(), QString("Undo ") + command.Name) << command.Name;
    }
}

TEST(SurfaceUndo, UndoKeepsTheSelectionByName) {
    SurfaceFixture f;
    Populate(f);
    f.Key(Qt::Key_Right, Qt::ControlModifier);
    f.Trigger("Undo1");
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Label1"}));
    EXPECT_EQ(SelectedObjects(f.Objects()).size(), 2u);
    EXPECT_EQ(f.Surface().SelectedCount(), 2);
}

TEST(SurfaceUndo, ADragIsOneStepAndSelectionsAreNone) {
    SurfaceFixture f;
    Populate(f);
    const auto& history = f.Form->UndoHistory();
    const auto* page = f.Form->Project().Entry(0);
    const auto steps = history.UndoCount(page);
    f.Press({30, 30});
    for (int x = 31; x <= 90; ++x)
        f.MoveTo({x, 30 + x / 3});
    f.Release({90, 60});
    EXPECT_EQ(history.UndoCount(page), steps + 1);
    f.Click({600, 450});
    f.Drag({5, 5}, {600, 450});
    f.Trigger("SelectAll1");
    f.Trigger("Copy1");
    EXPECT_EQ(history.UndoCount(page), steps + 1);
    // A press that moves nothing records nothing.
    f.Drag({30, 30}, {33, 30});
    EXPECT_EQ(history.UndoCount(page), steps + 1);
}

TEST(SurfaceUndo, TheHundredAndFirstStepDropsTheOldest) {
    SurfaceFixture f;
    Populate(f);
    const auto* page = f.Form->Project().Entry(0);
    const int left = BoundsOf(*f.Objects().front()).Left;
    const auto steps = f.Form->UndoHistory().UndoCount(page);
    ASSERT_LT(steps, 10u);
    for (int i = 0; i < 101; ++i)
        f.Surface().MoveSelection(1, 0);
    EXPECT_EQ(f.Form->UndoHistory().UndoCount(page), TUndoHistory::kDepth);
    for (int i = 0; i < 150; ++i)
        f.Form->Undo1Click();
    // The set-up and the first move are gone; every later move is undone.
    EXPECT_EQ(BoundsOf(*f.Objects().front()).Left, left + 1);
    EXPECT_EQ(f.Objects().size(), 3u);
    EXPECT_FALSE(f.Form->Action("Undo1")->isEnabled());
    EXPECT_EQ(f.Form->Action("Undo1")->text(), "Undo");
}

TEST(SurfaceUndo, EachPageKeepsItsStepsUntilTheProjectCloses) {
    SurfaceFixture f;
    Populate(f);
    f.AddPage();
    auto& shape = f.Shape({10, 10, 40, 40});
    f.Surface().MoveSelection(5, 0);
    f.Select(0);
    EXPECT_EQ(f.Form->Action("Undo1")->text(), "Undo Add Edit");
    f.Form->Undo1Click();
    EXPECT_EQ(f.Objects().size(), 2u);
    f.Select(1);
    EXPECT_EQ(f.Form->Action("Undo1")->text(), "Undo Move");
    f.Form->Undo1Click();
    EXPECT_EQ(BoundsOf(*f.Objects().front()).Left, 10);
    (void)shape;
    f.NewProject();
    EXPECT_FALSE(f.Form->Action("Undo1")->isEnabled());
    EXPECT_FALSE(f.Form->Action("Redo1")->isEnabled());
}

TEST(SurfaceUndo, ASnapshotThatCannotBeWrittenDisablesUndoWithoutABox) {
    SurfaceFixture f;
    Populate(f);
    ASSERT_TRUE(f.Form->Action("Undo1")->isEnabled());
    auto& edit = *f.Objects().back();
    const auto kind = edit.Kind;
    edit.Kind = 99; // the page cannot be written while this lasts
    f.Surface().MoveSelection(3, 0);
    EXPECT_EQ(BoundsOf(*f.Objects().front()).Left, 24); // the edit itself goes on
    f.Form->Edit1Click();
    EXPECT_FALSE(f.Form->Action("Undo1")->isEnabled());
    EXPECT_TRUE(f.Boxes.Shown.empty());
    edit.Kind = kind;
    f.Surface().MoveSelection(3, 0);
    f.Form->Undo1Click();
    EXPECT_EQ(BoundsOf(*f.Objects().front()).Left, 24);
    EXPECT_FALSE(f.Form->Action("Undo1")->isEnabled());
}

TEST(UndoHistory, StepsSwapSidesAndANewStepDropsTheRedoSide) {
    TUndoHistory history;
    const auto* page = reinterpret_cast<const TAutoFormInfo*>(&history);
    history.Record(page, "A", std::vector<std::uint8_t>{1});
    history.Record(page, "B", std::vector<std::uint8_t>{2});
    const auto undone = history.Undo(page, std::vector<std::uint8_t>{3});
    ASSERT_TRUE(undone);
    EXPECT_EQ(undone->Label, "B");
    EXPECT_EQ(undone->Page, std::vector<std::uint8_t>{2});
    ASSERT_NE(history.NextRedo(page), nullptr);
    EXPECT_EQ(history.NextRedo(page)->Page, std::vector<std::uint8_t>{3});
    EXPECT_EQ(history.NextUndo(page)->Label, "A");
    const auto redone = history.Redo(page, std::vector<std::uint8_t>{2});
    EXPECT_EQ(redone->Page, std::vector<std::uint8_t>{3});
    EXPECT_EQ(history.NextUndo(page)->Page, std::vector<std::uint8_t>{2});
    history.Undo(page, std::vector<std::uint8_t>{3});
    history.Record(page, "C", std::vector<std::uint8_t>{4});
    EXPECT_EQ(history.NextRedo(page), nullptr);
    // Without a snapshot of the page now, the other side is lost.
    history.Undo(page, std::nullopt);
    EXPECT_EQ(history.NextRedo(page), nullptr);
    EXPECT_EQ(history.UndoCount(page), 1u);
    history.Forget(page);
    EXPECT_EQ(history.NextUndo(page), nullptr);
    EXPECT_FALSE(history.Undo(page, std::nullopt));
}

} // namespace
} // namespace brelvane::test
