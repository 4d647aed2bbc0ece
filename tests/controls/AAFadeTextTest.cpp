#include "objects/controls/AAFadeText.h"

#include "controls/AAControlTestKit.h"
#include "render/AlphaBlend.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

class AAFadeText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        fade = std::make_unique<TAAFadeText>(object, nullptr);
        fade->resize(120, 30);
        fade->SetFont(InkFont(12));
        TFadeTextParam text;
        text.BackColor = ColorValue(kPaper);
        text.Lines = "Line 1\r\nLine 2\r\nLine 3\r\n";
        fade->SetText(text);
        fade->OnComplete = [this] { ++completed; };
    }
    void FinishFade() {
        while (fade->Fading())
            fade->FadeTick();
    }

    TAutoObject object;
    std::unique_ptr<TAAFadeText> fade;
    int completed = 0;
};

TEST_F(AAFadeText, TwoPassesOfThreeLinesThenAnEmptyPicture) {
    fade->SetRepeatCount(2);
    EXPECT_EQ(fade->LineIndex(), -1);
    Painted(*fade);
    std::vector<QString> shown{fade->CurrentLine()};
    EXPECT_TRUE(fade->LineTimerRunning());
    for (int i = 0; i < 5; ++i) {
        fade->LineTick();
        shown.push_back(fade->CurrentLine());
    }
    EXPECT_EQ(shown,
              (std::vector<QString>{"Line 1", "Line 2", "Line 3", "Line 1", "Line 2", "Line 3"}));
    EXPECT_EQ(completed, 0);
    fade->LineTick();
    EXPECT_EQ(completed, 1);
    EXPECT_FALSE(fade->Active());
    EXPECT_FALSE(fade->LineTimerRunning());
    EXPECT_EQ(fade->LineIndex(), -1);
    EXPECT_TRUE(fade->CurrentLine().isEmpty());
    FinishFade();
    const QImage empty = Painted(*fade);
    EXPECT_EQ(InkOf(empty), 0);
    EXPECT_EQ(CountOf(empty, kPaper), 120 * 30);

    // Switched on again, the run starts over at the first line.
    fade->SetActive(true);
    EXPECT_EQ(fade->CurrentLine(), "Line 1");
    EXPECT_EQ(fade->Passes(), 0);
    EXPECT_EQ(completed, 1);
}

TEST_F(AAFadeText, EachLineFadesInOverThePreviousOne) {
    Painted(*fade);
    FinishFade();
    const QImage first = fade->ShownPicture();
    EXPECT_GT(InkOf(first), 10);
    fade->LineTick();
    EXPECT_EQ(fade->CurrentLine(), "Line 2");
    EXPECT_DOUBLE_EQ(fade->Weight(), 0);
    EXPECT_EQ(fade->ShownPicture(), first);
    fade->FadeTick();
    // 25 ms of a 600 ms fade.
    EXPECT_DOUBLE_EQ(fade->Weight(), 25 * 255.0 / 600);
    int ticks = 1;
    while (fade->Fading()) {
        fade->FadeTick();
        ++ticks;
    }
    EXPECT_EQ(ticks, 24);
    EXPECT_DOUBLE_EQ(fade->Weight(), 255);
    const QImage second = fade->ShownPicture();
    EXPECT_NE(second, first);
    fade->ShowLine(2);
    for (int i = 0; i < 12; ++i)
        fade->FadeTick();
    const QImage halfway = Painted(*fade);
    FinishFade();
    QImage expected;
    AlphaBlend(second, fade->ShownPicture(), 128, expected);
    EXPECT_EQ(halfway, expected);
}

TEST_F(AAFadeText, ShowLineKeepsItsIndexInTheList) {
    Painted(*fade);
    fade->ShowLine(-4);
    EXPECT_EQ(fade->LineIndex(), 0);
    fade->ShowLine(2);
    EXPECT_EQ(fade->CurrentLine(), "Line 3");
    fade->ShowLine(7);
    EXPECT_EQ(fade->LineIndex(), 0);
    EXPECT_EQ(fade->Passes(), 1);

    TFadeTextParam text = fade->Text();
    text.Lines.clear();
    fade->SetText(text);
    fade->ShowLine(1);
    EXPECT_EQ(fade->LineIndex(), 0);
}

TEST_F(AAFadeText, StoredInactiveWaitsUntilSwitchedOn) {
    fade->SetActive(false);
    Painted(*fade);
    EXPECT_EQ(fade->LineIndex(), -1);
    EXPECT_FALSE(fade->LineTimerRunning());
    EXPECT_EQ(InkOf(Painted(*fade)), 0);
    fade->SetActive(true);
    EXPECT_EQ(fade->CurrentLine(), "Line 1");
    EXPECT_TRUE(fade->LineTimerRunning());
}

TEST_F(AAFadeText, DelaysKeepTheirLimits) {
    fade->SetFadeDelay(5000);
    EXPECT_EQ(fade->Text().FadeDelay, 2800);
    fade->SetFadeDelay(10);
    EXPECT_EQ(fade->Text().FadeDelay, 50);
    fade->SetLineDelay(100);
    EXPECT_EQ(fade->Text().LineDelay, 250);
    fade->SetFadeDelay(900);
    EXPECT_EQ(fade->Text().FadeDelay, 50);
    fade->SetLineDelay(1000);
    fade->SetFadeDelay(900);
    EXPECT_EQ(fade->Text().FadeDelay, 800);
    fade->SetLineDelay(1000);
    EXPECT_EQ(fade->Text().LineDelay, 1000);

    // A whole parameter object is held to them too, against the delays it replaces.
    TFadeTextParam text = fade->Text();
    text.FadeDelay = 900;
    text.LineDelay = 1000;
    fade->SetText(text);
    EXPECT_EQ(fade->Text().FadeDelay, 800);
    EXPECT_EQ(fade->Text().LineDelay, 1000);
    text.FadeDelay = 1500;
    text.LineDelay = 400;
    fade->SetText(text);
    EXPECT_EQ(fade->Text().FadeDelay, 800);
    EXPECT_EQ(fade->Text().LineDelay, 1000);
}

TEST_F(AAFadeText, LinesSitByAlignmentAndLayout) {
    TFadeTextParam text = fade->Text();
    text.Lines = "Hi\r\n";
    text.Alignment = taLeftJustify;
    text.Layout = tlTop;
    fade->SetText(text);
    Painted(*fade);
    FinishFade();
    const QRect topLeft = InkBounds(Painted(*fade));
    ASSERT_TRUE(topLeft.isValid());
    EXPECT_LT(topLeft.left(), 4);
    EXPECT_LT(topLeft.top(), 8);
    text.Alignment = taRightJustify;
    text.Layout = tlBottom;
    fade->SetText(text);
    const QRect bottomRight = InkBounds(Painted(*fade));
    EXPECT_GT(bottomRight.right(), 110);
    EXPECT_GT(bottomRight.bottom(), 22);
}

} // namespace
} // namespace brelvane
