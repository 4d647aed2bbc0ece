#include "controls/AAControlTestKit.h"
#include "objects/ObjectTestSupport.h"
#include "objects/controls/AuFadeLabel.h"
#include "objects/controls/AuLabel.h"
#include "objects/controls/AuLink.h"
#include "objects/controls/AuScrollText.h"
#include "objects/controls/AuText.h"
#include "objects/controls/ControlFactory.h"
#include "objects/records/HoverBehaviour.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextPayload.h"

#include <gtest/gtest.h>
#include <limits>

namespace brelvane {
namespace {

using namespace test;

class AuTextObjects : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    // An object of `kind` named `name` with its default payload and control.
    TAutoObject& Add(std::uint8_t kind, const std::string& name, int width, int height) {
        auto object = test::MakeObject(kind, width, height);
        object->Props.Name = name;
        object->SetControl(CreateObjectControl(*object, nullptr));
        objects.push_back(std::move(object));
        return *objects.back();
    }
    template <class C> static C& ControlOf(TAutoObject& object) {
        return dynamic_cast<C&>(*object.Control);
    }
    TAutoObject& Commenting(const std::string& viewer, const std::string& comment) {
        auto& source = Add(okLabel, "Source" + std::to_string(objects.size()), 105, 25);
        source.Props.CommentViewer = viewer;
        source.Props.Comment = comment;
        return source;
    }

    TAutoObjects objects;
    RecordingHost host;
};

TEST_F(AuTextObjects, EachTextKindGetsItsControl) {
    EXPECT_NE(dynamic_cast<TAuLabel*>(Add(okLabel, "L", 105, 25).Control.get()), nullptr);
    EXPECT_NE(dynamic_cast<TAuLink*>(Add(okLink, "K", 0, 0).Control.get()), nullptr);
    EXPECT_NE(dynamic_cast<TAuFadeLabel*>(Add(okFadeLabel, "F", 105, 25).Control.get()), nullptr);
    EXPECT_NE(dynamic_cast<TAuText*>(Add(okText, "T", 209, 209).Control.get()), nullptr);
    EXPECT_NE(dynamic_cast<TAuScrollText*>(Add(okScrollText, "S", 209, 209).Control.get()),
              nullptr);
}

TEST_F(AuTextObjects, NewLabelShrinksToItsCaptionAndTheRecordKeepsTheSize) {
    auto& object = Add(okLabel, "Label1", 105, 25);
    auto& label = ControlOf<TAuLabel>(object);
    EXPECT_EQ(label.Caption(), "New Label");
    Painted(label);
    EXPECT_LT(label.width(), 105);
    EXPECT_EQ(object.Payload->Width, label.width());
    EXPECT_EQ(object.Payload->Height, label.height());
}

TEST_F(AuTextObjects, TextViewerLinesReplacedAndRestored) {
    auto& viewer = Add(okText, "Notes", 209, 209);
    auto& text = ControlOf<TAuText>(viewer);
    Painted(text);
    const QImage before = text.Picture();
    auto& source = Commenting("Notes", "First comment line\r\nSecond\r\n");
    HoverEntry(objects, source, host);
    EXPECT_EQ(text.Text().Lines, "First comment line\r\nSecond\r\n");
    EXPECT_NE(text.Picture(), before);
    HoverExit(objects, source, host);
    EXPECT_EQ(text.Text().Lines, "New Text\r\n");
    EXPECT_EQ(text.Picture(), before);
}

TEST_F(AuTextObjects, LabelViewerShowsTheCommentAsItsCaption) {
    auto& label = ControlOf<TAuLabel>(Add(okLabel, "Status", 105, 25));
    auto& source = Commenting("Status", "Click to start");
    HoverEntry(objects, source, host);
    EXPECT_EQ(label.Caption(), "Click to start");
    HoverExit(objects, source, host);
    EXPECT_EQ(label.Caption(), "New Label");
}

TEST_F(AuTextObjects, ScrollTextViewerStartsAgainFromTheTop) {
    auto& viewer = Add(okScrollText, "Ticker", 209, 209);
    auto& scroll = ControlOf<TAuScrollText>(viewer);
    Painted(scroll);
    scroll.SetRepeatDelay(0);
    for (int i = 0; i < 30; ++i)
        scroll.ScrollTick();
    ASSERT_GT(scroll.Position(), 0);
    auto& source = Commenting("Ticker", "Now showing");
    HoverEntry(objects, source, host);
    EXPECT_EQ(scroll.Position(), 0);
    EXPECT_EQ(scroll.Passes(), -1);
    EXPECT_EQ(scroll.Text().Lines, "Now showing");
    EXPECT_TRUE(scroll.Active());
}

TEST_F(AuTextObjects, ReadScrollTextScrollsAndKeepsRoomForItsFade) {
    auto object = test::MakeObject(okScrollText, 209, 209);
    auto& payload = PayloadOf<TScrollTextPayload>(*object);
    payload.Active = false;
    payload.Text.FadeHeight = 40;
    std::uint64_t now = 0;
    platform::TAATimerMgr timers([&] { return now; }, false);
    {
        TAuScrollText scroll(*object, nullptr, timers);
        EXPECT_TRUE(scroll.Active());
        EXPECT_TRUE(scroll.Scrolling());
        scroll.resize(209, 10);
        EXPECT_EQ(scroll.height(), 40);
        EXPECT_TRUE(timers.AnyRunning());
    }
    // Freed with its object: its timer is gone from the service.
    EXPECT_FALSE(timers.AnyRunning());
}

TEST_F(AuTextObjects, DamagedScrollTextSizesStayWithinBounds) {
    auto object = test::MakeObject(okScrollText, 209, 209);
    auto& payload = PayloadOf<TScrollTextPayload>(*object);
    payload.Text.FadeHeight = 1'000'000'000;
    payload.Text.HeadSpace = 150;
    payload.Text.TailSpace = 150;
    payload.Height = 2'000'000'000;
    payload.ScrollStep = std::numeric_limits<std::int32_t>::max();
    payload.RepeatDelay = 10;
    std::uint64_t now = 0;
    platform::TAATimerMgr timers([&] { return now; }, false);
    TAuScrollText scroll(*object, nullptr, timers);
    EXPECT_LE(scroll.minimumHeight(), kMaxFadeHeight);
    scroll.resize(209, 300);
    Painted(scroll);
    const int tall = scroll.TallPicture().height();
    ASSERT_GT(tall, 0);
    EXPECT_LE(tall, kMaxScrollPictureHeight);
    // Huge steps keep the position inside the picture, paused or not.
    for (int i = 0; i < 4; ++i) {
        scroll.ScrollTick();
        scroll.RepeatTick();
        EXPECT_GE(scroll.Position(), 0);
        EXPECT_LT(scroll.Position(), tall);
    }
}

TEST_F(AuTextObjects, FadeLabelStartsWithItsStoredFlag) {
    auto object = test::MakeObject(okFadeLabel, 105, 25);
    auto& payload = PayloadOf<TFadeLabelPayload>(*object);
    payload.Text.Lines = "A\r\nB\r\n";
    payload.Active = false;
    {
        TAuFadeLabel idle(*object, nullptr);
        Painted(idle);
        EXPECT_FALSE(idle.Active());
        EXPECT_EQ(idle.LineIndex(), -1);
    }
    payload.Active = true;
    TAuFadeLabel running(*object, nullptr);
    Painted(running);
    EXPECT_EQ(running.CurrentLine(), "A");
    EXPECT_TRUE(running.LineTimerRunning());
}

TEST_F(AuTextObjects, HoverOfTextKindsReachesThePage) {
    for (const auto kind : {okLabel, okLink, okFadeLabel, okText, okScrollText}) {
        auto& control = dynamic_cast<TObjectWidget&>(*Add(kind, "H", 105, 25).Control);
        int entered = 0, left = 0;
        QObject::connect(&control, &TObjectWidget::HoverEntered, [&] { ++entered; });
        QObject::connect(&control, &TObjectWidget::HoverLeft, [&] { ++left; });
        SendEnter(control);
        SendLeave(control);
        EXPECT_EQ(entered, 1) << int(kind);
        EXPECT_EQ(left, 1) << int(kind);
    }
}

TEST_F(AuTextObjects, LinkTakesItsHotLookFromTheRecord) {
    auto& object = Add(okLink, "Web", 0, 0);
    auto& payload = PayloadOf<TLinkPayload>(object);
    payload.Font = InkFont();
    payload.Effect.FontEffect = {};
    payload.HotLink.Color = ColorValue(kHotInk);
    payload.HotLink.FontEffect = {};
    payload.HotLink.Fade = false;
    auto& link = ControlOf<TAuLink>(object);
    link.Refresh();
    // Sized by its caption once shown: an empty widget would never be painted.
    link.show();
    EXPECT_GT(link.width(), 10);
    SendEnter(link);
    EXPECT_GT(InkOf(Painted(link), kHotInk), 10);
}

} // namespace
} // namespace brelvane
