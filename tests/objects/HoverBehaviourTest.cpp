#include "objects/records/HoverBehaviour.h"

#include "objects/ObjectTestSupport.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

using Calls = std::vector<std::string>;

std::unique_ptr<TAutoObject> Viewer(std::uint8_t kind, const std::string& name,
                                    const std::string& text) {
    auto payload = std::make_unique<TViewerPayload>();
    payload->Text = text;
    return MakeObject(kind, name, std::move(payload));
}

std::string& TextOf(TAutoObject& object) {
    return *object.Payload->ViewerText();
}

TAutoObject& Commenting(TAutoObjects& objects, const std::string& name, const std::string& viewer,
                        const std::string& comment) {
    auto& object = Add(objects, MakeObject(okButton, name));
    object.Props.CommentViewer = viewer;
    object.Props.Comment = comment;
    return object;
}

TEST(StatusPanelViewer, OnlyExistingPanelsByExactName) {
    EXPECT_EQ(StatusPanelViewer("StatusBar[0]", 1), 0);
    EXPECT_EQ(StatusPanelViewer("StatusBar[2]", 3), 2);
    EXPECT_EQ(StatusPanelViewer("StatusBar[1]", 1), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("StatusBar[-1]", 3), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("StatusBar[]", 3), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("StatusBar[0", 3), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("StatusBar[0]]", 3), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("statusbar[0]", 3), std::nullopt);
    EXPECT_EQ(StatusPanelViewer("StatusBar[99999999999999]", 3), std::nullopt);
}

// A missed exit of A: B saves A's comment, so the label comes back in exit order.
TEST(CommentViewers, ObjectViewerRestoredInExitOrder) {
    TAutoObjects objects;
    Calls log;
    auto& label = Add(objects, Viewer(okLabel, "Label1", "Welcome"));
    label.SetControl(std::make_unique<RecordingControl>(log));
    auto& a = Commenting(objects, "A", "Label1", "A says");
    auto& b = Commenting(objects, "B", "Label1", "B says");
    RecordingHost host;

    HoverEntry(objects, a, host);
    EXPECT_EQ(TextOf(label), "A says");
    HoverEntry(objects, b, host);
    EXPECT_EQ(TextOf(label), "B says");
    HoverExit(objects, b, host);
    EXPECT_EQ(TextOf(label), "A says");
    HoverExit(objects, a, host);
    EXPECT_EQ(TextOf(label), "Welcome");
    EXPECT_EQ(log, Calls(4, "Label1 refresh"));
}

TEST(CommentViewers, EveryViewerKindButNoOther) {
    TAutoObjects objects;
    for (const auto kind : {okLabel, okText, okScrollText, okTextBox, okSimpleText})
        Add(objects, Viewer(kind, "View", "old"));
    for (const auto kind : {okLink, okRichText, okListBox, okImage})
        Add(objects, Viewer(kind, "View", "old"));
    auto& source = Commenting(objects, "Src", "View", "new");
    RecordingHost host;
    HoverEntry(objects, source, host);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(TextOf(*objects[i]), i < 5 ? "new" : "old") << int(objects[i]->Kind);
    HoverExit(objects, source, host);
    for (std::size_t i = 0; i < 9; ++i)
        EXPECT_EQ(TextOf(*objects[i]), "old");
}

TEST(CommentViewers, StatusBarPanelSavedReplacedAndRestored) {
    TAutoObjects objects;
    auto& a = Commenting(objects, "A", "StatusBar[1]", "A says");
    auto& b = Commenting(objects, "B", "StatusBar[1]", "B says");
    RecordingHost host;
    host.Panels = {"Ready", "Idle"};
    HoverEntry(objects, a, host);
    HoverEntry(objects, b, host);
    HoverExit(objects, b, host);
    HoverExit(objects, a, host);
    EXPECT_EQ(host.Calls,
              (Calls{"panel 1 A says", "panel 1 B says", "panel 1 A says", "panel 1 Idle"}));
    EXPECT_EQ(host.Panels, (Calls{"Ready", "Idle"}));
}

TEST(CommentViewers, PanelNameBeyondThePanelsIsAnObjectName) {
    TAutoObjects objects;
    auto& source = Commenting(objects, "Src", "StatusBar[1]", "new");
    RecordingHost host;
    host.Panels = {"Ready"};
    HoverEntry(objects, source, host);
    HoverExit(objects, source, host);
    EXPECT_EQ(host.Panels, Calls{"Ready"});
    EXPECT_TRUE(host.Calls.empty());

    auto& named = Add(objects, Viewer(okSimpleText, "StatusBar[1]", "text"));
    HoverEntry(objects, source, host);
    EXPECT_EQ(TextOf(named), "new");
    EXPECT_EQ(host.Panels, Calls{"Ready"});
    HoverExit(objects, source, host);
    EXPECT_EQ(TextOf(named), "text");
}

TEST(GraphicCommentViewer, ShowsTheCommentAndRestoresTheImage) {
    TAutoObjects objects;
    Add(objects, MakeObject(okImage, "Picture"));
    Add(objects, MakeObject(okShape, "Picture")); // not an image: never a viewer
    auto& source = Add(objects, MakeObject(okButton, "Src"));
    source.Props.GraphicCommentViewer = "Picture";
    RecordingHost host;
    HoverEntry(objects, source, host);
    HoverExit(objects, source, host);
    EXPECT_EQ(host.Calls, (Calls{"dark Picture", "image Picture comment", "image Picture own"}));
}

TEST(HoverLooks, EntryDarkensEveryOtherLitKindAfterTheSound) {
    TAutoObjects objects;
    Add(objects, MakeObject(okImageButton, "IB1"));
    Add(objects, MakeObject(okImage, "Img1"));
    Add(objects, MakeObject(okSimpleText, "ST1"));
    Add(objects, MakeObject(okButton, "B1"));
    Add(objects, MakeObject(okShape, "Sh1"));
    auto& source = Add(objects, MakeObject(okImageButton, "IB2"));
    source.Props.MouseEnterSound = "\\enter.wav";
    source.Props.MouseLeaveSound = "\\leave.wav";
    RecordingHost host;
    HoverEntry(objects, source, host);
    EXPECT_EQ(host.Calls, (Calls{"sound \\enter.wav", "dark IB1", "dark Img1", "dark ST1"}));

    host.Calls.clear();
    HoverExit(objects, source, host);
    EXPECT_EQ(host.Calls, Calls{"sound \\leave.wav"});

    host.Calls.clear();
    HoverOverBackground(objects, host);
    EXPECT_EQ(host.Calls, (Calls{"dark IB1", "dark Img1", "dark IB2"}));
}

} // namespace
} // namespace brelvane::test
