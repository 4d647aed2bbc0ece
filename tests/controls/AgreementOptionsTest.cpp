#include "objects/controls/AgreementOptions.h"

#include "controls/ControlTestKit.h"
#include "objects/records/AgreementPayload.h"
#include "objects/records/ObjectKinds.h"
#include "storage/EffectBlock.h"

#include <QAbstractButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

const QColor kCaption(250, 0, 0);

class AgreementOptions : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    TAgreementPayload& Payload(std::size_t index) {
        return static_cast<TAgreementPayload&>(*objects.at(index)->Payload);
    }
    TAgreementOption& Add(std::uint8_t kind, bool checked, QWidget* parent) {
        objects.push_back(MakeObject(kind, 120, 20));
        auto& payload = static_cast<TAgreementPayload&>(*objects.back()->Payload);
        payload.Checked = checked;
        TAgreementOption* option = nullptr;
        if (kind == okRadioButton)
            option = new TAuAgreementRadio(*objects.back(), parent);
        else
            option = new TAuAgreementCheck(*objects.back(), parent);
        return *option;
    }
    static void Click(TAgreementOption& option, QPoint at = {60, 10}) {
        SendPress(option.Button(), at);
        SendRelease(option.Button(), at);
    }
    // A caption in a large bold face over blue, so that glyph pixels are pure red.
    QImage Drawn(std::uint8_t alignment, bool wordWrap, const std::string& caption, int width) {
        objects.push_back(MakeObject(okCheckBox, width, 60));
        auto& payload = static_cast<TAgreementPayload&>(*objects.back()->Payload);
        payload.Caption = caption;
        payload.Alignment = alignment;
        payload.WordWrap = wordWrap;
        payload.Color = RGB(0, 0, 200);
        payload.Font.Color = RGB(250, 0, 0);
        payload.Font.Size = 14;
        payload.Font.Style = fsBold;
        TAuAgreementCheck check(*objects.back(), nullptr);
        return Render(check);
    }

    // The records outlive the page that holds their controls.
    TAutoObjects objects;
    QWidget page;
};

TEST_F(AgreementOptions, RadioButtonsOfOnePageAreExclusive) {
    auto& first = Add(okRadioButton, true, &page);
    auto& second = Add(okRadioButton, false, &page);
    auto& check = Add(okCheckBox, true, &page);
    QWidget otherPage;
    auto& elsewhere = Add(okRadioButton, true, &otherPage);

    Click(second);
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(first.Checked());
    EXPECT_TRUE(Payload(1).Checked);
    EXPECT_FALSE(Payload(0).Checked);
    EXPECT_TRUE(check.Checked());
    EXPECT_TRUE(elsewhere.Checked());
    // A click on the checked radio button keeps it checked.
    Click(second);
    EXPECT_TRUE(second.Checked());
}

TEST_F(AgreementOptions, OfSeveralCheckedRadioButtonsTheLastLoadedStays) {
    auto& first = Add(okRadioButton, true, &page);
    auto& second = Add(okRadioButton, true, &page);
    EXPECT_FALSE(first.Checked());
    EXPECT_TRUE(second.Checked());
    EXPECT_FALSE(Payload(0).Checked);
}

TEST_F(AgreementOptions, CheckBoxTogglesOnTheCaptionToo) {
    auto& check = Add(okCheckBox, false, &page);
    Click(check, {100, 10});
    EXPECT_TRUE(check.Checked());
    EXPECT_TRUE(Payload(0).Checked);
    Click(check, {3, 10});
    EXPECT_FALSE(check.Checked());
    EXPECT_FALSE(Payload(0).Checked);
    EXPECT_EQ(check.Button().text(), "New CheckBox");
}

TEST_F(AgreementOptions, AlignmentPutsTheCaptionOnItsSide) {
    const QImage right = Drawn(oaRight, false, "Agree", 200);
    const QImage left = Drawn(oaLeft, false, "Agree", 200);
    const QRect onRight = BoundsOf(right, kCaption);
    const QRect onLeft = BoundsOf(left, kCaption);
    ASSERT_TRUE(onRight.isValid());
    ASSERT_TRUE(onLeft.isValid());
    // The caption starts after the box, or at the left edge with the box after it.
    EXPECT_GT(onRight.left(), 10);
    EXPECT_LT(onLeft.left(), 4);
    EXPECT_EQ(QColor(right.pixel(199, 30)), QColor(0, 0, 200));
    EXPECT_EQ(QColor(left.pixel(2, 2)), QColor(0, 0, 200));
    // The box of a left caption lies at the right edge, where the right caption's image is blank.
    EXPECT_NE(QColor(left.pixel(192, 30)), QColor(right.pixel(192, 30)));
}

TEST_F(AgreementOptions, WordWrapBreaksALongCaption) {
    const std::string caption = "I accept all terms of this licence";
    const QRect single = BoundsOf(Drawn(oaRight, false, caption, 160), kCaption);
    const QRect wrapped = BoundsOf(Drawn(oaRight, true, caption, 160), kCaption);
    ASSERT_TRUE(single.isValid());
    ASSERT_TRUE(wrapped.isValid());
    EXPECT_GT(wrapped.height(), 2 * single.height() - 4);
    EXPECT_LT(single.height(), 30);
}

} // namespace
} // namespace brelvane
