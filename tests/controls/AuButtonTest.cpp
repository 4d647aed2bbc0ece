#include "objects/controls/AuButton.h"

#include "controls/ControlTestKit.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ObjectKinds.h"
#include "render/SystemColors.h"
#include "storage/EffectBlock.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

class AuButton : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    TAuButton& Add(int group) {
        objects.push_back(MakeObject(okButton, 105, 25));
        PayloadOf<TButtonPayload>(*objects.back()).Caption = "OK";
        auto* button = new TAuButton(*objects.back(), &page);
        button->SetGroup(group);
        return *button;
    }
    static void Click(TAuButton& button) {
        SendPress(button);
        SendRelease(button);
    }

    // The records outlive the page that holds their controls.
    TAutoObjects objects;
    QWidget page;
};

TEST_F(AuButton, PressingOneButtonOfAGroupReleasesTheOthers) {
    auto& first = Add(1);
    auto& second = Add(1);
    auto& other = Add(2);
    first.SetDown(true);
    other.SetDown(true);
    Click(second);
    EXPECT_TRUE(second.Down());
    EXPECT_FALSE(first.Down());
    EXPECT_TRUE(other.Down());
    // Clicking the down button keeps it down.
    Click(second);
    EXPECT_TRUE(second.Down());
    first.SetDown(true);
    EXPECT_FALSE(second.Down());
}

TEST_F(AuButton, ButtonsWithoutGroupNeverStayDown) {
    auto& button = Add(0);
    button.SetDown(true);
    EXPECT_FALSE(button.Down());
    Click(button);
    EXPECT_FALSE(button.Down());
}

TEST_F(AuButton, FaceIsSunkenWhileDownAndShowsTheCaption) {
    const QColor shadow = ResolveColor(SystemColorValue(COLOR_BTNSHADOW));
    const QColor highlight = ResolveColor(SystemColorValue(COLOR_BTNHIGHLIGHT));
    auto& button = Add(1);
    PayloadOf<TButtonPayload>(button.Record()).Font.Color = RGB(200, 0, 0);
    QImage image = Render(button);
    EXPECT_EQ(image.pixelColor(0, 0), highlight);
    EXPECT_EQ(image.pixelColor(104, 24), shadow);
    EXPECT_EQ(image.pixelColor(5, 5), ResolveColor(SystemColorValue(COLOR_BTNFACE)));
    const QColor face = ResolveColor(SystemColorValue(COLOR_BTNFACE));
    // The caption: what differs from the face inside the bevel, reddish somewhere.
    const auto captionOf = [&](const QImage& drawn) {
        return DrawnBounds(drawn.copy(2, 2, 101, 21), face).translated(2, 2);
    };
    const QRect caption = captionOf(image);
    ASSERT_TRUE(caption.isValid());
    EXPECT_TRUE(QRect(30, 4, 45, 17).contains(caption));
    bool reddish = false;
    for (int y = caption.top(); y <= caption.bottom(); ++y)
        for (int x = caption.left(); x <= caption.right(); ++x)
            reddish = reddish || image.pixelColor(x, y).red() > image.pixelColor(x, y).green() + 60;
    EXPECT_TRUE(reddish);
    button.SetDown(true);
    image = Render(button);
    EXPECT_EQ(image.pixelColor(0, 0), shadow);
    EXPECT_EQ(captionOf(image), caption.translated(1, 1));
}

} // namespace
} // namespace brelvane
