#include "objects/records/ClickBehaviour.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ObjectKinds.h"
#include "storage/ProjectIndex.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

using Calls = std::vector<std::string>;

TAutoObject& Clickable(TAutoObjects& objects, const std::string& name,
                       std::uint8_t duty = btNormal) {
    auto payload = std::make_unique<TImageButtonPayload>();
    payload->ButtonType = duty;
    auto& object = Add(objects, MakeObject(okImageButton, name, std::move(payload)));
    object.Props.ClickSound = "\\click.wav";
    object.Props.ActionFile = "\\run.exe";
    return object;
}

TEST(PageClick, SplashAndExitPagesWithClickContinueClose) {
    for (const auto kind : {pkSplashScreen, pkExitForm}) {
        TAutoObjects objects;
        auto& object = Clickable(objects, "IB1");
        RecordingHost host;
        RunPageClick({kind, true, false}, objects, &object, host);
        RunPageClick({kind, true, false}, objects, nullptr, host);
        EXPECT_EQ(host.Calls, (Calls{"close", "close"}));
    }
    TAutoObjects objects;
    auto& object = Clickable(objects, "IB1");
    RecordingHost host;
    RunPageClick({pkMainPage, true, false}, objects, &object, host);
    RunPageClick({pkSplashScreen, false, false}, objects, &object, host);
    EXPECT_EQ(host.Calls, (Calls{"sound \\click.wav", "action \\run.exe", "sound \\click.wav",
                                 "action \\run.exe"}));
}

TEST(PageClick, BackgroundClickClosesOnlyATestRun) {
    TAutoObjects objects;
    RecordingHost host;
    RunPageClick({pkMainPage, false, false}, objects, nullptr, host);
    EXPECT_TRUE(host.Calls.empty());
    RunPageClick({pkSubPage, false, true}, objects, nullptr, host);
    EXPECT_EQ(host.Calls, Calls{"close"});
}

TEST(PageClick, ButtonDutiesReplaceTheOrdinaryClick) {
    TAutoObjects objects;
    auto& ok = Clickable(objects, "OK", btOK);
    auto& cancel = Clickable(objects, "Cancel", btCancel);
    auto& submit = Clickable(objects, "Submit", btSubmit);
    auto& plain = Add(objects, MakeObject(okButton, "B1", std::make_unique<TButtonPayload>()));
    static_cast<TButtonPayload&>(*plain.Payload).ButtonType = btOK;
    ok.Props.CheckStyleInGroup = true;
    ok.Props.GroupName = "G";
    RecordingHost host;
    const TPageClickState page{pkAgreementForm, false, false};
    RunPageClick(page, objects, &ok, host);
    RunPageClick(page, objects, &cancel, host);
    RunPageClick(page, objects, &submit, host);
    RunPageClick(page, objects, &plain, host);
    EXPECT_EQ(host.Calls,
              (Calls{"result 1", "close", "result 0", "close", "validate", "result 1", "close"}));
    EXPECT_FALSE(ok.Props.Checked);
}

TEST(PageClick, OrdinaryClickRunsGroupThenSoundThenAction) {
    TAutoObjects objects;
    RecordingHost host;
    auto& peer = Clickable(objects, "IB1");
    auto& clicked = Clickable(objects, "IB2");
    for (auto* object : {&peer, &clicked}) {
        object->Props.GroupName = "G";
        object->Props.CheckStyleInGroup = true;
        object->SetControl(std::make_unique<RecordingControl>(host.Calls));
    }
    peer.Props.Checked = true;
    RunPageClick({pkMainPage, true, false}, objects, &clicked, host);
    EXPECT_EQ(host.Calls,
              (Calls{"IB1 refresh", "IB2 refresh", "sound \\click.wav", "action \\run.exe"}));
    EXPECT_TRUE(clicked.Props.Checked);
    EXPECT_FALSE(peer.Props.Checked);
}

TEST(PageClick, WithoutSoundOrCommandOnlyTheRestHappens) {
    TAutoObjects objects;
    auto& object = Add(objects, MakeObject(okShape, "Sh1"));
    object.Props.ActionFile = "\\x";
    RecordingHost host;
    RunPageClick({pkMainPage, false, false}, objects, &object, host);
    EXPECT_EQ(host.Calls, Calls{"action \\x"});
    host.Calls.clear();
    host.NothingToRun = true;
    object.Props.ClickSound = "\\c.wav";
    RunPageClick({pkMainPage, false, false}, objects, &object, host);
    EXPECT_EQ(host.Calls, Calls{"sound \\c.wav"});
}

TEST(MouseButtons, PressAndReleasePlayTheirSounds) {
    auto object = MakeObject(okButton, "B1");
    RecordingHost host;
    RunMouseDown(*object, host);
    object->Props.MouseDownSound = "\\down.wav";
    object->Props.MouseUpSound = "\\up.wav";
    RunMouseDown(*object, host);
    RunMouseUp(*object, host);
    EXPECT_EQ(host.Calls, (Calls{"sound \\down.wav", "sound \\up.wav"}));
}

} // namespace
} // namespace brelvane::test
