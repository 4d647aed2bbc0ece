#include "dialogs/ActionIcons.h"

#include "dialogs/ActionEditorForm.h"
#include "dialogs/ActionGroupForm.h"
#include "dialogs/ActionTypes.h"
#include "dialogs/DialogsFixture.h"
#include "objects/records/ActionArguments.h"

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

QImage Picture(const QIcon& icon) {
    return icon.pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
}

struct ActionIconsTest : DialogsFixture, ::testing::Test {};

TEST_F(ActionIconsTest, EveryTypeHasItsOwnSixteenPixelImage) {
    std::vector<QImage> seen;
    for (int type = 0; type < kActionTypeCount; ++type) {
        const QImage image = Picture(ActionIcon(type));
        ASSERT_EQ(image.size(), QSize(16, 16)) << type;
        // The centre carries the mark or the family colour, never nothing.
        EXPECT_NE(qAlpha(image.pixel(8, 8)), 0) << type;
        for (std::size_t other = 0; other < seen.size(); ++other)
            EXPECT_NE(image, seen[other]) << type << " looks like " << other;
        seen.push_back(image);
    }
    EXPECT_EQ(Picture(ActionIcon(-1)), seen[0]);
    EXPECT_EQ(Picture(ActionIcon(kActionTypeCount)), seen[0]);
}

TEST_F(ActionIconsTest, TheEditorsActionListShowsEachTypesImage) {
    TCommand command;
    TActionEditorForm form(nullptr, Context, command);
    auto* list = form.ActionList();
    ASSERT_EQ(list->count(), static_cast<int>(kOfferedActionTypes.size()));
    for (int row = 0; row < list->count(); ++row)
        EXPECT_EQ(Picture(list->itemIcon(row)), Picture(ActionIcon(kOfferedActionTypes[row])))
            << list->itemText(row).toStdString();
}

TEST_F(ActionIconsTest, GroupRowsCarryTheirActionsImageAndFollowAnEdit) {
    const std::string text = "19\x03"
                             "1\x03"
                             "Clip\x03\x03\x03 \x04"
                             "17\x03"
                             "1\x03\x03\x03\x03 \x04";
    TActionGroupForm form(nullptr, Context, ParseActionGroup(text).Commands);
    auto* list = form.List();
    ASSERT_EQ(list->topLevelItemCount(), 2);
    EXPECT_EQ(Picture(list->topLevelItem(0)->icon(0)), Picture(ActionIcon(19)));
    EXPECT_EQ(Picture(list->topLevelItem(1)->icon(0)), Picture(ActionIcon(17)));

    list->setCurrentItem(list->topLevelItem(0));
    OnNextDialog([](QWidget* dialog) {
        auto* editor = static_cast<TActionEditorForm*>(dialog);
        editor->ActionList()->setCurrentIndex(editor->ActionList()->findText("Goto Page"));
        editor->FileBox()->lineEdit()->setText("Main");
        editor->accept();
    });
    form.EditButton()->click();
    EXPECT_EQ(list->topLevelItem(0)->text(0), "Goto Page");
    EXPECT_EQ(Picture(list->topLevelItem(0)->icon(0)), Picture(ActionIcon(12)));
    EXPECT_NE(Picture(ActionIcon(12)), Picture(ActionIcon(19)));
}

} // namespace
} // namespace brelvane
