#include "dialogs/ObjectLoadFileActionForm.h"

#include "dialogs/DialogsFixture.h"
#include "objects/records/ObjectKinds.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct LoadFileTest : DialogsFixture, ::testing::Test {
    LoadFileTest() {
        Context.Objects = {{okButton, "Button1", ""}, {okImage, "Picture", ""},
                           {okRichText, "Notes", ""}, {okShape, "Box", ""},
                           {okFlash, "Movie", ""},    {okListBox, "Choices", ""}};
    }
};

TEST_F(LoadFileTest, OffersOnlyObjectsThatLoadFiles) {
    TObjectLoadFileActionForm form(nullptr, Context, "Notes\x01\\readme.rtf\x01");
    QStringList names;
    for (int i = 0; i < form.ObjectBox()->count(); ++i)
        names << form.ObjectBox()->itemText(i);
    EXPECT_EQ(names, (QStringList{"Picture", "Notes", "Movie"}));
    EXPECT_EQ(form.ObjectBox()->currentText(), "Notes");
    EXPECT_EQ(form.FileEdit()->text(), "\\readme.rtf");
}

TEST_F(LoadFileTest, ChosenFolderOrFileBecomesTheFileName) {
    std::string text = "Picture\x01\\a.png\x01";
    FolderAnswers = {"\\slides"};
    OnNextDialog([](QWidget* dialog) {
        for (auto* button : dialog->findChildren<QPushButton*>())
            if (button->text() == "Select &Folder...") button->click();
        static_cast<QDialog*>(dialog)->accept();
    });
    ASSERT_TRUE(EditLoadFileAction(nullptr, Context, text));
    EXPECT_EQ(text, "Picture\x01\\slides\x01");
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditLoadFileAction(nullptr, Context, text));
    EXPECT_EQ(text, "Picture\x01\\slides\x01");
}

} // namespace
} // namespace brelvane
