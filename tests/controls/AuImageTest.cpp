#include "objects/controls/AuImage.h"

#include "controls/ControlTestKit.h"
#include "objects/controls/ControlFactory.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

const QColor kNormal(40, 160, 60), kOver(200, 30, 30), kDown(30, 30, 200), kKey(255, 0, 255);

class AuImage : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    void SetUp() override { object = MakeObject(okImage, 40, 30); }

    TImagePayload& Payload() { return PayloadOf<TImagePayload>(*object); }
    void SetStatePictures(bool withDown = true) {
        Payload().ImageNormal = PngPicture(10, 10, kNormal);
        Payload().ImageOver = PngPicture(10, 10, kOver);
        if (withDown) Payload().ImageDown = PngPicture(10, 10, kDown);
    }
    std::unique_ptr<TAuImage> Make() { return std::make_unique<TAuImage>(*object, nullptr); }
    static bool Shows(QWidget& image, QColor color) {
        return BoundsOf(Render(image), color).isValid();
    }

    std::unique_ptr<TAutoObject> object;
};

TEST_F(AuImage, StatePicturesFollowHoverPressAndChecked) {
    SetStatePictures();
    auto image = Make();
    EXPECT_TRUE(Shows(*image, kNormal));
    SendEnter(*image);
    EXPECT_TRUE(Shows(*image, kOver));
    EXPECT_EQ(Payload().DisplayedState, isOver);
    SendPress(*image);
    EXPECT_TRUE(Shows(*image, kDown));
    EXPECT_TRUE(Payload().PressedLook);
    SendRelease(*image);
    SendLeave(*image);
    EXPECT_TRUE(Shows(*image, kNormal));
    object->Props.Checked = true;
    image->Refresh();
    EXPECT_TRUE(Shows(*image, kDown));
}

TEST_F(AuImage, DisabledKeepsNormalWhileHoveredButCheckedShowsDown) {
    SetStatePictures();
    auto image = Make();
    SendEnter(*image);
    image->setEnabled(false);
    EXPECT_TRUE(Shows(*image, kNormal));
    object->Props.Checked = true;
    image->Refresh();
    EXPECT_TRUE(Shows(*image, kDown));
}

TEST_F(AuImage, CheckedWithoutDownPictureShowsNormal) {
    SetStatePictures(false);
    object->Props.Checked = true;
    auto image = Make();
    EXPECT_TRUE(Shows(*image, kNormal));
}

TEST_F(AuImage, PlacementFollowsAutoSizeCenterStretchAndTransparent) {
    Payload().ImageNormal = BmpPicture(10, 10, kNormal, kKey);
    auto image = Make();
    // Normal: at the top left, the bitmap's key colour drawn as it is.
    EXPECT_EQ(BoundsOf(Render(*image), kNormal), QRect(0, 0, 10, 10));
    EXPECT_EQ(Render(*image).pixelColor(0, 9), kKey);
    Payload().Transparent = true;
    image->Refresh();
    EXPECT_EQ(qAlpha(Render(*image).pixel(0, 9)), 0);
    Payload().Center = true;
    image->Refresh();
    EXPECT_EQ(BoundsOf(Render(*image), kNormal).topLeft(), QPoint(15, 10));
    Payload().Stretch = true;
    image->Refresh();
    EXPECT_EQ(BoundsOf(Render(*image), kNormal).size(), QSize(40, 30));
    Payload().AutoSize = true;
    Payload().Stretch = Payload().Center = false;
    auto sized = Make();
    EXPECT_EQ(sized->size(), QSize(10, 10));
    EXPECT_EQ(Payload().Width, 10);
}

TEST_F(AuImage, AnimatedGifsPlayTheirFramesAndStopAfterTheLoopCount) {
    Payload().ImageNormal = AnimatedGif({kNormal, kOver}, 3, 1);
    auto image = Make();
    ASSERT_TRUE(image->DisplayedPicture() && image->DisplayedPicture()->Animated());
    EXPECT_EQ(image->CurrentFrame(), 0);
    EXPECT_TRUE(Shows(*image, kNormal));
    ProcessEventsFor(150);
    EXPECT_EQ(image->CurrentFrame(), 1);
    EXPECT_TRUE(Shows(*image, kOver));
    // One play: the last frame stays.
    ProcessEventsFor(100);
    EXPECT_EQ(image->CurrentFrame(), 1);

    Payload().ImageNormal = AnimatedGif({kNormal, kOver, kDown}, 5, 0);
    image->Refresh();
    std::vector<int> seen;
    for (int i = 0; i < 40; ++i) {
        ProcessEventsFor(10);
        if (seen.empty() || seen.back() != image->CurrentFrame())
            seen.push_back(image->CurrentFrame());
    }
    // Played forever: back to the first frame after the third.
    ASSERT_GE(seen.size(), 4u);
    EXPECT_EQ(std::vector<int>(seen.begin(), seen.begin() + 4), (std::vector<int>{0, 1, 2, 0}));
}

TEST_F(AuImage, GraphicCommentReplacesThePictureUntilWithdrawn) {
    SetStatePictures();
    auto image = Make();
    const TPicture comment = PngPicture(10, 10, kKey);
    image->ShowCommentPicture(&comment);
    EXPECT_TRUE(Shows(*image, kKey));
    EXPECT_FALSE(Shows(*image, kNormal));
    image->ShowCommentPicture(nullptr);
    EXPECT_TRUE(Shows(*image, kNormal));
}

TEST_F(AuImage, DamagedPicturesDrawNothing) {
    Payload().ImageNormal = TPicture{TPictureKind::Gif, {'G', 'I', 'F', '8', '9', 'a', 5}};
    Payload().AutoSize = true;
    auto image = Make();
    EXPECT_FALSE(DrawnBounds(Render(*image)).isValid());
    EXPECT_EQ(image->size(), QSize(40, 30));
}

TEST_F(AuImage, TheFactoryMakesTheControlOfEachKind) {
    for (const std::uint8_t kind :
         {okButton, okImageButton, okImage, okShape, okListBox, okDropDownList, okListView,
          okTreeView, okShellComboBox, okShellTreeView, okShellListView}) {
        auto any = MakeObject(kind, 20, 20);
        EXPECT_NE(CreateObjectControl(*any, nullptr), nullptr) << int(kind);
    }
    // A kind number this build does not know gets no control.
    auto unknown = MakeObject(okShape, 20, 20);
    unknown->Kind = static_cast<std::uint8_t>(kObjectKindCount);
    EXPECT_EQ(CreateObjectControl(*unknown, nullptr), nullptr);
}

} // namespace
} // namespace brelvane
