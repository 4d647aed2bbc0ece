#include "SurfaceFixture.h"
#include "designer/SurfaceClipboard.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "storage/LittleEndian.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>

namespace brelvane::test {
namespace {

void PutRaw(const Bytes& data, const char* type = kObjectsMimeType) {
    auto* mime = new QMimeData;
    mime->setData(type, QByteArray(reinterpret_cast<const char*>(data.data()),
                                   static_cast<qsizetype>(data.size())));
    QApplication::clipboard()->setMimeData(mime);
}

Bytes Int32(std::int32_t value) {
    TMemoryStream stream;
    WriteField(stream, value);
    return stream.Bytes();
}

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const auto& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes RecordOf(const TAutoObject& object) {
    TMemoryStream stream;
    EXPECT_TRUE(WriteObject(stream, object));
    return stream.Bytes();
}

bool Enabled(SurfaceFixture& f, const char* name) {
    return f.Form->Action(name)->isEnabled();
}

TEST(SurfaceCommands, EveryCommandIsEnabledByItsRule) {
    SurfaceFixture f;
    QApplication::clipboard()->clear();
    const char* always[] = {"Clear1", "SelectAll1"};
    const char* one[] = {"Align1", "AligntoGrid1", "Copy1", "Duplicate1", "Delete1", "Delete2"};
    const char* two[] = {"AlignLeft1", "AlignCenter1", "AlignRight1",
                         "AlignTop1",  "AlignMiddle1", "AlignBottom1"};
    const char* exactlyOne[] = {"BringtoFront1", "SendtoBack1"};
    const auto check = [&](int selected) {
        f.Form->Edit1Click();
        for (const char* name : always)
            EXPECT_TRUE(Enabled(f, name)) << name << " with " << selected;
        for (const char* name : one)
            EXPECT_EQ(Enabled(f, name), selected >= 1) << name << " with " << selected;
        for (const char* name : two)
            EXPECT_EQ(Enabled(f, name), selected >= 2) << name << " with " << selected;
        for (const char* name : exactlyOne)
            EXPECT_EQ(Enabled(f, name), selected == 1) << name << " with " << selected;
    };
    check(0);
    EXPECT_FALSE(Enabled(f, "Paste1"));
    EXPECT_FALSE(Enabled(f, "Undo1"));
    EXPECT_FALSE(Enabled(f, "Redo1"));
    f.Shape({10, 10, 50, 50});
    check(1);
    f.Shape({100, 10, 50, 50});
    f.Surface().SelectAll();
    check(2);
    f.Shape({200, 10, 50, 50});
    f.Surface().SelectAll();
    check(3);
    // Paste follows the clipboard, also without opening the menu.
    f.Trigger("Copy1");
    EXPECT_TRUE(Enabled(f, "Paste1"));
    PutRaw({1, 2, 3}, "text/plain");
    EXPECT_FALSE(Enabled(f, "Paste1"));
    // The pop-up menu offers the same items without the group items.
    QStringList popup;
    for (auto* action : f.Form->PopupMenu1()->actions())
        if (!action->isSeparator()) popup << action->objectName();
    EXPECT_EQ(popup,
              (QStringList{"Undo1", "Redo1", "Align1", "Copy1", "Paste1", "Duplicate1", "Delete2",
                           "Clear1", "BringtoFront1", "SendtoBack1", "SelectAll1"}));
    EXPECT_EQ(f.Form->Action("Delete2")->shortcut(), QKeySequence(Qt::Key_Delete));
    EXPECT_EQ(f.Form->Action("Delete1")->shortcut(), QKeySequence("Ctrl+Del"));
}

TEST(SurfaceCommands, AlignMovesEveryOtherSelectedObjectToTheFirstInListOrder) {
    SurfaceFixture f;
    auto& reference = f.Shape({10, 50, 100, 40});
    auto& other = f.Shape({200, 300, 30, 20});
    reference.Selected = true;
    other.Selected = true;
    f.Trigger("AlignRight1");
    EXPECT_EQ(BoundsOf(other), (TBounds{80, 300, 30, 20}));
    f.Trigger("AlignCenter1");
    EXPECT_EQ(BoundsOf(other).Left, 10 + 50 - 15);
    f.Trigger("AlignLeft1");
    EXPECT_EQ(BoundsOf(other).Left, 10);
    f.Trigger("AlignBottom1");
    EXPECT_EQ(BoundsOf(other).Top, 50 + 40 - 20);
    f.Trigger("AlignMiddle1");
    EXPECT_EQ(BoundsOf(other).Top, 50 + 20 - 10);
    f.Trigger("AlignTop1");
    EXPECT_EQ(BoundsOf(other), (TBounds{10, 50, 30, 20}));
    EXPECT_EQ(BoundsOf(reference), (TBounds{10, 50, 100, 40}));
    EXPECT_EQ(other.Payload->Top, 50);
}

TEST(SurfaceCommands, AlignToGridSnapsEvenWithSnappingOff) {
    SurfaceFixture f;
    f.SetSnap(false);
    auto& shape = f.Shape({21, 19, 50, 50});
    f.Trigger("AligntoGrid1");
    EXPECT_EQ(BoundsOf(shape), (TBounds{24, 16, 50, 50}));
    EXPECT_EQ(shape.Payload->Left, 24);
}

TEST(SurfaceCommands, TwoPastesOfOneCopyLieOneAndTwoStepsFurtherWithTheSameNames) {
    SurfaceFixture f;
    f.Shape({40, 40, 50, 50});
    f.Shape({100, 40, 50, 50});
    f.Surface().SelectAll();
    EXPECT_EQ(f.Surface().PasteOffset(), 0);
    f.Trigger("Copy1");
    EXPECT_EQ(f.Surface().PasteOffset(), 8);
    f.Trigger("Paste1");
    f.Trigger("Paste1");
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape1", "Shape2", "Shape1", "Shape2",
                                                         "Shape1", "Shape2"}));
    EXPECT_EQ(BoundsOf(*f.Objects()[2]), (TBounds{48, 48, 50, 50}));
    EXPECT_EQ(BoundsOf(*f.Objects()[3]), (TBounds{108, 48, 50, 50}));
    EXPECT_EQ(BoundsOf(*f.Objects()[4]), (TBounds{56, 56, 50, 50}));
    EXPECT_EQ(BoundsOf(*f.Objects()[5]), (TBounds{116, 56, 50, 50}));
    // The last paste's objects are the selection.
    EXPECT_EQ(SelectedObjects(f.Objects()).size(), 2u);
    EXPECT_TRUE(f.Objects()[5]->Selected);
    EXPECT_EQ(f.Surface().PasteOffset(), 24);
}

TEST(SurfaceCommands, TheClipboardHoldsTheByteCountTheObjectCountAndTheRecords) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 50, 50});
    auto& label = f.Add("ToolButton_Label", {200, 200});
    f.Add("ToolButton_Button", {300, 300});
    shape.Selected = true;
    label.Selected = true;
    f.Objects()[2]->Selected = false;
    f.Trigger("Copy1");
    const auto data = ObjectsOnClipboard();
    ASSERT_TRUE(data);
    const Bytes records = Cat({RecordOf(*f.Objects()[0]), RecordOf(*f.Objects()[1])});
    EXPECT_EQ(*data,
              Cat({Int32(static_cast<std::int32_t>(records.size() + 4)), Int32(2), records}));
}

TEST(SurfaceCommands, HostileClipboardDataPastesNothingOrStopsAtTheDamagedRecord) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 50, 50});
    const Bytes record = RecordOf(shape);
    f.Form->SetModified(false);
    const auto pasted = [&](const Bytes& data) {
        const auto before = f.Objects().size();
        PutRaw(data);
        f.Boxes.Shown.clear();
        f.Boxes.Kinds.clear();
        f.Trigger("Paste1");
        return f.Objects().size() - before;
    };
    const auto size = [](const Bytes& records) {
        return Int32(static_cast<std::int32_t>(records.size() + 4));
    };
    EXPECT_EQ(pasted(Cat({Int32(1000), Int32(1), record})), 0u); // N too large
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_EQ(pasted(Cat({size(record), Int32(-1), record})), 0u); // C negative
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_EQ(pasted(Cat({size(record), Int32(1 << 30), record})), 0u); // C beyond N
    EXPECT_EQ(pasted({1, 0}), 0u);
    EXPECT_EQ(pasted({}), 0u);
    EXPECT_EQ(pasted(Cat({Int32(-4), Int32(0)})), 0u);
    EXPECT_FALSE(f.Form->Project().ProjectModified);
    EXPECT_EQ(f.Objects().size(), 1u);

    // A truncated second record: the first stays, selected and offset.
    const Bytes truncated(record.begin(), record.begin() + 20);
    const Bytes two = Cat({Int32(2), record, truncated});
    EXPECT_EQ(pasted(Cat({Int32(static_cast<std::int32_t>(two.size())), two})), 1u);
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
    EXPECT_NE(f.Boxes.Shown.back().find("Error Code:"), std::string::npos) << f.Boxes.Shown.back();
    EXPECT_TRUE(f.Objects().back()->Selected);
    EXPECT_FALSE(f.Objects().front()->Selected);
    EXPECT_EQ(BoundsOf(*f.Objects().back()).Left, 40 + f.Surface().PasteOffset() - 8);
    // An unknown kind is a damaged record too, and says so once.
    Bytes unknown = record;
    unknown[5] = 99; // the kind after the marker and the pop-up count
    const Bytes three = Cat({Int32(2), record, unknown});
    EXPECT_EQ(pasted(Cat({Int32(static_cast<std::int32_t>(three.size())), three})), 1u);
    EXPECT_EQ(f.Boxes.ErrorCount(), 1u);
}

TEST(SurfaceCommands, CopyPutsNothingOnTheClipboardWhenAnObjectCannotBeWritten) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 50, 50});
    PutRaw({7}, "text/plain");
    shape.Kind = 99; // no longer a kind this build can write
    EXPECT_FALSE(f.Surface().Copy());
    EXPECT_FALSE(ClipboardHoldsObjects());
    EXPECT_EQ(f.Surface().PasteOffset(), 0);
    shape.Kind = okShape;
}

TEST(SurfaceCommands, DuplicateCopiesAndPastesOneGridStepAway) {
    SurfaceFixture f;
    f.Shape({40, 40, 50, 50});
    f.Trigger("Duplicate1");
    ASSERT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape1", "Shape1"}));
    EXPECT_EQ(BoundsOf(*f.Objects()[1]), (TBounds{48, 48, 50, 50}));
    EXPECT_TRUE(ClipboardHoldsObjects());
    // A duplicate whose copy fails pastes nothing, not what lay there before.
    f.Objects()[1]->Kind = 99;
    f.Surface().Duplicate();
    EXPECT_EQ(f.Objects().size(), 2u);
    f.Objects()[1]->Kind = okShape;
}

TEST(SurfaceCommands, TheKeySinkMovesSizesDeletesAndKeepsNoText) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 50, 50});
    ASSERT_TRUE(f.Surface().KeySinkHasFocus());
    QSignalSpy refreshes(&f.Surface(), &TEditForm::SelectionChanged);
    // Arrow keys while the modifier is held down; the editor follows once, at its release.
    const auto held = [&](int key, Qt::KeyboardModifier modifier) {
        QKeyEvent press(QEvent::KeyPress, key, modifier);
        QApplication::sendEvent(f.Surface().KeySink(), &press);
    };
    held(Qt::Key_Right, Qt::ControlModifier);
    held(Qt::Key_Right, Qt::ControlModifier);
    held(Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(BoundsOf(shape), (TBounds{42, 39, 50, 50}));
    EXPECT_EQ(refreshes.count(), 0);
    QTest::keyRelease(f.Surface().KeySink(), Qt::Key_Control);
    EXPECT_EQ(refreshes.count(), 1);
    held(Qt::Key_Left, Qt::ShiftModifier);
    held(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(BoundsOf(shape), (TBounds{42, 39, 49, 51}));
    QTest::keyRelease(f.Surface().KeySink(), Qt::Key_Shift);
    EXPECT_EQ(refreshes.count(), 2);
    SetBounds(shape, {42, 39, 1, 1});
    f.Key(Qt::Key_Left, Qt::ShiftModifier);
    f.Key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(BoundsOf(shape), (TBounds{42, 39, 1, 1}));
    QTest::keyClicks(f.Surface().KeySink(), "abc");
    EXPECT_TRUE(f.Surface().KeySink()->text().isEmpty());
    f.Key(Qt::Key_Delete);
    EXPECT_TRUE(f.Objects().empty());
}

TEST(SurfaceCommands, TheKeySinkLeavesTheEditMenuItsShortcuts) {
    SurfaceFixture f;
    QApplication::clipboard()->clear();
    f.Shape({40, 40, 50, 50});
    f.Key(Qt::Key_C, Qt::ControlModifier);
    ASSERT_TRUE(ClipboardHoldsObjects());
    f.Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(f.Objects().size(), 2u);
    f.Key(Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(f.Objects().size(), 3u);
    f.Key(Qt::Key_Delete, Qt::ControlModifier);
    EXPECT_EQ(f.Objects().size(), 2u);
    f.Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(f.Objects().size(), 3u);
    f.Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(f.Objects().size(), 2u);
    f.Key(Qt::Key_Z, Qt::ControlModifier);
    f.Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(f.Objects().size(), 2u);
}

TEST(SurfaceCommands, DeleteDoesNothingWhileAnotherEditorHasTheFocus) {
    SurfaceFixture f;
    f.Shape({40, 40, 50, 50});
    auto* editor = f.Form->findChild<QComboBox*>("ComboBox1");
    editor->setFocus();
    ASSERT_FALSE(f.Surface().KeySinkHasFocus());
    f.Trigger("Delete1");
    EXPECT_EQ(f.Objects().size(), 1u);
    f.Surface().FocusKeySink();
    f.Trigger("Delete1");
    EXPECT_TRUE(f.Objects().empty());
}

TEST(SurfaceCommands, ClearAndStackingCommands) {
    SurfaceFixture f;
    f.Add("ToolButton_SecurityEdit", {300, 300});
    f.Shape({10, 10, 50, 50});
    f.Shape({20, 20, 50, 50});
    auto& first = *f.Objects()[0];
    SelectOnly(f.Objects(), &first);
    f.Trigger("BringtoFront1");
    // To the front of the drawn objects: windowed ones stay above them.
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape2", "Shape1", "Edit1"}));
    SelectOnly(f.Objects(), f.Objects()[2].get());
    f.Trigger("SendtoBack1");
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape2", "Shape1", "Edit1"}));
    SelectOnly(f.Objects(), f.Objects()[1].get());
    f.Trigger("SendtoBack1");
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape1", "Shape2", "Edit1"}));
    f.Form->SetModified(false);
    f.Trigger("Clear1");
    EXPECT_TRUE(f.Objects().empty());
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    EXPECT_TRUE(f.Boxes.Shown.empty()); // no question
}

TEST(SurfaceCommands, ADroppedTemplateGetsAFreshNameOrBecomesTheBackground) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 50, 50});
    const auto shapeFile = f.Root.File("Shape1.obj");
    ASSERT_TRUE(SaveObjectFile(shapeFile, shape));
    EXPECT_TRUE(f.Surface().DropTemplate(shapeFile, "01Shapes", {101, 203}));
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
    EXPECT_EQ(BoundsOf(*f.Objects()[1]), (TBounds{104, 200, 50, 50}));
    EXPECT_TRUE(SelectedObjects(f.Objects()).empty());

    TAutoObject image;
    image.Kind = okImage;
    image.Props.Name = "Sky";
    auto payload = std::make_unique<TImagePayload>();
    payload->AutoSize = true;
    payload->Width = payload->Height = 30;
    payload->ImageNormal = SamplePicture(TPictureKind::Png);
    image.Payload = std::move(payload);
    const auto imageFile = f.Root.File("Sky.obj");
    ASSERT_TRUE(SaveObjectFile(imageFile, image));
    EXPECT_TRUE(f.Surface().DropTemplate(imageFile, "02Pictures", {300, 300}));
    ASSERT_EQ(f.Objects().size(), 3u);
    const auto* dropped = dynamic_cast<TImagePayload*>(f.Objects()[2]->Payload.get());
    ASSERT_NE(dropped, nullptr);
    EXPECT_FALSE(dropped->AutoSize);
    EXPECT_TRUE(dropped->Stretch);
    EXPECT_EQ(f.Objects()[2]->Props.Name, "Image1");

    const auto& page = f.Form->Host().Model()->Page();
    ASSERT_TRUE(page.BackImage.Empty());
    EXPECT_TRUE(f.Surface().DropTemplate(imageFile, "03Background", {300, 300}));
    EXPECT_EQ(f.Objects().size(), 3u);
    EXPECT_EQ(page.BackImage, SamplePicture(TPictureKind::Png));

    // A file that cannot be read adds nothing.
    WriteText(f.Root.File("broken.obj"), "\x7f\x01");
    f.Form->SetModified(false);
    EXPECT_FALSE(f.Surface().DropTemplate(f.Root.File("broken.obj"), "01Shapes", {10, 10}));
    EXPECT_FALSE(f.Surface().DropTemplate(f.Root.File("missing.obj"), "01Shapes", {10, 10}));
    EXPECT_EQ(f.Objects().size(), 3u);
    EXPECT_FALSE(f.Form->Project().ProjectModified);
}

TEST(SurfaceCommands, TheWindowMovesAndSizesItsPageAndCannotBeClosedOrMinimised) {
    SurfaceFixture f;
    auto& surface = f.Surface();
    auto& page = f.Form->Host().Model()->Page();
    f.Form->SetModified(false);
    surface.WindowMoved({30, 40});
    EXPECT_EQ(page.Left, 30);
    EXPECT_EQ(page.Top, 40);
    EXPECT_EQ(surface.pos(), QPoint(30, 40));
    EXPECT_TRUE(f.Form->Project().ProjectModified);

    const auto metrics = FrameMetricsOf(page.BorderStyle);
    surface.WindowResized(
        {20, 25, 400 + 2 * metrics.Border, 300 + 2 * metrics.Border + metrics.Caption});
    EXPECT_EQ(page.Left, 20);
    EXPECT_EQ(page.Width, 400);
    EXPECT_EQ(page.Height, 300);
    EXPECT_EQ(f.Form->Host().PanelSize(), QSize(400, 300));
    EXPECT_EQ(surface.Image1().size(), QSize(400, 300));
    EXPECT_EQ(surface.size(),
              QSize(400 + 2 * metrics.Border, 300 + 2 * metrics.Border + metrics.Caption));

    // Dragging the caption moves the window.
    const QPoint caption(60, metrics.Border + 5);
    QTest::mousePress(&surface, Qt::LeftButton, {}, caption);
    QTest::mouseMove(&surface, caption + QPoint(15, 10));
    QTest::mouseRelease(&surface, Qt::LeftButton, {}, caption + QPoint(15, 10));
    EXPECT_EQ(page.Left, 35);
    EXPECT_EQ(page.Top, 35);

    EXPECT_FALSE(surface.close());
    surface.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(surface.windowState() & Qt::WindowMinimized);
    EXPECT_FALSE(surface.isHidden());
}

} // namespace
} // namespace brelvane::test
