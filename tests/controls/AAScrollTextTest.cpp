#include "objects/controls/AAScrollText.h"

#include "controls/AAControlTestKit.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

class AAScrollText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        scroll = std::make_unique<TAAScrollText>(object, nullptr, timers);
        scroll->resize(100, 60);
        TScrollTextParam text;
        text.Font = InkFont(12);
        text.BackColor = ColorValue(kPaper);
        text.Lines = "One\r\nTwo\r\nThree\r\n";
        text.TailSpace = 0;
        scroll->SetText(text);
        scroll->OnComplete = [this] { ++completed; };
    }
    int TallHeight() const { return scroll->TallPicture().height(); }

    std::uint64_t now = 0;
    platform::TAATimerMgr timers{[this] { return now; }, false};
    TAutoObject object;
    std::unique_ptr<TAAScrollText> scroll;
    int completed = 0;
};

TEST_F(AAScrollText, OnePassPausesFirstAndCompletesBackAtTheTop) {
    scroll->SetRepeatCount(1);
    scroll->SetRepeatDelay(2000);
    Painted(*scroll);
    ASSERT_TRUE(scroll->Scrolling());
    EXPECT_EQ(scroll->Passes(), -1);

    scroll->ScrollTick();
    EXPECT_EQ(scroll->Position(), 0);
    EXPECT_EQ(scroll->Passes(), 0);
    EXPECT_FALSE(scroll->Scrolling());
    EXPECT_TRUE(scroll->Pausing());

    scroll->RepeatTick();
    EXPECT_EQ(scroll->Position(), 1);
    EXPECT_TRUE(scroll->Scrolling());
    EXPECT_FALSE(scroll->Pausing());
    for (int i = 1; i < TallHeight() - 1; ++i)
        scroll->ScrollTick();
    EXPECT_EQ(scroll->Position(), TallHeight() - 1);
    EXPECT_EQ(completed, 0);
    scroll->ScrollTick();
    EXPECT_EQ(scroll->Position(), 0);
    EXPECT_EQ(completed, 0);
    scroll->ScrollTick();
    EXPECT_EQ(completed, 1);
    EXPECT_FALSE(scroll->Active());
    EXPECT_FALSE(scroll->Scrolling());
    EXPECT_EQ(scroll->Passes(), -1);
    EXPECT_EQ(scroll->Position(), 0);
}

TEST_F(AAScrollText, EndlessWithoutPauseKeepsGoing) {
    scroll->SetRepeatDelay(0);
    scroll->SetScrollStep(7);
    Painted(*scroll);
    for (int i = 0; i < 3 * TallHeight(); ++i)
        scroll->ScrollTick();
    EXPECT_EQ(completed, 0);
    EXPECT_TRUE(scroll->Scrolling());
    EXPECT_GT(scroll->Passes(), 10);
}

TEST_F(AAScrollText, TheScrollTimerOfTheServiceMovesTheText) {
    scroll->SetRepeatDelay(0);
    scroll->SetScrollDelay(40);
    Painted(*scroll);
    now += 39;
    timers.Process(true);
    EXPECT_EQ(scroll->Position(), 0);
    now += 1;
    timers.Process(true);
    EXPECT_EQ(scroll->Position(), 1);
    scroll->SetActive(false);
    now += 400;
    timers.Process(true);
    EXPECT_EQ(scroll->Position(), 1);
}

TEST_F(AAScrollText, ShortTextScrollsThroughAPictureOfTheControlsHeight) {
    TScrollTextParam text = scroll->Text();
    text.Lines = "One\r\n";
    scroll->SetText(text);
    Painted(*scroll);
    EXPECT_EQ(scroll->TallPicture().size(), QSize(100, 60));
    // Head and tail space are parts of the height, at most 150 % each.
    const int oneLine = scroll->TallPicture().height();
    text.HeadSpace = 200;
    text.TailSpace = 50;
    scroll->SetText(text);
    EXPECT_EQ(scroll->Text().HeadSpace, 150);
    EXPECT_GT(TallHeight(), oneLine + 90);
}

TEST_F(AAScrollText, WindowLoopsWithoutAGap) {
    TScrollTextParam text = scroll->Text();
    text.Fade = false;
    scroll->SetText(text);
    Painted(*scroll);
    const QImage tall = scroll->TallPicture();
    scroll->SetPosition(TallHeight() - 10);
    const QImage shown = Painted(*scroll);
    for (int y = 0; y < 60; ++y) {
        const int from = (TallHeight() - 10 + y) % TallHeight();
        ASSERT_EQ(shown.copy(0, y, 100, 1), tall.copy(0, from, 100, 1)) << y;
    }
}

TEST_F(AAScrollText, EdgeRowsMixTowardTheBackgroundColour) {
    TScrollTextParam text = scroll->Text();
    text.FadeHeight = 5;
    text.HeadSpace = 0;
    scroll->SetText(text);
    Painted(*scroll);
    // Row b of the edge is c + (b * 255 / 4 * (p - c)) >> 8 for picture pixel p.
    const QImage tall = scroll->TallPicture();
    const int start = 5;
    scroll->SetPosition(start);
    const QImage shown = Painted(*scroll);
    EXPECT_EQ(shown.pixelColor(50, 0), kPaper);
    EXPECT_EQ(shown.pixelColor(50, 59), kPaper);
    const QColor c = kPaper;
    for (int b = 0; b < 5; ++b) {
        const int a = b * 255 / 4;
        for (int x = 0; x < 100; ++x) {
            const QColor p = tall.pixelColor(x, start + b);
            const QColor expected(c.red() + ((a * (p.red() - c.red())) >> 8),
                                  c.green() + ((a * (p.green() - c.green())) >> 8),
                                  c.blue() + ((a * (p.blue() - c.blue())) >> 8));
            ASSERT_EQ(shown.pixelColor(x, b), expected) << b << "," << x;
        }
    }
    EXPECT_EQ(shown.copy(0, 5, 100, 50), tall.copy(0, start + 5, 100, 50));
}

TEST_F(AAScrollText, PositionIsTakenModuloAndChangesRestartFromTheTop) {
    Painted(*scroll);
    scroll->SetPosition(-1);
    EXPECT_EQ(scroll->Position(), TallHeight() - 1);
    scroll->SetPosition(TallHeight() + 5);
    EXPECT_EQ(scroll->Position(), 5);
    scroll->SetRepeatDelay(0);
    scroll->ScrollTick();
    scroll->SetActive(false);
    scroll->resize(120, 80);
    Painted(*scroll);
    EXPECT_EQ(scroll->Position(), 0);
    EXPECT_EQ(scroll->Passes(), -1);
    EXPECT_FALSE(scroll->Active());
    EXPECT_EQ(scroll->TallPicture().width(), 120);
    scroll->resize(5, 5);
    EXPECT_EQ(scroll->size(), QSize(20, 20));
}

} // namespace
} // namespace brelvane
