#include "dialogs/SelectGroupForm.h"

#include "dialogs/DialogsFixture.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct SelectGroupTest : DialogsFixture, ::testing::Test {};

TEST_F(SelectGroupTest, ThePromptReplacesTheLabelAndTheCancelKeepsItsCaption) {
    TSelectGroupForm form(nullptr, "Pick one", {"A", "B"});
    EXPECT_EQ(form.windowTitle(), "Select Groups");
    EXPECT_EQ(form.Prompt()->text(), "Pick one");
    const auto buttons = form.findChildren<QPushButton*>();
    EXPECT_TRUE(std::any_of(buttons.begin(), buttons.end(),
                            [](QPushButton* button) { return button->text() == "&Cancal"; }));
}

TEST_F(SelectGroupTest, TickedNamesAreAppendedInListOrder) {
    std::vector<std::string> chosen{"earlier"};
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSelectGroupForm*>(dialog);
        form->List()->item(2)->setCheckState(Qt::Checked);
        form->List()->item(0)->setCheckState(Qt::Checked);
        form->accept();
    });
    EXPECT_TRUE(SelectGroups(nullptr, "Prompt", {"Red", "Green", "Blue"}, chosen));
    EXPECT_EQ(chosen, (std::vector<std::string>{"earlier", "Red", "Blue"}));
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSelectGroupForm*>(dialog);
        form->CheckAllButton()->click();
        EXPECT_EQ(form->Ticked().size(), 3u);
        form->UncheckAllButton()->click();
        EXPECT_TRUE(form->Ticked().empty());
        form->CheckAllButton()->click();
        form->reject();
    });
    EXPECT_FALSE(SelectGroups(nullptr, "Prompt", {"Red", "Green", "Blue"}, chosen));
    EXPECT_EQ(chosen.size(), 3u);
}

} // namespace
} // namespace brelvane
