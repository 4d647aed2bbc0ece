#include "designer/TemplatePane.h"

#include "designer/NewLibPageForm.h"
#include "designer/SurfaceFixture.h"
#include "designer/TemplateLibrary.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"

#include <QMimeData>
#include <QTabBar>
#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

struct PaneFixture : SurfaceFixture {
    TTemplatePane& Pane() { return Form->TemplatePane(); }
    std::string Library() const { return Program + "/Templates/Objects"; }
    std::vector<std::string> Tabs() {
        std::vector<std::string> tabs;
        for (int i = 0; i < Pane().Tabs()->count(); ++i)
            tabs.push_back(Pane().Tabs()->tabText(i).toStdString());
        return tabs;
    }
    std::vector<std::string> Items() {
        std::vector<std::string> items;
        for (int i = 0; i < Pane().ListView2()->count(); ++i)
            items.push_back(Pane().ListView2()->item(i)->text().toStdString());
        return items;
    }
    // Add Template Group... with `name` typed; the dialog is closed after
    // OK whatever OK did, and its state before that is returned.
    bool AddGroup(const std::string& name) {
        bool stayedOpen = false;
        OnNextDialog([&](QWidget* dialog) {
            auto* form = qobject_cast<TNewLibPageForm*>(dialog);
            ASSERT_NE(form, nullptr);
            EXPECT_EQ(form->windowTitle(), "New Object Template Group");
            EXPECT_TRUE(form->Edit1()->text().isEmpty());
            EXPECT_EQ(form->Edit1()->maxLength(), 20);
            form->Edit1()->setText(QString::fromStdString(name));
            form->accept();
            stayedOpen = form->isVisible();
            if (stayedOpen) form->reject();
        });
        Form->Action("CreateNewLibPage1")->trigger();
        return !stayedOpen;
    }
};

TEST(TemplatePane, GroupNamesAreTrimmedRefusedWhenBlankTakenOrNoFolderName) {
    PaneFixture f;
    fs::create_directories(f.Library() + "/01Buttons");
    f.Pane().FillTemplatePane(f.Library());
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"01Buttons"}));
    EXPECT_FALSE(f.AddGroup("   "));
    EXPECT_TRUE(f.Boxes.Shown.empty());
    EXPECT_FALSE(f.AddGroup("01Buttons"));
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: \"01Buttons\" already exists.");
    EXPECT_TRUE(f.AddGroup("  E2E  "));
    EXPECT_TRUE(fs::is_directory(f.Library() + "/E2E"));
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"01Buttons", "E2E"}));
    EXPECT_EQ(f.Pane().Group(), "E2E");
    // Names that are no folder name close the dialog and make nothing.
    for (const char* name : {"../Escape", "a/b", "x:y", ".."}) {
        f.AddGroup(name);
        EXPECT_EQ(f.Tabs().size(), 2u) << name;
    }
    EXPECT_FALSE(fs::exists(f.Program + "/Templates/Escape"));
    EXPECT_FALSE(fs::exists(f.Library() + "/a"));
}

TEST(TemplatePane, SelectedObjectsBecomeTemplatesNumberedPerKindInPageOrder) {
    PaneFixture f;
    fs::create_directories(f.Library() + "/Mine");
    f.Pane().FillTemplatePane(f.Library());
    f.Form->Action("SaveObjectToLib1")->trigger(); // nothing selected: the list is rebuilt
    EXPECT_TRUE(f.Items().empty());
    auto& first = f.Add("ToolButton_Button", {40, 40});
    f.Add("ToolButton_Shape", {40, 120});
    f.Add("ToolButton_Button", {200, 40});
    for (auto& object : f.Objects())
        object->Selected = true;
    f.Form->Action("SaveObjectToLib1")->trigger();
    EXPECT_EQ(f.Items(), (std::vector<std::string>{"Button001", "Button002", "Shape001"}));
    const auto group = f.Library() + "/Mine";
    TMemoryStream expected;
    ASSERT_TRUE(WriteObject(expected, first));
    EXPECT_EQ(ReadFileBytes(group + "/Button001"), expected.Bytes());
    EXPECT_EQ(LoadObjectFile(group + "/Button002")->Payload->Left, 200);
    // Listing made their previews, 64 × 48.
    for (const char* name : {"Button001", "Button002", "Shape001"})
        EXPECT_EQ(fs::file_size(PreviewPathOf(group, name)), 9270u) << name;
}

TEST(TemplatePane, DeletingItemsAsksAndSkipsWhatCannotBeDeleted) {
    PaneFixture f;
    const auto group = f.Library() + "/G";
    fs::create_directories(group);
    auto& shape = f.Shape({10, 10, 30, 30});
    for (const char* name : {"Shape001", "Shape002", "Shape003"})
        ASSERT_TRUE(SaveObjectFile(group + "/" + name, shape));
    f.Pane().FillTemplatePane(f.Library());
    ASSERT_EQ(f.Items().size(), 3u);
    f.Form->Action("DeleteTemplateItem1")->trigger(); // nothing selected: no question
    EXPECT_TRUE(f.Boxes.Shown.empty());
    // One file turns into a folder that is not empty: it cannot be deleted.
    fs::remove(group + "/Shape002");
    fs::create_directories(group + "/Shape002/inside");
    for (int row : {0, 1})
        f.Pane().ListView2()->item(row)->setSelected(true);
    f.Form->Action("DeleteTemplateItem1")->trigger();
    EXPECT_EQ(f.Boxes.Shown.back(), "Confirm: Delete object template item, continue?");
    EXPECT_EQ(f.Items(), (std::vector<std::string>{"Shape002", "Shape003"}));
    EXPECT_FALSE(fs::exists(group + "/Shape001"));
    EXPECT_FALSE(fs::exists(PreviewPathOf(group, "Shape001")));
    EXPECT_TRUE(fs::exists(PreviewPathOf(group, "Shape003")));
    EXPECT_EQ(f.Boxes.Shown.size(), 1u); // skipped silently
}

TEST(TemplatePane, DeletingAGroupStopsAtAnItemThatCannotBeDeletedAndNeverRecurses) {
    PaneFixture f;
    const auto group = f.Library() + "/G";
    fs::create_directories(group);
    fs::create_directories(f.Library() + "/H");
    auto& shape = f.Shape({10, 10, 30, 30});
    for (const char* name : {"A", "B", "C"})
        ASSERT_TRUE(SaveObjectFile(group + "/" + name, shape));
    f.Pane().FillTemplatePane(f.Library());
    ASSERT_EQ(f.Pane().Group(), "G");
    fs::remove(group + "/B");
    fs::create_directories(group + "/B/inside");
    f.Form->Action("DeleteLibPage1")->trigger();
    EXPECT_EQ(f.Boxes.Shown[0], "Confirm: Delete object template group \"G\", continue?");
    EXPECT_EQ(f.Boxes.Shown[1], "Error: Delete object template item \"B\" failed.");
    EXPECT_FALSE(fs::exists(group + "/C")); // deleted before the failure
    EXPECT_TRUE(fs::exists(group + "/A"));
    EXPECT_EQ(f.Items(), (std::vector<std::string>{"A", "B"}));
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"G", "H"}));

    // A folder left in the group keeps it: the removal is never recursive.
    fs::remove_all(group + "/B");
    fs::create_directories(group + "/Keep/me");
    f.Pane().ShowTemplateGroup();
    f.Form->Action("DeleteLibPage1")->trigger();
    EXPECT_EQ(f.Boxes.Shown.back(), "Error: Delete object template group \"G\" failed.");
    EXPECT_TRUE(fs::exists(group + "/Keep/me"));
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"G", "H"}));

    fs::remove_all(group + "/Keep");
    f.Form->Action("DeleteLibPage1")->trigger();
    EXPECT_FALSE(fs::exists(group));
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"H"}));
    EXPECT_EQ(f.Pane().Group(), "H");
    // The last group goes: no tabs, the list parked out of sight.
    f.Form->Action("DeleteLibPage1")->trigger();
    EXPECT_TRUE(f.Tabs().empty());
    EXPECT_FALSE(f.Pane().ListView2()->isVisible());
    const auto shown = f.Boxes.Shown.size();
    for (const char* command : {"DeleteLibPage1", "SaveObjectToLib1", "DeleteTemplateItem1"})
        f.Form->Action(command)->trigger();
    EXPECT_EQ(f.Boxes.Shown.size(), shown);
    EXPECT_TRUE(f.AddGroup("New"));
    EXPECT_EQ(f.Tabs(), (std::vector<std::string>{"New"}));
}

TEST(TemplatePane, AnItemDraggedOntoThePageIsDroppedThereAsOneUndoStep) {
    PaneFixture f;
    const auto group = f.Library() + "/01Shapes";
    fs::create_directories(group);
    auto& shape = f.Shape({10, 10, 30, 30});
    ASSERT_TRUE(SaveObjectFile(group + "/Shape001", shape));
    f.Pane().FillTemplatePane(f.Library());
    ASSERT_TRUE(DragTemplateItem(f.Pane(), 0, f.Image(), {201, 103}));
    ASSERT_EQ(f.Objects().size(), 2u);
    EXPECT_EQ(f.Objects()[1]->Props.Name, "Shape2");
    EXPECT_EQ(BoundsOf(*f.Objects()[1]), (TBounds{200, 104, 30, 30}));
    f.Form->Undo1Click();
    EXPECT_EQ(f.Objects().size(), 1u);
}

} // namespace
} // namespace brelvane::test
