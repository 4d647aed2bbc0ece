#include "objects/controls/AuSimpleText.h"

#include "controls/ControlTestKit.h"
#include "objects/ObjectTestSupport.h"
#include "objects/controls/ControlFactory.h"
#include "objects/records/CheckGroups.h"
#include "objects/records/HoverBehaviour.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SimpleTextPayload.h"

#include <QColor>
#include <QCoreApplication>
#include <QMouseEvent>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;
using TLook = TAuSimpleText::TLook;

constexpr int W = 160, H = 60;
// Colour values: red in the low byte.
constexpr std::int32_t kNormalBack = 0x00C8C8C8, kHotBack = 0x00FF0000, kDownBack = 0x0000FF00;
constexpr std::int32_t kNormalInk = 0x00000080, kHotInk = 0x00FFFFFF, kDownInk = 0x00008000;
const QColor kNormalBackColor(200, 200, 200), kHotBackColor(0, 0, 255), kDownBackColor(0, 255, 0);
const QColor kNormalInkColor(128, 0, 0), kHotInkColor(255, 255, 255), kDownInkColor(0, 128, 0);

TFont Ink(std::int32_t color) {
    return {.Name = "DejaVu Sans", .Color = color, .Size = 20, .Style = fsBold};
}

class AuSimpleText : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override {
        object = MakeObject(okSimpleText, W, H);
        auto& p = Payload();
        p.Caption = "Go";
        p.Transparent = false;
        p.BackColor = kNormalBack;
        p.HotBackColor = kHotBack;
        p.MouseDownBackColor = kDownBack;
        p.Font = Ink(kNormalInk);
        p.HotFont = Ink(kHotInk);
        p.MouseDownFont = Ink(kDownInk);
    }

    TSimpleTextPayload& Payload() { return PayloadOf<TSimpleTextPayload>(*object); }
    std::unique_ptr<TAuSimpleText> Make() {
        return std::make_unique<TAuSimpleText>(*object, nullptr);
    }
    // The background in a corner the caption never reaches, and whether the
    // caption's colour is drawn.
    static bool Shows(QWidget& text, QColor back, QColor ink) {
        const QImage image = Render(text);
        return image.pixelColor(W - 1, H - 1) == back && BoundsOf(image, ink).isValid();
    }

    std::unique_ptr<TAutoObject> object;
};

TEST_F(AuSimpleText, PointerChangesTheLook) {
    auto text = Make();
    EXPECT_TRUE(Shows(*text, kNormalBackColor, kNormalInkColor));
    SendEnter(*text);
    EXPECT_EQ(text->Look(), TLook::Hot);
    EXPECT_TRUE(Shows(*text, kHotBackColor, kHotInkColor));
    SendPress(*text);
    EXPECT_EQ(text->Look(), TLook::Pressed);
    EXPECT_TRUE(Shows(*text, kDownBackColor, kDownInkColor));
    SendRelease(*text);
    EXPECT_EQ(text->Look(), TLook::Hot);
    SendLeave(*text);
    EXPECT_EQ(text->Look(), TLook::Normal);
    EXPECT_TRUE(Shows(*text, kNormalBackColor, kNormalInkColor));

    // Any button presses.
    QMouseEvent right(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::RightButton,
                      Qt::RightButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text.get(), &right);
    EXPECT_EQ(text->Look(), TLook::Pressed);
}

TEST_F(AuSimpleText, CheckedIgnoresThePointerAndShowsThePressedLook) {
    auto text = Make();
    SendEnter(*text);
    object->Props.Checked = true;
    text->Refresh();
    EXPECT_EQ(text->Look(), TLook::Pressed);
    SendLeave(*text);
    SendEnter(*text);
    SendRelease(*text);
    text->ClearHoverLook();
    EXPECT_EQ(text->Look(), TLook::Pressed);
    EXPECT_TRUE(Shows(*text, kDownBackColor, kDownInkColor));

    object->Props.Checked = false;
    text->Refresh();
    EXPECT_EQ(text->Look(), TLook::Normal);
    // A refresh for another reason keeps the look the pointer gave.
    SendEnter(*text);
    text->Refresh();
    EXPECT_EQ(text->Look(), TLook::Hot);

    // Loaded checked, it starts pressed.
    auto loaded = Make();
    EXPECT_EQ(loaded->Look(), TLook::Normal);
    object->Props.Checked = true;
    EXPECT_EQ(Make()->Look(), TLook::Pressed);
}

TEST_F(AuSimpleText, GroupClickChecksOneAndRestoresTheOther) {
    TAutoObjects objects;
    for (const char* name : {"ST1", "ST2"}) {
        auto& added = Add(objects, MakeObject(okSimpleText, W, H));
        added.Props.Name = name;
        added.Props.GroupName = "G";
        added.Props.CheckStyleInGroup = true;
        added.SetControl(CreateObjectControl(added, nullptr));
    }
    auto& first = dynamic_cast<TAuSimpleText&>(*objects[0]->Control);
    auto& second = dynamic_cast<TAuSimpleText&>(*objects[1]->Control);
    ApplyCheckGroupClick(objects, *objects[0]);
    EXPECT_EQ(first.Look(), TLook::Pressed);
    SendEnter(second);
    SendPress(second);
    SendRelease(second);
    ApplyCheckGroupClick(objects, *objects[1]);
    EXPECT_EQ(first.Look(), TLook::Normal);
    EXPECT_EQ(second.Look(), TLook::Pressed);
    EXPECT_FALSE(objects[0]->Props.Checked);
}

TEST_F(AuSimpleText, ClearHoverLookDarkensOnlyTheHotLook) {
    auto text = Make();
    SendEnter(*text);
    text->ClearHoverLook();
    EXPECT_EQ(text->Look(), TLook::Normal);
    SendEnter(*text);
    SendPress(*text);
    text->ClearHoverLook();
    EXPECT_EQ(text->Look(), TLook::Pressed);
}

TEST_F(AuSimpleText, BackColorShowsOnlyWhenNotTransparent) {
    Payload().Transparent = true;
    auto text = Make();
    SendEnter(*text);
    const QImage image = Render(*text);
    EXPECT_EQ(qAlpha(image.pixel(W - 1, H - 1)), 0);
    EXPECT_FALSE(BoundsOf(image, kHotBackColor).isValid());
    EXPECT_TRUE(BoundsOf(image, kHotInkColor).isValid());
}

TEST_F(AuSimpleText, CaptionWrapsAndFollowsAlignmentLayoutAndAutoSize) {
    Payload().Transparent = true;
    Payload().Caption = "Go";
    auto text = Make();
    const QRect line = DrawnBounds(Render(*text));
    EXPECT_LT(line.left(), 4);
    EXPECT_LT(line.top(), 12);

    Payload().Alignment = taRightJustify;
    Payload().Layout = tlBottom;
    text->Refresh();
    const QRect corner = DrawnBounds(Render(*text));
    EXPECT_GT(corner.right(), W - 5);
    EXPECT_GT(corner.bottom(), H - 12);
    EXPECT_EQ(corner.size(), line.size());

    Payload().Alignment = taCenter;
    Payload().Layout = tlCenter;
    text->Refresh();
    const QRect centred = DrawnBounds(Render(*text));
    EXPECT_LE(std::abs(centred.center().x() - W / 2), 2);
    EXPECT_LE(std::abs(centred.center().y() - H / 2), 4);

    Payload().Alignment = taLeftJustify;
    Payload().Layout = tlTop;
    Payload().Caption = "Go Go Go Go Go Go";
    Payload().AutoSize = true;
    text->Refresh();
    const QRect wrapped = DrawnBounds(Render(*text));
    EXPECT_LE(wrapped.right(), W);
    EXPECT_GT(wrapped.height(), 2 * line.height());
    // The height fits the wrapped lines, the width stays.
    EXPECT_EQ(text->width(), W);
    EXPECT_NE(text->height(), H);
    EXPECT_GE(text->height(), wrapped.bottom());
    EXPECT_EQ(Payload().Height, text->height());
}

TEST_F(AuSimpleText, AsCommentViewerShowsTheCommentUntilTheExit) {
    TAutoObjects objects;
    auto& viewer = Add(objects, std::move(object));
    viewer.Props.Name = "ST1";
    PayloadOf<TSimpleTextPayload>(viewer).Transparent = true;
    viewer.SetControl(CreateObjectControl(viewer, nullptr));
    auto& source = Add(objects, MakeObject(okSimpleText, W, H));
    source.Props.Name = "ST2";
    source.Props.CommentViewer = "ST1";
    source.Props.Comment = "Install the program now";
    auto& control = dynamic_cast<TAuSimpleText&>(*viewer.Control);
    const QRect before = DrawnBounds(Render(control));

    RecordingHost host;
    HoverEntry(objects, source, host);
    EXPECT_EQ(PayloadOf<TSimpleTextPayload>(viewer).Caption, "Install the program now");
    const QRect during = DrawnBounds(Render(control));
    EXPECT_GT(during.width() * during.height(), before.width() * before.height());
    // Entering the other object took the viewer's hover look off.
    EXPECT_EQ(host.Calls, std::vector<std::string>{"dark ST1"});

    HoverExit(objects, source, host);
    EXPECT_EQ(PayloadOf<TSimpleTextPayload>(viewer).Caption, "Go");
    EXPECT_EQ(DrawnBounds(Render(control)), before);
}

TEST_F(AuSimpleText, FactoryMakesItForKind17) {
    const auto control = CreateObjectControl(*object, nullptr);
    EXPECT_NE(dynamic_cast<TAuSimpleText*>(control.get()), nullptr);
    EXPECT_EQ(control->geometry(), QRect(0, 0, W, H));
}

} // namespace
} // namespace brelvane
