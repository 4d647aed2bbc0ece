// The property list's layout rules (sections per target, the rows an action
// type enables, the selector's items and cells as drawn) and the rows that
// open a dialog of their own.
#include "PropertyListFixture.h"
#include "designer/SelectorDelegate.h"
#include "dialogs/ActionFileEditForm.h"
#include "objects/records/ObjectKinds.h"
#include "player/AutoRunForm.h"
#include "storage/TextFiles.h"

#include <QCheckBox>
#include <QHeaderView>
#include <QStatusBar>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <algorithm>

namespace brelvane::test {
namespace {

// The section starts in list order, absent sections left out.
std::vector<TRowSection> SectionOrder(const TPropertyEditor& editor) {
    std::vector<std::pair<int, TRowSection>> starts;
    for (const auto section : {TRowSection::Position, TRowSection::Action, TRowSection::Sounds,
                               TRowSection::Comment, TRowSection::Visibility, TRowSection::Bars})
        if (editor.SectionStart(section) != 1000)
            starts.emplace_back(editor.SectionStart(section), section);
    std::sort(starts.begin(), starts.end());
    std::vector<TRowSection> order;
    for (const auto& [row, section] : starts)
        order.push_back(section);
    return order;
}

TEST(PropertyListRules, SectionsComeInTheirOrderForEachTarget) {
    using S = TRowSection;
    PropertyList f;
    f.Editor().FillProperties();
    EXPECT_EQ(f.Editor().Rows().front().Caption, "PageName");
    EXPECT_EQ(SectionOrder(f.Editor()),
              (std::vector<S>{S::Bars, S::Comment, S::Sounds, S::Position, S::Action}));
    f.Button();
    EXPECT_EQ(f.Editor().Rows().front().Caption, "Name");
    EXPECT_EQ(SectionOrder(f.Editor()),
              (std::vector<S>{S::Visibility, S::Comment, S::Sounds, S::Position, S::Action}));
    // Lists have no action; players in their own windows only a position.
    f.Add("ToolButton_ListBox", {200, 40});
    EXPECT_EQ(SectionOrder(f.Editor()),
              (std::vector<S>{S::Visibility, S::Comment, S::Sounds, S::Position}));
    f.Add("ToolButton_AVI", {200, 200});
    EXPECT_EQ(SectionOrder(f.Editor()), (std::vector<S>{S::Visibility, S::Position}));
    EXPECT_EQ(f.Editor().Rows().front().Caption, "Name");
    // A fading label has no rows of its own, not even its name.
    auto* fade = AddObject(*f.Form->Host().Model(), okFadeLabel, 300, 300);
    ASSERT_NE(fade, nullptr);
    f.Editor().FillProperties();
    EXPECT_EQ(f.Editor().SectionStart(S::Visibility), 0);
}

TEST(PropertyListRules, EachActionEnablesItsOwnParameterAndCloseAfterActionRows) {
    PropertyList f;
    f.Button();
    const QStringList names = f.Row("ClickAction").Offered();
    ASSERT_EQ(names.size(), 29);
    EXPECT_EQ(names.front(), "None");
    EXPECT_EQ(names[5], "Copy File(s) then Open/Run");
    EXPECT_EQ(names.back(), "Action Group");
    const std::set<int> closing = {1, 2, 3, 5, 7, 13, 14, 15, 16, 17};
    const std::set<int> withoutParameter = {0, 8, 9, 10, 11, 18};
    std::set<int> seen;
    for (const auto& name : names) {
        f.Choose("ClickAction", name);
        const int type = SelectedObjects(f.Objects()).front()->Props.ActionType;
        seen.insert(type);
        const auto& rows = f.Editor().Rows();
        const int at = f.Editor().RowOf("ClickAction");
        ASSERT_GE(at, 0);
        const auto& parameter = rows[static_cast<std::size_t>(at) + 1];
        const auto& close = rows[static_cast<std::size_t>(at) + 2];
        EXPECT_EQ(close.Caption, "CloseAfterAction");
        EXPECT_EQ(close.Look == TRowLook::Disabled, !closing.count(type)) << name.toStdString();
        EXPECT_EQ(parameter.Look == TRowLook::Disabled, withoutParameter.count(type) != 0)
            << name.toStdString();
        if (closing.count(type)) {
            f.Choose("CloseAfterAction", "True");
            EXPECT_EQ(SelectedObjects(f.Objects()).front()->Props.CloseAfterAction, 1);
        }
    }
    EXPECT_EQ(seen.size(), 29u);
}

TEST(PropertyListRules, ListsOfThePagesObjectsAreMadeWhenTheDropDownOpens) {
    PropertyList f;
    f.Add("ToolButton_Label", {40, 200});
    auto& button = f.Button();
    auto& viewers = f.Row("CommentViewer");
    EXPECT_EQ(viewers.Offered(), QStringList{"Label1"});
    // A label renamed and an image added after the list was filled are offered as they are now.
    f.Objects().front()->Props.Name = "Status";
    ASSERT_NE(AddObject(*f.Form->Host().Model(), okImage, 300, 300), nullptr);
    SelectOnly(f.Objects(), &button);
    EXPECT_EQ(viewers.Offered(), QStringList{"Status"});
    EXPECT_EQ(f.Row("GraphicCommentViewer").Offered(), QStringList{"Image1"});
    f.Choose("CommentViewer", "Status");
    EXPECT_EQ(button.Props.CommentViewer, "Status");
    f.Choose("CommentViewer", "Label1");
    EXPECT_EQ(button.Props.CommentViewer, "Status");
}

TEST(PropertyListRules, ColumnsDropDownsAndSwatchesHaveTheirSizes) {
    PropertyList f;
    f.Editor().FillProperties();
    EXPECT_EQ(f.List().columnWidth(0), 100);
    EXPECT_GE(f.List().columnWidth(1), 95);
    EXPECT_EQ(f.Editor().ComboBox1()->maxVisibleItems(), 16);
    auto* border = qobject_cast<QComboBox*>(f.OpenCell("BorderStyle"));
    ASSERT_NE(border, nullptr);
    EXPECT_EQ(border->maxVisibleItems(), 16);
    EXPECT_EQ(border->count(), 11);
    f.Leave();
    // The page's back colour: white, in a 16-pixel swatch framed in black.
    f.Page().BackColor = 0x0000ff;
    f.Editor().resize(260, 900);
    f.List().resize(260, 850);
    const int row = f.Editor().RowOf("BackColor");
    f.List().scrollToItem(f.List().item(row, 1));
    const QImage shot = f.List().viewport()->grab().toImage();
    const QRect cell = f.List().visualItemRect(f.List().item(row, 1));
    const auto at = [&shot](int x, int y) { return QColor(shot.pixel(x, y)); };
    const int y = cell.center().y();
    int left = cell.left();
    while (left < cell.right() && at(left, y) != QColor(Qt::black))
        ++left;
    ASSERT_LT(left + 16, cell.right());
    for (int x = left + 1; x < left + 15; ++x)
        EXPECT_EQ(at(x, y), QColor(Qt::red)) << x - left;
    EXPECT_EQ(at(left + 15, y), QColor(Qt::black));
    EXPECT_NE(at(left + 16, y), QColor(Qt::red));
    int top = cell.top();
    while (top < y && at(left + 8, top) != QColor(Qt::black))
        ++top;
    for (int x = top + 1; x < top + 15; ++x)
        EXPECT_EQ(at(left + 8, x), QColor(Qt::red)) << x - top;
    EXPECT_EQ(at(left + 8, top + 15), QColor(Qt::black));
}

TEST(PropertyListRules, BarsRowsRebuildThePagesBarsOnTheSurface) {
    PropertyList f;
    f.Page().StatusPanels.resize(1);
    f.Page().ToolButtons.resize(1);
    f.Editor().FillProperties();
    auto* model = f.Form->Host().Model();
    EXPECT_TRUE(f.SetNumber("StatusBarHeight", "40"));
    EXPECT_EQ(model->StatusBar()->height(), 40);
    EXPECT_TRUE(f.SetNumber("ToolBarImageWidth", "48"));
    EXPECT_EQ(model->ToolBar()->iconSize().width(), 48);
    f.Choose("ToolBarShowCaptions", "True");
    EXPECT_EQ(model->ToolBar()->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
}

TEST(PropertyListRules, SelectForOpenRunIsEditedAsOneFileEntryAndSavedAsGiven) {
    PropertyList f;
    auto& check = f.Add("ToolButton_AgreementCheck", {40, 40});
    auto& props = check.Props;
    ASSERT_TRUE(f.Row("SelectForOpen/Run").HasEllipsis());
    EXPECT_EQ(f.Shown("SelectForOpen/Run"), "[None]");
    const auto edit = [&f](std::function<void(TActionFileEditForm&)> act) {
        OnNextDialog([act](QWidget* dialog) {
            auto* form = qobject_cast<TActionFileEditForm*>(dialog);
            ASSERT_NE(form, nullptr);
            act(*form);
        });
        f.Editor().ValueEditEditButtonClick(f.Editor().RowOf("SelectForOpen/Run"));
    };
    edit([](TActionFileEditForm& form) {
        QTest::keyClicks(form.FileEdit(), "\\Setup\\setup.exe");
        QTest::keyClicks(form.ParametersEdit(), "/q");
        QTest::keyClicks(form.FolderEdit(), "\\Setup");
        form.WaitBox()->click();
        form.accept();
    });
    EXPECT_EQ(props.SelectForOpenRun, "\\Setup\\setup.exe");
    EXPECT_EQ(props.SelectForOpenRunParams, "/q");
    EXPECT_EQ(props.SelectForOpenRunDir, "\\Setup");
    EXPECT_EQ(props.SelectForOpenRunWait, "Y");
    EXPECT_EQ(f.Shown("SelectForOpen/Run"), "[Settings]");
    // The dialog shows what is stored; cancelled, it changes nothing.
    const TCommand before = props;
    edit([](TActionFileEditForm& form) {
        EXPECT_EQ(form.FileEdit()->text(), "\\Setup\\setup.exe");
        EXPECT_TRUE(form.WaitBox()->isChecked());
        QTest::keyClicks(form.FileEdit(), "x");
        form.reject();
    });
    EXPECT_EQ(props, before);
    ASSERT_TRUE(f.Form->Save1Click());
    const auto bytes = ReadFileBytes(f.SourceFile("Main Page"));
    const std::string packed = "\\Setup\\setup.exe\x02/q\x02\\Setup\x02Y\x02\x01";
    EXPECT_NE(std::search(bytes.begin(), bytes.end(), packed.begin(), packed.end()), bytes.end());
    // The wait flag taken off is stored as one blank.
    edit([](TActionFileEditForm& form) {
        form.WaitBox()->click();
        form.accept();
    });
    EXPECT_EQ(props.SelectForOpenRunWait, " ");
    EXPECT_EQ(props.SelectForOpenRun, "\\Setup\\setup.exe");
}

// The darkest ink in `area`: the colour the text there was drawn in.
int DarkestGrey(const QImage& image, const QRect& area) {
    int darkest = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            darkest = std::min(darkest, QColor(image.pixel(x, y)).red());
    return darkest;
}

TEST(PropertyListRules, SelectorItemsShowTheKindInGreyAndHiddenObjectsInSilver) {
    PropertyList f;
    f.Button();
    auto& label = f.Add("ToolButton_Label", {40, 200});
    label.Control->SetShown(false);
    auto* selector = f.Editor().ComboBox1();
    f.Editor().ComboBox1Change(2);
    ASSERT_EQ(selector->currentIndex(), 2);
    const QFontMetrics metrics = selector->fontMetrics();
    const QPalette palette = selector->palette();
    const QRect rect(0, 0, 400, 17);
    const auto look = [&](int item, bool highlighted) {
        return SelectorItemLook(selector->model()->index(item, 0), rect, palette, metrics,
                                highlighted);
    };
    const auto page = look(0, false);
    EXPECT_EQ(page.KindText, "[Main Page]");
    EXPECT_EQ(page.Name.left(), 18);
    EXPECT_EQ(page.Kind.left(), 30 + std::max(metrics.horizontalAdvance("Main Page"), 58));
    EXPECT_EQ(page.KindColor, QColor(Qt::gray));
    const auto button = look(1, false);
    EXPECT_EQ(button.Icon.left(), 8);
    EXPECT_EQ(button.Name.left(), 26);
    EXPECT_EQ(button.KindText, "[Button]");
    EXPECT_EQ(button.Kind.left(), 38 + std::max(metrics.horizontalAdvance("Button1"), 50));
    EXPECT_EQ(button.KindColor, QColor(Qt::gray));
    EXPECT_EQ(look(1, true).KindColor, palette.highlightedText().color());
    const auto hidden = look(2, false);
    EXPECT_EQ(hidden.KindText, "[Label] [Hide]");
    EXPECT_EQ(hidden.KindColor, QColor(192, 192, 192));
    EXPECT_EQ(hidden.NameColor, QColor(Qt::gray));
    EXPECT_EQ(look(2, true).KindColor, QColor(192, 192, 192));

    // Closed, the box draws its item as the list does: the hidden label's kind in silver.
    selector->resize(320, 24);
    QStyleOptionComboBox option;
    option.initFrom(selector);
    const QRect field = selector->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, selector);
    const auto kindArea = [&](int item) {
        const auto shown =
            SelectorItemLook(selector->model()->index(item, 0), field, palette, metrics, false);
        return QRect(shown.Kind.left(), field.top(), 30, field.height()).intersected(field);
    };
    const QImage closedHidden = selector->grab().toImage();
    EXPECT_NEAR(DarkestGrey(closedHidden, kindArea(2)), 192, 8);
    f.Editor().ComboBox1Change(1);
    const QImage closedButton = selector->grab().toImage();
    EXPECT_NEAR(DarkestGrey(closedButton, kindArea(1)), QColor(Qt::gray).red(), 8);
}

} // namespace
} // namespace brelvane::test
