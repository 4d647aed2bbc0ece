#include "SurfaceFixture.h"
#include "objects/records/ObjectKinds.h"
#include "player/PageSurface.h"

#include <QMenu>
#include <QSignalSpy>

namespace brelvane::test {
namespace {

TEST(SurfaceMouse, TheToolBarAddsOneObjectAtTheSnappedPointAndPressesSelectAgain) {
    SurfaceFixture f;
    EXPECT_TRUE(f.Form->Action("ToolButton_Select")->isChecked());
    auto& shape = f.Add("ToolButton_Shape", {21, 21});
    EXPECT_EQ(shape.Kind, okShape);
    EXPECT_EQ(shape.Props.Name, "Shape1");
    EXPECT_EQ(BoundsOf(shape), (TBounds{24, 24, 105, 105}));
    EXPECT_EQ(shape.Payload->Left, 24);
    EXPECT_TRUE(f.Form->Action("ToolButton_Select")->isChecked());
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    // The next press selects instead of adding.
    f.Click({300, 300});
    EXPECT_EQ(f.Objects().size(), 1u);
    EXPECT_TRUE(f.SelectedNames().empty());
    f.Add("ToolButton_Shape", {200, 200});
    EXPECT_EQ(f.ObjectNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
}

TEST(SurfaceMouse, ToolButtonsAreEnabledExactlyForKindsWithAPayloadCodec) {
    SurfaceFixture f;
    int buttons = 0;
    for (auto* action : f.Form->findChildren<QAction*>()) {
        if (!action->objectName().startsWith("ToolButton_") || !action->isCheckable() ||
            action->objectName() == "ToolButton_Select")
            continue;
        ++buttons;
        const auto kind = static_cast<std::uint8_t>(action->data().toUInt());
        EXPECT_EQ(action->isEnabled(), PayloadCodecOf(kind) != nullptr)
            << action->objectName().toStdString();
        EXPECT_TRUE(action->toolTip().startsWith("Add ")) << action->objectName().toStdString();
    }
    EXPECT_EQ(buttons, 25);
    EXPECT_EQ(f.Form->Action("ToolButton_ComboBox")->data().toUInt(), okDropDownList);
    EXPECT_EQ(f.Form->Action("ToolButton_ComboBox")->toolTip(), "Add DropDownList");
    f.Trigger("ToolButton_Label");
    f.Trigger("ToolButton_Shape");
    EXPECT_FALSE(f.Form->Action("ToolButton_Label")->isChecked());
    EXPECT_EQ(f.Form->AddingKind(), okShape);
}

TEST(SurfaceMouse, ASnappedDragMovesWholeGridStepsAndKeepsTheRemainder) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 105, 105});
    f.Press({60, 60});
    f.MoveTo({65, 60});
    EXPECT_EQ(BoundsOf(shape).Left, 40);
    f.MoveTo({69, 60});
    EXPECT_EQ(BoundsOf(shape).Left, 48);
    // The extra pixel of the first step counts toward the second.
    f.MoveTo({76, 60});
    EXPECT_EQ(BoundsOf(shape).Left, 56);
    f.Release({76, 60});
    f.Press({70, 70});
    f.MoveTo({61, 70});
    f.Release({61, 70});
    EXPECT_EQ(BoundsOf(shape), (TBounds{48, 40, 105, 105}));
    EXPECT_EQ(shape.Payload->Left, 48);
}

TEST(SurfaceMouse, ShrinkingThroughAGripStopsAtOneGridStepOrOnePixel) {
    SurfaceFixture f;
    auto& shape = f.Shape({40, 40, 100, 100});
    // Grip 5, bottom right, dragged far up and left.
    f.Drag({139, 139}, {20, 20});
    EXPECT_EQ(BoundsOf(shape), (TBounds{40, 40, 8, 8}));
    f.SetSnap(false);
    SetBounds(shape, {40, 40, 100, 100});
    f.Surface().RepaintSurface();
    f.Drag({139, 139}, {20, 20});
    EXPECT_EQ(BoundsOf(shape), (TBounds{40, 40, 1, 1}));
    // The left edge moves even when the width is raised to its minimum.
    SetBounds(shape, {40, 40, 100, 100});
    f.Surface().RepaintSurface();
    f.Drag({40, 90}, {180, 90}); // grip 8
    EXPECT_EQ(BoundsOf(shape), (TBounds{180, 40, 1, 100}));
}

TEST(SurfaceMouse, ObjectsDraggedOffThePageStayOnIt) {
    SurfaceFixture f;
    f.SetSnap(false);
    auto& shape = f.Shape({40, 40, 100, 100});
    f.Drag({60, 60}, {10, 60});
    EXPECT_EQ(BoundsOf(shape).Left, 0);
    f.Drag({60, 60}, {700, 60});
    EXPECT_EQ(BoundsOf(shape).Left, 640 - 5);
    EXPECT_EQ(shape.Payload->Left, 635);
}

TEST(SurfaceMouse, OnASelectedFourPixelObjectTheLeftMiddleGripWins) {
    SurfaceFixture f;
    f.SetSnap(false);
    auto& tiny = f.Shape({0, 0, 4, 4});
    ASSERT_TRUE(tiny.Selected);
    f.Surface().Image1MouseMove({3, 3});
    EXPECT_EQ(f.Image()->cursor().shape(), Qt::SizeHorCursor);
    f.Drag({3, 3}, {3, 13});
    EXPECT_EQ(f.Surface().State().Grip, 8);
    EXPECT_EQ(BoundsOf(tiny), (TBounds{0, 0, 4, 4})); // a vertical drag moves neither edge
    f.Drag({3, 3}, {5, 3});
    EXPECT_EQ(BoundsOf(tiny), (TBounds{2, 0, 2, 4}));
}

TEST(SurfaceMouse, ClickingAnUnselectedObjectMovesItAloneAndASelectedOneMovesAll) {
    SurfaceFixture f;
    f.SetSnap(false);
    auto& a = f.Shape({10, 10, 50, 50});
    auto& b = f.Shape({100, 10, 50, 50});
    auto& c = f.Shape({200, 10, 50, 50});
    auto& d = f.Shape({300, 10, 50, 50});
    f.Surface().SelectAll();
    d.Selected = false;
    f.Drag({320, 30}, {330, 40});
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Shape4"});
    EXPECT_EQ(BoundsOf(d), (TBounds{310, 20, 50, 50}));
    EXPECT_EQ(BoundsOf(a).Left, 10);

    f.Surface().SelectAll();
    d.Selected = false;
    f.Drag({120, 30}, {125, 35});
    EXPECT_EQ(BoundsOf(a), (TBounds{15, 15, 50, 50}));
    EXPECT_EQ(BoundsOf(b), (TBounds{105, 15, 50, 50}));
    EXPECT_EQ(BoundsOf(c), (TBounds{205, 15, 50, 50}));
    EXPECT_EQ(BoundsOf(d), (TBounds{310, 20, 50, 50}));
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Shape2", "Shape3"}));
}

TEST(SurfaceMouse, ACtrlBandTogglesWhatItTouchesAndDeselectsTheRest) {
    SurfaceFixture f;
    f.Shape({10, 10, 50, 50});
    f.Shape({100, 10, 50, 50});
    f.Shape({200, 10, 50, 50});
    auto& outside = f.Shape({10, 200, 50, 50});
    f.Surface().SelectAll();
    f.Objects()[2]->Selected = false;
    ASSERT_TRUE(outside.Selected);
    f.Drag({5, 5}, {260, 100}, Qt::ControlModifier);
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Shape3"});
    // Without Ctrl the band selects exactly what it touches.
    f.Drag({140, 5}, {400, 300});
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape2", "Shape3"}));
}

TEST(SurfaceMouse, ACtrlClickTogglesTheTopmostObjectOnly) {
    SurfaceFixture f;
    f.Shape({10, 10, 50, 50});
    f.Shape({100, 10, 50, 50});
    f.Surface().SelectAll();
    f.Click({20, 20}, Qt::ControlModifier);
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Shape2"});
    f.Click({20, 20}, Qt::ControlModifier);
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
    // A plain click on the empty page deselects everything.
    f.Click({400, 400});
    EXPECT_TRUE(f.SelectedNames().empty());
}

TEST(SurfaceMouse, SelectAllTakesHiddenObjectsThatALaterClickLeavesSelected) {
    SurfaceFixture f;
    auto& hidden = f.Shape({10, 10, 50, 50});
    f.Shape({100, 10, 50, 50});
    dynamic_cast<QWidget*>(hidden.Control.get())->hide();
    f.Surface().SelectAll();
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
    f.Click({120, 30});
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
    // Hidden objects are not hit by presses, nor settled by bands.
    f.Drag({5, 5}, {90, 90});
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Shape1"});
}

TEST(SurfaceMouse, AnUnselectedObjectOnTopHidesTheGripsBelowIt) {
    SurfaceFixture f;
    f.SetSnap(false);
    f.Shape({10, 10, 100, 100});
    auto& top = f.Shape({50, 50, 100, 100});
    f.Objects()[0]->Selected = true;
    top.Selected = false;
    f.Surface().Image1MouseMove({110, 110}); // grip 5 of the lower one, inside the upper one
    EXPECT_EQ(f.Image()->cursor().shape(), Qt::ArrowCursor);
    f.Surface().Image1MouseMove({30, 30});
    EXPECT_EQ(f.Image()->cursor().shape(), Qt::SizeAllCursor);
    f.Surface().Image1MouseMove({109, 8});
    EXPECT_EQ(f.Image()->cursor().shape(), Qt::SizeBDiagCursor);
    f.Surface().Image1MouseMove({300, 300});
    EXPECT_EQ(f.Image()->cursor().shape(), Qt::ArrowCursor);
}

TEST(SurfaceMouse, ARightPressSelectsLikeALeftOneAndAsksForThePopUpMenu) {
    SurfaceFixture f;
    f.Shape({10, 10, 50, 50});
    f.Shape({100, 10, 50, 50});
    f.Surface().SelectAll();
    QSignalSpy popups(&f.Surface(), &TEditForm::PopupRequested);
    f.Press({120, 30}, {}, Qt::RightButton);
    f.Release({120, 30}, {}, Qt::RightButton);
    EXPECT_EQ(f.SelectedNames(), (std::vector<std::string>{"Shape1", "Shape2"}));
    ASSERT_EQ(popups.count(), 1);
    f.Form->PopupMenu1()->hide();
    f.Click({400, 400});
    f.Press({20, 20}, {}, Qt::RightButton);
    f.Release({20, 20}, {}, Qt::RightButton);
    EXPECT_EQ(f.SelectedNames(), std::vector<std::string>{"Shape1"});
    f.Form->PopupMenu1()->hide();
}

TEST(SurfaceMouse, TheRubberBandIsInvertedOverThePageAndErasedAtTheRelease) {
    SurfaceFixture f;
    const QImage before = f.Surface().Image1();
    f.Press({100, 100});
    f.MoveTo({200, 160});
    EXPECT_EQ(f.Surface().State().BandRect, QRect(QPoint(100, 100), QPoint(200, 160)));
    // A dotted outline: some pixels of each edge inverted, the inside untouched.
    const auto changedOnColumn = [&](int x) {
        int changed = 0;
        for (int y = 101; y < 160; ++y) {
            const QRgb now = f.Surface().Image1().pixel(x, y);
            changed += now != before.pixel(x, y);
            EXPECT_EQ(qAlpha(now), 255);
        }
        return changed;
    };
    EXPECT_GT(changedOnColumn(100), 10);
    EXPECT_LT(changedOnColumn(100), 50);
    EXPECT_GT(changedOnColumn(200), 10);
    EXPECT_EQ(changedOnColumn(150), 0);
    f.MoveTo({150, 120});
    // The old band is gone where the new one does not lie.
    EXPECT_EQ(changedOnColumn(200), 0);
    EXPECT_GT(changedOnColumn(150), 0);
    f.Release({150, 120});
    EXPECT_TRUE(f.Surface().State().BandRect.isNull());
    EXPECT_EQ(f.Surface().Image1(), before);
}

TEST(SurfaceMouse, RestackingPutsWindowedKindsAboveDrawnOnes) {
    SurfaceFixture f;
    f.Add("ToolButton_SecurityEdit", {100, 100});
    f.Add("ToolButton_Shape", {100, 100});
    f.Add("ToolButton_AgreementCheck", {300, 300});
    f.Add("ToolButton_Label", {300, 300});
    EXPECT_EQ(f.ObjectNames(),
              (std::vector<std::string>{"Shape1", "Label1", "Edit1", "CheckBox1"}));
    // The controls are stacked in list order.
    auto* panel = f.Form->Host().Model()->Surface();
    std::vector<QWidget*> stacked;
    for (auto* child : panel->children())
        if (auto* widget = qobject_cast<QWidget*>(child)) stacked.push_back(widget);
    ASSERT_EQ(stacked.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i)
        EXPECT_EQ(stacked[i], dynamic_cast<QWidget*>(f.Objects()[i]->Control.get())) << i;
}

TEST(SurfaceMouse, ThePlaceholderAndTheDashedFrameOfAnEmptyImage) {
    SurfaceFixture f;
    f.SetSnap(false);
    const QImage empty = f.Surface().Image1();
    auto& image = f.Add("ToolButton_Image", {40, 40});
    f.Click({400, 400});
    ASSERT_FALSE(image.Selected);
    const QImage& picture = f.Surface().Image1();
    // The dashed frame lies one pixel outside the control, dotted.
    const auto changedOnRow = [&](int y) {
        int changed = 0;
        for (int x = 30; x <= 160; ++x)
            changed += picture.pixel(x, y) != empty.pixel(x, y);
        return changed;
    };
    EXPECT_GT(changedOnRow(39), 20);
    EXPECT_LT(changedOnRow(39), 80);
    EXPECT_GT(changedOnRow(145), 20);
    EXPECT_EQ(changedOnRow(38), 0);
    // Red text at (Left + 5, Top + 5) while the image has no picture.
    const auto reddish = [&](const QImage& shown) {
        int count = 0;
        for (int y = 45; y < 62; ++y)
            for (int x = 45; x < 100; ++x) {
                const QColor c = shown.pixelColor(x, y);
                count += c.red() > 200 && c.green() < 90 && c.blue() < 90;
            }
        return count;
    };
    EXPECT_GT(reddish(picture), 5);
    EXPECT_EQ(reddish(empty), 0);
}

} // namespace
} // namespace brelvane::test
