#include "dialogs/ShowHideForm.h"

#include "dialogs/DialogsFixture.h"
#include "objects/records/ObjectKinds.h"

#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct ShowHideTest : DialogsFixture, ::testing::Test {
    ShowHideTest() {
        Context.Objects = {{okButton, "Button1", "Menu"},
                           {okImage, "Logo", ""},
                           {okButton, "Button2", "Menu"},
                           {okLabel, "Title", "menu"},
                           {okShape, "Frame", "Deco"}};
    }
    static QStringList Names(QListWidget* list, bool onlyChecked = false) {
        QStringList names;
        for (int row = 0; row < list->count(); ++row)
            if (!onlyChecked || list->item(row)->checkState() == Qt::Checked)
                names << list->item(row)->text();
        return names;
    }
};

TEST_F(ShowHideTest, ListsHoldGroupsOnceAndObjectsInPageOrder) {
    TShowHideForm form(nullptr, Context, "");
    EXPECT_EQ(form.windowTitle(), "Show/Hide Enabe/Disable Objects");
    for (int list = 0; list < 4; ++list)
        EXPECT_EQ(Names(form.List(list)), (QStringList{"Menu", "menu", "Deco"}));
    for (int list = 4; list < 8; ++list)
        EXPECT_EQ(Names(form.List(list)),
                  (QStringList{"Button1", "Logo", "Button2", "Title", "Frame"}));
    EXPECT_EQ(form.findChild<QPushButton*>("CancelButton")->text(), "&Cancal");
}

TEST_F(ShowHideTest, TicksTheNamedRowsListByList) {
    TShowHideForm form(nullptr, Context,
                       "Menu\r\n\x01\x01\x01"
                       "Deco\r\n\x01"
                       "Logo\r\nButton2\r\n\x01\x01\x01"
                       "Frame\r\n\x01");
    EXPECT_EQ(Names(form.List(0), true), (QStringList{"Menu"}));
    EXPECT_EQ(Names(form.List(3), true), (QStringList{"Deco"}));
    EXPECT_EQ(Names(form.List(4), true), (QStringList{"Logo", "Button2"}));
    EXPECT_EQ(Names(form.List(7), true), (QStringList{"Frame"}));
    EXPECT_EQ(Names(form.List(5), true), QStringList{});
}

TEST_F(ShowHideTest, ANameThatLeftThePageShowsUntickedAndIsDroppedOnOk) {
    std::string text = "\x01\x01\x01\x01"
                       "OldName\r\nLogo\r\n\x01\x01\x01\x01";
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TShowHideForm*>(dialog);
        EXPECT_EQ(Names(form->List(4), true), (QStringList{"Logo"}));
        form->accept();
    });
    ASSERT_TRUE(EditShowHideAction(nullptr, Context, text));
    EXPECT_EQ(text, "\x01\x01\x01\x01"
                    "Logo\r\n\x01\x01\x01\x01");
    // The same text accepted again is no change.
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditShowHideAction(nullptr, Context, text));
}

TEST_F(ShowHideTest, CheckAllAndUncheckAllWorkOnOneList) {
    TShowHideForm form(nullptr, Context, "");
    std::vector<QPushButton*> checkAll;
    std::vector<QPushButton*> uncheckAll;
    for (auto* button : form.findChildren<QPushButton*>()) {
        if (button->text() == "Check All") checkAll.push_back(button);
        if (button->text() == "Uncheck All") uncheckAll.push_back(button);
    }
    ASSERT_EQ(checkAll.size(), 8u);
    ASSERT_EQ(uncheckAll.size(), 8u);
    checkAll[5]->click();
    EXPECT_EQ(form.Text(), "\x01\x01\x01\x01\x01"
                           "Button1\r\nLogo\r\nButton2\r\nTitle\r\nFrame\r\n\x01\x01\x01");
    uncheckAll[5]->click();
    EXPECT_EQ(form.Text(), std::string(8, '\x01'));
}

} // namespace
} // namespace brelvane
