#include "designer/GroupList.h"

#include "designer/PropertyEditor.h"
#include "designer/SurfaceFixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSplitter>
#include <QTableWidget>
#include <QToolButton>

namespace brelvane::test {
namespace {

struct GroupFixture : SurfaceFixture {
    TGroupList& List() { return Form->GroupList(); }
    // Adds a button of `group` (none when empty).
    TAutoObject& Member(const std::string& group, QPoint at) {
        auto& object = Add("ToolButton_Button", at);
        object.Props.GroupName = group;
        Form->RebuildGroupList();
        return object;
    }
    static bool Shown(const TAutoObject& object) { return IsShown(object); }
    std::vector<std::string> Captions() {
        std::vector<std::string> captions;
        for (auto* box : List().Boxes())
            captions.push_back(box->text().toStdString());
        return captions;
    }
    void Click(const std::string& group) {
        auto* box = List().Box(group);
        ASSERT_NE(box, nullptr) << group;
        box->click();
    }
    // The group chooser answers with `groups` and writes down its prompt.
    std::vector<QString> Prompts;
    void Answer(std::optional<std::vector<std::string>> groups) {
        Form->ChooseGroups = [this, groups](QWidget*, const QString& prompt,
                                            const std::vector<std::string>&) {
            Prompts.push_back(prompt);
            return groups;
        };
    }
};

TEST(GroupList, OneBoxPerGroupInOrderOfFirstAppearanceWithLetterCaseCounting) {
    GroupFixture f;
    f.Member("Blue", {20, 20});
    f.Member("", {20, 60});
    f.Member("blue", {20, 100});
    f.Member("Red", {20, 140});
    f.Member("Blue", {20, 180});
    EXPECT_EQ(f.Captions(), (std::vector<std::string>{"Blue", "blue", "Red"}));
    for (std::size_t i = 0; i < f.List().Boxes().size(); ++i) {
        EXPECT_EQ(f.List().Boxes()[i]->geometry().topLeft(),
                  QPoint(8, 18 * static_cast<int>(i) + 4));
        EXPECT_EQ(f.List().Boxes()[i]->width(), 120);
        EXPECT_TRUE(f.List().Boxes()[i]->isChecked());
    }
    // Pane and splitter are hidden until View > Group List.
    EXPECT_TRUE(f.List().isHidden());
    f.Form->Action("GroupList1")->trigger();
    EXPECT_FALSE(f.List().isHidden());
    EXPECT_EQ(f.List().findChild<QWidget*>("Panel8")->toolTip(), "For Design Time Only");
    EXPECT_EQ(f.List().SpeedButton1()->text(), "Show All");
}

TEST(GroupList, ABoxHidesItsGroupOnlyAndDeselectsEverything) {
    GroupFixture f;
    auto& blue = f.Member("Blue", {20, 20});
    auto& lower = f.Member("blue", {20, 60});
    auto& loose = f.Member("", {20, 100});
    for (auto& object : f.Objects())
        object->Selected = true;
    f.Form->SetModified(false);
    const auto image = f.Surface().Image1();
    f.Click("Blue");
    EXPECT_FALSE(f.Shown(blue));
    EXPECT_TRUE(f.Shown(lower));
    EXPECT_TRUE(f.Shown(loose));
    EXPECT_TRUE(SelectedObjects(f.Objects()).empty());
    EXPECT_NE(f.Surface().Image1(), image); // drawn anew without it
    EXPECT_FALSE(f.Form->Project().ProjectModified);
    EXPECT_TRUE(blue.Props.Visible); // nothing stored changes
    f.Click("Blue");
    EXPECT_TRUE(f.Shown(blue));
    // Objects without a group are never hidden: they have no box.
    EXPECT_EQ(f.List().Box(""), nullptr);
}

TEST(GroupList, APartlyHiddenGroupShowsItsFirstObjectAndAClickSetsThemAll) {
    GroupFixture f;
    auto& first = f.Member("G", {20, 20});
    auto& second = f.Member("G", {20, 60});
    dynamic_cast<QWidget*>(second.Control.get())->hide();
    f.Form->RebuildGroupList();
    EXPECT_TRUE(f.List().Box("G")->isChecked());
    dynamic_cast<QWidget*>(first.Control.get())->hide();
    dynamic_cast<QWidget*>(second.Control.get())->show();
    f.Form->RebuildGroupList(); // setting the tick while rebuilding changes nothing
    EXPECT_FALSE(f.List().Box("G")->isChecked());
    EXPECT_TRUE(f.Shown(second));
    f.Click("G");
    EXPECT_TRUE(f.Shown(first));
    EXPECT_TRUE(f.Shown(second));
    f.Click("G");
    EXPECT_FALSE(f.Shown(first));
    EXPECT_FALSE(f.Shown(second));
    // Show All brings back every control, keeps the selection and ticks every box.
    second.Selected = true;
    f.List().SpeedButton1()->click();
    EXPECT_TRUE(f.Shown(first));
    EXPECT_TRUE(f.Shown(second));
    EXPECT_TRUE(second.Selected);
    EXPECT_TRUE(f.List().Box("G")->isChecked());
}

TEST(GroupList, HidingLastsUntilThePageIsLoadedAgainAndIsNeverSaved) {
    GroupFixture f;
    f.Member("G", {20, 20});
    f.Form->SetModified(true);
    f.Click("G");
    ASSERT_FALSE(f.Shown(*f.Objects()[0]));
    f.AddPage();
    f.Select(0);
    EXPECT_TRUE(f.Shown(*f.Objects()[0]));
    EXPECT_TRUE(f.List().Box("G")->isChecked());
    f.Click("G");
    ASSERT_TRUE(f.Form->Save1Click());
    TPageRecord saved;
    ASSERT_TRUE(LoadPageFile(f.SourceFile("Main Page"), saved, TPageReadMode::Build, {}));
    EXPECT_TRUE(saved.Objects[0]->Props.Visible);
}

TEST(GroupList, SetVisibleInGroupChangesTheStoredFlagOnlyAndMarksOnlyAChange) {
    GroupFixture f;
    auto& a = f.Member("A", {20, 20});
    auto& b = f.Member("B", {20, 60});
    auto& a2 = f.Member("A", {20, 100});
    f.Form->SetModified(false);
    f.Answer(std::nullopt); // cancelled
    f.Form->SetVisibleFalseInGroup1Click();
    EXPECT_EQ(f.Prompts.back(), "Select Group to Set Visible Properties of Objects in it False");
    EXPECT_TRUE(a.Props.Visible);
    f.Answer(std::vector<std::string>{"A"});
    f.Form->SetVisibleFalseInGroup1Click();
    EXPECT_FALSE(a.Props.Visible);
    EXPECT_FALSE(a2.Props.Visible);
    EXPECT_TRUE(b.Props.Visible);
    EXPECT_TRUE(f.Form->Project().ProjectModified);
    // The design view and the list stay as they were.
    EXPECT_TRUE(f.Shown(a));
    EXPECT_TRUE(f.List().Box("A")->isChecked());
    // Nothing to change: not modified.
    f.Form->SetModified(false);
    f.Form->SetVisibleFalseInGroup1Click();
    EXPECT_FALSE(f.Form->Project().ProjectModified);
    f.Form->SetVisibleTrueInGroup1Click();
    EXPECT_EQ(f.Prompts.back(), "Select Group to Set Visible Properties of Objects in it True");
    EXPECT_TRUE(a.Props.Visible);
    EXPECT_TRUE(f.Form->Project().ProjectModified);
}

TEST(GroupList, TypingAGroupNameRebuildsTheListAtEveryKeystroke) {
    GroupFixture f;
    f.Member("", {20, 20});
    auto& editor = f.Form->PropertyEditor();
    auto& list = *editor.ValueEdit();
    const int row = editor.RowOf("GroupName");
    ASSERT_GE(row, 0);
    list.setCurrentCell(row, 1);
    if (!editor.CellEditor()) list.editItem(list.item(row, 1));
    auto* cell = editor.CellEditor();
    auto* line = qobject_cast<QLineEdit*>(cell);
    if (!line)
        if (auto* combo = qobject_cast<QComboBox*>(cell)) line = combo->lineEdit();
    ASSERT_NE(line, nullptr);
    for (const char* typed : {"M", "Me", "Men"}) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(typed).right(1));
        QCoreApplication::sendEvent(line, &press);
        EXPECT_EQ(f.Captions(), (std::vector<std::string>{typed}));
    }
}

} // namespace
} // namespace brelvane::test
