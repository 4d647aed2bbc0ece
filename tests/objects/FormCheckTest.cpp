#include "objects/records/FormCheck.h"

#include "objects/records/AgreementPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/KeyboardOrder.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEditPayload& EditOf(TAutoObject& object) {
    return static_cast<TEditPayload&>(*object.Payload);
}
TAgreementPayload& OptionOf(TAutoObject& object) {
    return static_cast<TAgreementPayload&>(*object.Payload);
}

TAutoObject& Add(TAutoObjects& page, std::uint8_t kind, std::int32_t tabOrder) {
    auto* object = AddObjectRecord(page, kind, 0, 0);
    object->Payload->SetTabOrder(tabOrder);
    return *object;
}

std::vector<std::string> Names(const std::vector<TAutoObject*>& order) {
    std::vector<std::string> names;
    for (const auto* object : order)
        names.push_back(object->Props.Name);
    return names;
}

TEST(KeyboardOrder, StoredOrderWinsOverPageOrder) {
    TAutoObjects page;
    Add(page, okCheckBox, 2);
    Add(page, okButton, 0);
    Add(page, okEdit, 0);
    Add(page, okRadioButton, 1);
    Add(page, okEdit, 0);  // a second 0 gets no place of its own
    Add(page, okEdit, 40); // beyond the object count
    EXPECT_EQ(Names(FormKeyboardOrder(page)),
              (std::vector<std::string>{"Edit1", "RadioButton1", "CheckBox1", "Edit2", "Edit3"}));
}

TEST(KeyboardOrder, AdvanceNeedsTheMaximumAndANextEditBox) {
    TAutoObjects page;
    auto& first = Add(page, okEdit, 0);
    auto& second = Add(page, okEdit, 1);
    EditOf(first).MaxLength = 4;
    EditOf(second).MaxLength = 4;
    const auto order = FormKeyboardOrder(page);
    EXPECT_EQ(AdvanceTarget(order, first, 3), nullptr);
    EXPECT_EQ(AdvanceTarget(order, first, 4), &second);
    EXPECT_EQ(AdvanceTarget(order, second, 4), nullptr);

    // A check box next in order takes no automatic advance.
    auto& check = Add(page, okCheckBox, 2);
    EXPECT_EQ(AdvanceTarget(FormKeyboardOrder(page), second, 4), nullptr);
    auto& third = Add(page, okEdit, 2);
    OptionOf(check).SetTabOrder(3);
    EXPECT_EQ(AdvanceTarget(FormKeyboardOrder(page), second, 4), &third);

    EditOf(first).MaxLength = 0;
    EXPECT_EQ(AdvanceTarget(order, first, 100), nullptr);
}

class FormCheck : public ::testing::Test {
protected:
    TAutoObject& Edit(const std::string& accurate, std::int32_t allowRetry = 0) {
        auto& edit = *AddObjectRecord(page, okEdit, 0, 0);
        EditOf(edit).AccurateText = accurate;
        EditOf(edit).AllowRetry = allowRetry;
        EditOf(edit).ErrorMessage = edit.Props.Name + " wrong";
        EditOf(edit).FailedMessage = edit.Props.Name + " failed";
        EditOf(edit).FailedCaption = "Locked";
        return edit;
    }
    TAutoObject& Option(std::uint8_t kind, bool needCheck, const std::string& file = "") {
        auto& option = *AddObjectRecord(page, kind, 0, 0);
        OptionOf(option).NeedCheck = needCheck;
        OptionOf(option).ErrorMessage = option.Props.Name + " unchecked";
        option.Props.SelectForOpenRun = file;
        return option;
    }

    TAutoObjects page;
};

TEST_F(FormCheck, RetriesUpToTheLimitThenRefuses) {
    auto& edit = Edit("secret", 3);
    EditOf(edit).Text = "guess";
    for (int attempt = 1; attempt <= 3; ++attempt) {
        const auto verdict = CheckForm(page);
        EXPECT_EQ(verdict.Outcome, TFormVerdict::Stay);
        EXPECT_EQ(verdict.Caption, "Invalid");
        EXPECT_EQ(verdict.Text, "Edit1 wrong");
    }
    const auto fourth = CheckForm(page);
    EXPECT_EQ(fourth.Outcome, TFormVerdict::Refuse);
    EXPECT_EQ(fourth.Caption, "Locked");
    EXPECT_EQ(fourth.Text, "Edit1 failed");
    EXPECT_EQ(EditOf(edit).WrongAttempts, 4);
}

TEST_F(FormCheck, NoLimitNeverRefusesAndTheComparisonIsExact) {
    auto& edit = Edit("Secret");
    for (const char* typed : {"secret", "Secret ", "SECRET", ""})
        for (int i = 0; i < 20; ++i) {
            EditOf(edit).Text = typed;
            EXPECT_EQ(CheckForm(page).Outcome, TFormVerdict::Stay) << typed;
        }
    EditOf(edit).Text = "Secret";
    EXPECT_EQ(CheckForm(page).Outcome, TFormVerdict::Accept);
}

TEST_F(FormCheck, EmptyAccurateTextPassesOnlyWhenEmpty) {
    auto& edit = Edit("");
    EditOf(edit).Text = " ";
    EXPECT_EQ(CheckForm(page).Outcome, TFormVerdict::Stay);
    EditOf(edit).Text.clear();
    EXPECT_EQ(CheckForm(page).Outcome, TFormVerdict::Accept);
}

TEST_F(FormCheck, FirstFailureInPageOrderIsTheOnlyOne) {
    auto& check = Option(okCheckBox, true);
    auto& edit = Edit("right");
    EditOf(edit).Text = "wrong";
    auto verdict = CheckForm(page);
    EXPECT_EQ(verdict.Text, "CheckBox1 unchecked");
    // The edit box was not reached, so it counted no attempt.
    EXPECT_EQ(EditOf(edit).WrongAttempts, 0);
    OptionOf(check).Checked = true;
    verdict = CheckForm(page);
    EXPECT_EQ(verdict.Text, "Edit1 wrong");
    EXPECT_EQ(EditOf(edit).WrongAttempts, 1);
}

TEST_F(FormCheck, OnlyCheckedOptionsOpenTheirFilesInPageOrder) {
    auto& optional = Option(okCheckBox, false, "extra.exe");
    auto& radio = Option(okRadioButton, true, "setup.exe");
    radio.Props.SelectForOpenRunParams = "/q";
    radio.Props.SelectForOpenRunDir = "bin";
    radio.Props.SelectForOpenRunWait = "Y";
    OptionOf(radio).Checked = true;
    auto& readme = Option(okCheckBox, true, "readme.txt");
    OptionOf(readme).Checked = true;
    Option(okCheckBox, false);

    auto verdict = CheckForm(page);
    EXPECT_EQ(verdict.Outcome, TFormVerdict::Accept);
    EXPECT_EQ(verdict.Files, (std::vector<TFormFile>{{"setup.exe", "/q", "bin", true},
                                                     {"readme.txt", "", "", false}}));

    OptionOf(optional).Checked = true;
    verdict = CheckForm(page);
    ASSERT_EQ(verdict.Files.size(), 3u);
    EXPECT_EQ(verdict.Files[0].File, "extra.exe");
    // Any wait flag but "Y" does not wait.
    optional.Props.SelectForOpenRunWait = "y";
    EXPECT_FALSE(CheckForm(page).Files[0].Wait);
}

} // namespace
} // namespace brelvane
