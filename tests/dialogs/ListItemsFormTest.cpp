#include "dialogs/ListItemsForm.h"

#include "dialogs/DialogsFixture.h"
#include "dialogs/ItemActionPanel.h"
#include "storage/ErrorReport.h"
#include "storage/Fields.h"
#include "storage/StorageTestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TListBoxItem Item(const std::string& caption) {
    TListBoxItem item;
    item.Caption = caption;
    item.Icon = test::SamplePicture(TPictureKind::Png);
    item.Command.ActionType = 16;
    item.Command.ActionFile = caption + "!";
    return item;
}

TListBoxPayload ThreeItems() {
    TListBoxPayload list;
    list.Items = {Item("One"), Item("Two"), Item("Three")};
    return list;
}

std::vector<std::uint8_t> Stored(const TListBoxPayload& list) {
    TMemoryStream stream;
    EXPECT_TRUE(WriteRecord(stream, list));
    const auto bytes = stream.View();
    return {bytes.begin(), bytes.end()};
}

struct ListItemsTest : DialogsFixture, ::testing::Test {
    TListBoxPayload List = ThreeItems();
    TListItemsForm Form{nullptr, Context, List, List.Font, List.Color};
    std::vector<std::string> Captions() const {
        std::vector<std::string> captions;
        for (const auto& item : Form.Items())
            captions.push_back(item.Caption);
        return captions;
    }
};

TEST_F(ListItemsTest, PreviewInTheObjectsPlaceAndButtonsFollowTheSelection) {
    EXPECT_EQ(Form.windowTitle(), "List Item Editor");
    EXPECT_EQ(Form.Preview()->geometry(), QRect(24, 24, 265, 321));
    ASSERT_EQ(Form.Preview()->count(), 3);
    EXPECT_FALSE(Form.DeleteButton()->isEnabled());
    EXPECT_FALSE(Form.UpButton()->isEnabled());
    EXPECT_FALSE(Form.CaptionEdit()->isEnabled());
    EXPECT_TRUE(Form.ClearButton()->isEnabled());
    Form.Preview()->setCurrentRow(0);
    EXPECT_EQ(Form.CaptionEdit()->text(), "One");
    EXPECT_EQ(Form.ActionPanel()->FileBox()->currentText(), "One!");
    EXPECT_FALSE(Form.UpButton()->isEnabled());
    EXPECT_TRUE(Form.DownButton()->isEnabled());
    // Moving the first item up does nothing.
    Form.UpButton()->click();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"One", "Two", "Three"}));
    EXPECT_FALSE(Form.Modified());
    Form.Preview()->setCurrentRow(2);
    EXPECT_TRUE(Form.UpButton()->isEnabled());
    EXPECT_FALSE(Form.DownButton()->isEnabled());
}

TEST_F(ListItemsTest, AddDeleteMoveAndClear) {
    Form.AddButton()->click();
    EXPECT_EQ(Form.Preview()->currentRow(), 3);
    EXPECT_EQ(Form.Items().back().Caption, "New Item");
    EXPECT_TRUE(Form.Items().back().Icon.Empty());
    EXPECT_EQ(Form.Items().back().Command, TCommand{});
    Form.Preview()->setCurrentRow(1);
    Form.UpButton()->click();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"Two", "One", "Three", "New Item"}));
    EXPECT_EQ(Form.Preview()->currentRow(), 0);
    EXPECT_EQ(Form.Preview()->item(0)->text(), "Two");
    Form.DownButton()->click();
    Form.DownButton()->click();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"One", "Three", "Two", "New Item"}));
    EXPECT_EQ(Form.Preview()->currentRow(), 2);
    Form.DeleteButton()->click();
    EXPECT_EQ(Captions(), (std::vector<std::string>{"One", "Three", "New Item"}));
    Form.Preview()->setCurrentRow(0);
    QTest::keyClicks(Form.CaptionEdit(), "!");
    EXPECT_EQ(Form.Items()[0].Caption, "One!");
    EXPECT_EQ(Form.Preview()->item(0)->text(), "One!");
    Form.ClearButton()->click();
    EXPECT_TRUE(Form.Items().empty());
    EXPECT_FALSE(Form.ClearButton()->isEnabled());
    EXPECT_TRUE(Form.Modified());
}

TEST_F(ListItemsTest, ChoosingAnotherActionForAnItemClearsItsCloseAfterFlag) {
    Form.Preview()->setCurrentRow(1);
    auto* actions = Form.ActionPanel()->ActionList();
    actions->setCurrentIndex(actions->findText("Visit Website"));
    Form.ActionPanel()->CloseAfter()->click();
    EXPECT_EQ(Form.Items()[1].Command.CloseAfterAction, 1);
    actions->setCurrentIndex(actions->findText("Goto Page"));
    EXPECT_EQ(Form.Items()[1].Command.CloseAfterAction, 0);
    EXPECT_FALSE(Form.ActionPanel()->CloseAfter()->isEnabled());
    EXPECT_EQ(Form.Items()[1].Command.ActionType, 12);
    EXPECT_EQ(Form.Items()[0].Command.ActionType, 16);
}

TEST_F(ListItemsTest, OkWithoutAChangeKeepsTheStoredBytes) {
    auto list = ThreeItems();
    const auto before = Stored(list);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TListItemsForm*>(dialog);
        form->Preview()->setCurrentRow(1);
        form->accept();
    });
    EXPECT_FALSE(EditListItems(nullptr, Context, list, list.Font, list.Color));
    EXPECT_EQ(Stored(list), before);
}

TEST_F(ListItemsTest, AcceptedChangesAreWrittenBackAndCancelDiscardsThem) {
    auto list = ThreeItems();
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TListItemsForm*>(dialog);
        form->AddButton()->click();
        form->reject();
    });
    EXPECT_FALSE(EditListItems(nullptr, Context, list, list.Font, list.Color));
    EXPECT_EQ(list.Items.size(), 3u);
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TListItemsForm*>(dialog);
        form->Preview()->setCurrentRow(0);
        form->DeleteButton()->click();
        form->accept();
    });
    EXPECT_TRUE(EditListItems(nullptr, Context, list, list.Font, list.Color));
    ASSERT_EQ(list.Items.size(), 2u);
    EXPECT_EQ(list.Items[0], Item("Two"));
}

TEST_F(ListItemsTest, ADamagedItemIsReportedOnceAndTheListKept) {
    auto list = ThreeItems();
    list.Items[1].Icon.Data = {1, 2, 3};
    const auto before = Stored(list);
    ErrorCollector errors;
    EXPECT_FALSE(EditListItems(nullptr, Context, list, list.Font, list.Color));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("/1056)"), std::string::npos) << errors.Messages()[0];
    EXPECT_EQ(Stored(list), before);
}

} // namespace
} // namespace brelvane
