#include "designer/PropertyEditor.h"

#include "PropertyListFixture.h"
#include "dialogs/ActionEditorForm.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SlideShowPayload.h"
#include "objects/records/TextPayload.h"
#include "objects/records/TreeViewPayload.h"
#include "render/TransitionStyles.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QStatusBar>
#include <QTableWidget>
#include <cstdlib>

namespace brelvane::test {
namespace {

TEST(PropertyEditor, ANumberThatIsNoNumberIsRefusedAndStopsTheSave) {
    PropertyList f;
    auto& button = f.Button();
    const int width = button.Payload->Width;
    ASSERT_NE(f.TypeInto("Width", "12a"), nullptr);
    EXPECT_FALSE(f.Form->Save1Click());
    EXPECT_EQ(f.Boxes.Shown,
              std::vector<std::string>{"Information: \"12a\" is not a valid value."});
    EXPECT_EQ(button.Payload->Width, width);
    EXPECT_EQ(f.Shown("Width"), QString::number(width));
    EXPECT_FALSE(std::filesystem::exists(f.SourceFile("Main Page")));
    // Leaving the cell with the text shows the message too and keeps the width.
    f.TypeInto("Width", "x");
    f.Leave();
    EXPECT_EQ(f.Boxes.Shown.size(), 2u);
    EXPECT_EQ(f.Boxes.Shown.back(), "Information: \"x\" is not a valid value.");
    EXPECT_EQ(button.Payload->Width, width);
    EXPECT_TRUE(f.Form->Save1Click());
}

TEST(PropertyEditor, NumbersBeyondTheirBoundsTakeTheNearestBound) {
    PropertyList f;
    auto& button = f.Button();
    EXPECT_TRUE(f.SetNumber("Width", "1"));
    EXPECT_EQ(button.Payload->Width, 2);
    EXPECT_EQ(f.Shown("Width"), "2");
    EXPECT_TRUE(f.SetNumber("Left", "-40"));
    EXPECT_EQ(f.Shown("Left"), QString::number(button.Payload->Left));

    auto* scroll = AddObject(*f.Form->Host().Model(), okScrollText, 40, 200);
    ASSERT_NE(scroll, nullptr);
    f.Editor().FillProperties();
    auto& text = static_cast<TScrollTextPayload&>(*scroll->Payload).Text;
    EXPECT_TRUE(f.SetNumber("HeadSpace", "500"));
    EXPECT_EQ(text.HeadSpace, 150);
    EXPECT_EQ(f.Shown("HeadSpace"), "150");
    // The fade band stays within the object's height.
    EXPECT_TRUE(f.SetNumber("FadeHeight", "100000"));
    EXPECT_EQ(text.FadeHeight, scroll->Payload->Height);

    // A text effect's shadow offset is a signed byte: the value shown is the one stored.
    auto* label = AddObject(*f.Form->Host().Model(), okLabel, 40, 300);
    f.Editor().FillProperties();
    auto& effect = static_cast<TLabelPayload&>(*label->Payload).Effect.FontEffect;
    EXPECT_TRUE(f.SetNumber("ShadowXOff", "500"));
    EXPECT_TRUE(f.SetNumber("ShadowYOff", "-500"));
    EXPECT_EQ(effect.Shadow.OffsetX, 127);
    EXPECT_EQ(effect.Shadow.OffsetY, -128);
    EXPECT_EQ(f.Shown("ShadowXOff"), "127");
    EXPECT_TRUE(f.SetNumber("Angle", "-400"));
    EXPECT_EQ(effect.Angle, -360);
    EXPECT_TRUE(f.Boxes.Shown.empty());
}

TEST(PropertyEditor, PercentRowsStoreBytes) {
    PropertyList f;
    f.Editor().FillProperties();
    ASSERT_EQ(f.Editor().Target(), nullptr);
    EXPECT_TRUE(f.SetNumber("FadeInStep (%)", "50"));
    EXPECT_EQ(f.Page().FadeInStep, 128);
    EXPECT_EQ(f.Shown("FadeInStep (%)"), "50");
    EXPECT_TRUE(f.SetNumber("ShadowAlpha (%)", "0"));
    EXPECT_EQ(f.Page().ShadowAlpha, 0);
    EXPECT_EQ(f.Shown("ShadowAlpha (%)"), "0");
    // The bounds hold in percent.
    EXPECT_TRUE(f.SetNumber("FadeOutStep (%)", "0"));
    EXPECT_EQ(f.Page().FadeOutStep, 3);
    EXPECT_EQ(f.Shown("FadeOutStep (%)"), "1");
}

TEST(PropertyEditor, ChoosingAnActionEmptiesItsSettingsAndRebuildsTheParameterRow) {
    PropertyList f;
    auto& button = f.Button();
    f.Choose("ClickAction", "Visit Website");
    EXPECT_EQ(button.Props.ActionType, 2);
    ASSERT_NE(f.TypeInto("WebSiteURL", "www.example.com"), nullptr);
    EXPECT_EQ(button.Props.ActionFile, "www.example.com");
    EXPECT_EQ(f.Row("CloseAfterAction").Editor, TRowEditor::Choice);
    f.Choose("CloseAfterAction", "True");
    EXPECT_EQ(button.Props.CloseAfterAction, 1);
    f.Leave();
    QCoreApplication::processEvents();
    f.Choose("ClickAction", "Play Sound");
    EXPECT_EQ(button.Props.ActionType, 4);
    EXPECT_EQ(button.Props.ActionFile, "");
    EXPECT_EQ(button.Props.CloseAfterAction, 0);
    EXPECT_EQ(f.Editor().RowOf("WebSiteURL"), -1);
    EXPECT_EQ(f.Row("SoundFile").Editor, TRowEditor::File);
    EXPECT_TRUE(f.Row("SoundFile").HasEllipsis());
    EXPECT_EQ(f.Row("CloseAfterAction").Look, TRowLook::Disabled);
    // An action whose dialog comes later is still chosen, and shows its true value.
    f.Choose("ClickAction", "Action Group");
    EXPECT_EQ(button.Props.ActionType, 28);
    EXPECT_EQ(f.Shown("Actions"), "[None]");
    // The ellipsis opens the action editor; the action it returns is kept, rows and all.
    ASSERT_TRUE(f.Row("Actions").HasEllipsis());
    OnNextDialog([](QWidget* dialog) {
        auto* form = qobject_cast<TActionEditorForm*>(dialog);
        ASSERT_NE(form, nullptr);
        auto* list = form->ActionList();
        list->setCurrentIndex(list->findData(16));
        form->FileBox()->setEditText("Hello");
        form->accept();
    });
    f.Editor().ValueEditEditButtonClick(f.Editor().RowOf("Actions"));
    EXPECT_EQ(button.Props.ActionType, 16);
    EXPECT_EQ(button.Props.ActionFile, "Hello");
    EXPECT_EQ(f.Shown("Message"), "Hello");
    EXPECT_EQ(f.Shown("ClickAction"), "Show Message");
    // A cancelled editor changes nothing.
    f.Choose("ClickAction", "Open/Run File");
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->reject(); });
    f.Editor().ValueEditEditButtonClick(f.Editor().RowOf("FileName(s)"));
    EXPECT_EQ(button.Props.ActionType, 1);
    EXPECT_EQ(f.Shown("FileName(s)"), "[None]");
    f.Choose("ClickAction", "Exit");
    EXPECT_EQ(f.Row("FileName").Look, TRowLook::Disabled);
}

TEST(PropertyEditor, TheWebViewsLocationRowFollowsItsType) {
    PropertyList f;
    auto& web = f.Add("ToolButton_Explorer", {60, 60});
    auto* fields = ExplorerFieldsOf(web.Payload.get());
    ASSERT_NE(fields, nullptr);
    EXPECT_EQ(f.Shown("ExplorerType"), "WebSite");
    ASSERT_NE(f.TypeInto("WebSiteURL", "www.example.com"), nullptr);
    EXPECT_EQ(fields->Location, "www.example.com");
    f.Leave();
    QCoreApplication::processEvents();
    f.Choose("ExplorerType", "Folder");
    EXPECT_EQ(fields->ExplorerType, etFolder);
    EXPECT_EQ(f.Editor().RowOf("WebSiteURL"), -1);
    EXPECT_EQ(f.Row("Folder").Editor, TRowEditor::File);
    f.Choose("ExplorerType", "File");
    EXPECT_EQ(fields->ExplorerType, etFile);
    EXPECT_TRUE(f.Row("FileName").HasEllipsis());
    // Players hosted in their own windows have no comment, sounds or action rows.
    EXPECT_EQ(f.Editor().RowOf("Hint"), -1);
    EXPECT_EQ(f.Editor().RowOf("ClickSound"), -1);
    EXPECT_EQ(f.Editor().RowOf("ClickAction"), -1);
    EXPECT_GE(f.Editor().RowOf("Left"), 0);
}

TEST(PropertyEditor, TreeIconsAreHeldTwoPixelsLargerThanShown) {
    PropertyList f;
    f.Add("ToolButton_ListView", {40, 40});
    auto& tree = f.Add("ToolButton_TreeView", {200, 200});
    auto& payload = static_cast<TTreeViewPayload&>(*tree.Payload);
    EXPECT_EQ(f.Shown("IconWidth"), QString::number(payload.IconWidth - 2));
    EXPECT_TRUE(f.SetNumber("IconWidth", "20"));
    EXPECT_TRUE(f.SetNumber("IconHeight", "0"));
    EXPECT_EQ(payload.IconWidth, 22);
    EXPECT_EQ(payload.IconHeight, 3);
    EXPECT_EQ(f.Shown("IconHeight"), "1");
    // The list view link offers the page's list views and hides a name none of them has.
    EXPECT_EQ(f.Row("AssociatedListView").Offered(), QStringList{"ListView1"});
    f.Choose("AssociatedListView", "ListView1");
    EXPECT_EQ(payload.AssociatedListView, "ListView1");
    EXPECT_EQ(f.Row("AssociatedListView").Text(), "ListView1");
    payload.AssociatedListView = "Gone";
    EXPECT_EQ(f.Row("AssociatedListView").Text(), "");
    // The lists have no action section and show their items as a placeholder.
    EXPECT_EQ(f.Editor().RowOf("ClickAction"), -1);
    EXPECT_EQ(f.Shown("Items"), "[None]");
}

TEST(PropertyEditor, SlideShowStylesAreRandomThenEveryTransition) {
    PropertyList f;
    auto& show = f.Add("ToolButton_SlideShow", {60, 60});
    auto& settings = static_cast<TSlideShowPayload&>(*show.Payload).Settings;
    const auto& styles = f.Row("Style").Offered();
    ASSERT_EQ(styles.size(), 151);
    EXPECT_EQ(styles.front(), "Random");
    EXPECT_EQ(styles[1], QString("1-") + TransitionStyles()[0].Name);
    EXPECT_EQ(styles[150], QString("150-") + TransitionStyles()[149].Name);
    f.Choose("Style", styles[42]);
    EXPECT_EQ(settings.Style, 42);
    f.Choose("Style", "Random");
    EXPECT_EQ(settings.Style, 0);
    f.Choose("ImageStyle", "EnlargeFit");
    EXPECT_EQ(settings.ImageStyle, 4);
    EXPECT_TRUE(f.SetNumber("Step (%)", "250"));
    EXPECT_EQ(settings.Step, 100);
    EXPECT_TRUE(f.SetNumber("StepDelay (ms)", "-5"));
    EXPECT_EQ(settings.StepDelay, 0);
}

TEST(PropertyEditor, GotoPageOffersTheOtherPages) {
    PropertyList f;
    f.AddPage();
    f.AddPage();
    f.Select(0);
    f.Editor().FillProperties();
    f.Choose("Start Action", "Goto Page");
    EXPECT_EQ(f.Row("PageName").Offered().size(), 0u); // the page's own name row comes first
    const auto suggestions = [&f] {
        const auto& rows = f.Editor().Rows();
        for (std::size_t i = f.Editor().SectionStart(TRowSection::Action); i < rows.size(); ++i)
            if (rows[i].Caption == "PageName") return rows[i].Offered();
        return QStringList();
    };
    EXPECT_EQ(suggestions(), (QStringList{"Sub Page", "Sub Page1"}));
    f.Choose("Start Action", "Show Sub Page");
    EXPECT_EQ(suggestions(), (QStringList{"Sub Page", "Sub Page1"}));
    f.Select(1);
    f.Editor().FillProperties();
    f.Choose("Start Action", "Goto Page");
    EXPECT_EQ(suggestions(), (QStringList{"Main Page", "Sub Page1"}));
    f.Choose("Start Action", "Show Sub Page");
    EXPECT_EQ(suggestions(), (QStringList{"Sub Page1"}));
}

TEST(PropertyEditor, CommentViewersBeginWithTheStatusPanels) {
    PropertyList f;
    f.Page().StatusPanels.resize(2);
    f.Add("ToolButton_Shape", {300, 300});
    f.Add("ToolButton_Label", {40, 200});
    EXPECT_EQ(f.Row("CommentViewer").Offered(),
              (QStringList{"StatusBar[0]", "StatusBar[1]", "Label1"}));
    f.Choose("CommentViewer", "StatusBar[1]");
    EXPECT_EQ(SelectedObjects(f.Objects()).front()->Props.CommentViewer, "StatusBar[1]");
    // No empty value is offered.
    f.Choose("CommentViewer", "");
    EXPECT_EQ(SelectedObjects(f.Objects()).front()->Props.CommentViewer, "StatusBar[1]");
}

TEST(PropertyEditor, SelectorStatusAndMultipleSelection) {
    PropertyList f;
    f.Editor().FillProperties();
    EXPECT_EQ(f.Editor().StatusText(), "Main Page Properties");
    EXPECT_EQ(f.Editor().ComboBox1()->currentIndex(), 0);
    EXPECT_EQ(f.Editor().Rows().front().Caption, "PageName");
    EXPECT_EQ(f.Editor().SectionStart(TRowSection::Bars), f.Editor().RowOf("MenuBarItems"));
    EXPECT_EQ(f.Editor().SectionStart(TRowSection::Position), f.Editor().RowOf("Left"));
    EXPECT_EQ(f.Editor().SectionStart(TRowSection::Visibility), 1000);
    f.Button();
    auto& label = f.Add("ToolButton_Label", {40, 200});
    EXPECT_EQ(f.Editor().StatusText(), "Object Properties  [2 / 2]");
    EXPECT_EQ(f.Form->statusBar()->findChildren<QLabel*>().front()->text(),
              "Object Properties  [2 / 2]");
    EXPECT_FALSE(f.Editor().CheckGroup());
    EXPECT_EQ(f.Editor().SectionStart(TRowSection::Visibility), f.Editor().RowOf("Visible"));
    EXPECT_EQ(f.Editor().RowOf("Checked"), -1);
    f.Editor().ComboBox1Change(1);
    EXPECT_TRUE(f.Editor().CheckGroup());
    EXPECT_GE(f.Editor().RowOf("CheckStyleInGroup"), 0);
    EXPECT_EQ(f.Editor().StatusText(), "Object Properties  [1 / 2]");
    f.Trigger("SelectAll1");
    EXPECT_EQ(f.Editor().ComboBox1()->currentIndex(), -1);
    EXPECT_TRUE(f.List().isHidden());
    EXPECT_FALSE(f.Editor().MultiSelected()->isHidden());
    EXPECT_EQ(f.Editor().StatusText(), "Multi - Selected");
    // A hidden object is shown in the list but selected nowhere.
    label.Control->SetShown(false);
    f.Editor().ComboBox1Change(2);
    EXPECT_EQ(f.Editor().Target(), &label);
    EXPECT_TRUE(SelectedObjects(f.Objects()).empty());
    EXPECT_TRUE(f.Editor().ComboBox1()->itemData(2, Qt::UserRole + 2).toBool());
    EXPECT_EQ(f.Editor().Rows().front().Caption, "Name");
    EXPECT_EQ(f.Shown("Name"), "Label1");
}

TEST(PropertyEditor, NamesAreNotComparedButPageNamesAre) {
    PropertyList f;
    auto& button = f.Button();
    f.Add("ToolButton_Label", {40, 200});
    f.Editor().ComboBox1Change(1);
    ASSERT_NE(f.TypeInto("Name", "Label1"), nullptr);
    EXPECT_EQ(button.Props.Name, "Label1");
    EXPECT_EQ(f.Editor().ComboBox1()->itemText(1), "Label1");
    f.Leave();
    f.Editor().ComboBox1Change(0);
    EXPECT_FALSE(f.SetNumber("PageName", "main page"));
    EXPECT_EQ(f.Boxes.Shown,
              std::vector<std::string>{"Information: A page named main page already exists."});
    EXPECT_EQ(f.Page().PageName, "Main Page");
    EXPECT_EQ(f.Shown("PageName"), "Main Page");
    EXPECT_TRUE(f.SetNumber("PageName", "Start"));
    EXPECT_EQ(f.Page().PageName, "Start");
    EXPECT_EQ(f.Names(), std::vector<std::string>{"Start"});
    EXPECT_EQ(f.Editor().ComboBox1()->itemText(0), "Start");
}

TEST(PropertyEditor, SelectorFollowsRenamesHidingAndRemovalsMadeBetweenFills) {
    PropertyList f;
    auto& button = f.Button();
    auto& label = f.Add("ToolButton_Label", {40, 200});
    f.Add("ToolButton_Label", {40, 260});
    auto* selector = f.Editor().ComboBox1();
    ASSERT_EQ(selector->count(), 4);
    // Renamed through the list, then back outside it (as an undo does): the refill shows the
    // name the record holds.
    f.Editor().ComboBox1Change(1);
    ASSERT_NE(f.TypeInto("Name", "Renamed"), nullptr);
    f.Leave();
    EXPECT_EQ(selector->itemText(1), "Renamed");
    button.Props.Name = "Button1";
    label.Control->SetShown(false);
    for (auto& object : f.Objects())
        object->Selected = false;
    f.Objects().pop_back();
    f.Editor().FillProperties();
    ASSERT_EQ(selector->count(), 3);
    EXPECT_EQ(selector->itemText(1), "Button1");
    EXPECT_EQ(selector->itemText(2), "Label1");
    EXPECT_TRUE(selector->itemData(2, Qt::UserRole + 2).toBool());
    EXPECT_FALSE(selector->itemData(1, Qt::UserRole + 2).toBool());
    EXPECT_EQ(selector->currentIndex(), 0);
    // Shown again and a new object: the items change with them.
    label.Control->SetShown(true);
    f.Add("ToolButton_Label", {40, 320});
    ASSERT_EQ(selector->count(), 4);
    EXPECT_FALSE(selector->itemData(2, Qt::UserRole + 2).toBool());
    EXPECT_EQ(selector->currentIndex(), 3);
}

TEST(PropertyEditor, EachCellIsOneUndoStepAndTextKeepsToTheCodePage) {
    PropertyList f;
    auto& button = f.Button();
    const auto& caption = static_cast<TButtonPayload&>(*button.Payload).Caption;
    const std::string before = caption;
    const auto* page = f.Form->Project().Entry(0);
    const auto steps = f.Form->UndoHistory().UndoCount(page);
    auto* line = f.TypeInto("Caption", QString::fromUtf8("Go\u03a9 \u00e9!"));
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), QString::fromUtf8("Go \u00e9!"));
    EXPECT_EQ(caption, "Go \xe9!");
    EXPECT_EQ(f.Form->UndoHistory().UndoCount(page), steps + 1);
    EXPECT_EQ(f.Form->UndoHistory().NextUndo(page)->Label, "Caption");
    f.Leave();
    f.Choose("ButtonType", "OK");
    EXPECT_EQ(f.Form->UndoHistory().UndoCount(page), steps + 2);
    f.Surface().FocusKeySink();
    f.Form->Undo1Click();
    f.Form->Undo1Click();
    auto& restored = *f.Objects().front();
    EXPECT_EQ(static_cast<TButtonPayload&>(*restored.Payload).Caption, before);
    EXPECT_EQ(f.Shown("Caption"), QString::fromStdString(before));

    // A password character keeps only its first character.
    auto* edit = AddObject(*f.Form->Host().Model(), okEdit, 40, 300);
    f.Editor().FillProperties();
    f.Choose("PasswordChar", "*#");
    EXPECT_EQ(static_cast<TEditPayload&>(*edit->Payload).PasswordChar, '*');
    EXPECT_EQ(f.Shown("PasswordChar"), "*");
}

TEST(PropertyEditor, DrawsDisabledRowsSwatchesAndTheDefaultCursor) {
    PropertyList f;
    f.Button();
    f.Editor().resize(220, 1200);
    f.List().resize(220, 1100);
    const int fileRow = f.Editor().RowOf("FileName");
    ASSERT_GE(fileRow, 0);
    EXPECT_EQ(f.Row("FileName").Look, TRowLook::Disabled);
    EXPECT_EQ(f.Row("CloseAfterAction").Look, TRowLook::Disabled);
    f.List().scrollToItem(f.List().item(fileRow, 1));
    const QImage shot = f.List().viewport()->grab().toImage();
    const QRect cell = f.List().visualItemRect(f.List().item(fileRow, 1));
    EXPECT_EQ(QColor(shot.pixel(cell.right() - 3, cell.top() + 2)), QColor(230, 230, 230));
    EXPECT_EQ(f.Row("Cursor").Look, TRowLook::Cursor);
    EXPECT_EQ(f.Row("Cursor").Text(), "");
    f.Editor().ComboBox1Change(0);
    EXPECT_EQ(f.Shown("BackColor"), "White");
    EXPECT_EQ(f.Row("BackColor").Editor, TRowEditor::Dialog); // the colour editor
    EXPECT_TRUE(f.Row("BackColor").HasEllipsis());
    EXPECT_EQ(f.Shown("PageIcon"), "[Default]");
    EXPECT_EQ(f.Shown("BorderStyle"), "SizeableMinimizeIcon");
    f.Page().BorderStyle = 3;
    f.Editor().FillProperties();
    EXPECT_EQ(f.Shown("BorderStyle"), "Dialog");
}

// With BRELVANE_PROPERTY_SHOTS=DIR the list is saved as pictures: the page,
// a label (section and effect icons) and a button (its disabled rows).
TEST(PropertyEditor, PicturesOfTheListForALook) {
    const char* folder = std::getenv("BRELVANE_PROPERTY_SHOTS");
    if (!folder) GTEST_SKIP() << "BRELVANE_PROPERTY_SHOTS not set";
    PropertyList f;
    f.Editor().resize(260, 1400);
    const auto shoot = [&f, folder](const char* name, const QString& from) {
        f.Editor().resize(260, 1400);
        f.List().resize(260, 1340);
        f.List().scrollToItem(f.List().item(std::max(0, f.Editor().RowOf(from)), 0),
                              QAbstractItemView::PositionAtTop);
        const QImage shot = f.Editor().grab().toImage();
        EXPECT_TRUE(shot.save(QString(folder) + "/" + name + ".png")) << name;
    };
    f.Editor().FillProperties();
    shoot("page", "PageName");
    f.Add("ToolButton_Label", {40, 200});
    shoot("label", "Angle");
    f.Button();
    shoot("button", "Visible");
}

} // namespace
} // namespace brelvane::test
