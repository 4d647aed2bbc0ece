#include "objects/ObjectTestSupport.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ShapePayload.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(ButtonPayload, StoresCursorTextsFontDutyAndBounds) {
    TButtonPayload p;
    p.CursorNumber = -21;
    p.Caption = "Install";
    p.Hint = "Runs setup";
    p.Font.Name = "Arial";
    p.Font.Style = fsBold;
    p.ButtonType = btSubmit;
    p.Left = 10;
    p.Top = 20;
    p.Width = 105;
    p.Height = 25;
    const auto bytes = Stored(WriteButtonPayload, p);
    EXPECT_EQ(bytes, Concat({Int16Bytes(-21), StringBytes("Install"), StringBytes("Runs setup"),
                             FontBytes(p.Font), U8Bytes(3), BoundsBytes(p)}));
    const auto back = ReadBack<TButtonPayload>(bytes, ReadButtonPayload);
    EXPECT_EQ(back.CursorNumber, -21);
    EXPECT_EQ(back.Caption, "Install");
    EXPECT_EQ(back.Hint, "Runs setup");
    EXPECT_EQ(back.Font, p.Font);
    EXPECT_EQ(back.ButtonDuty(), btSubmit);
    EXPECT_EQ(back.Height, 25);
}

TEST(ImageButtonPayload, DefaultsAndStoredOrder) {
    TImageButtonPayload p;
    EXPECT_EQ(p.Caption, "New ImageButton");
    EXPECT_EQ(p.NormalFont.Color, 0);
    EXPECT_EQ(p.MouseDownFont.Color, 0);
    EXPECT_EQ(p.MouseOverFont.Color, 0xFFFFFF);
    EXPECT_EQ(p.Margin, 2);
    EXPECT_EQ(p.Space, 2);
    EXPECT_TRUE(p.MouseDownSlide);

    p.NormalImage = SamplePicture(TPictureKind::Png);
    p.MouseOverImage = SamplePicture(TPictureKind::Bitmap);
    p.Hint = "hint";
    p.ButtonStyle = ibsFlat;
    p.Margin = 4;
    p.ImageLayout = ilStretch;
    p.Space = 6;
    p.MouseDownSlide = false;
    p.ButtonType = btCancel;
    p.Left = -3;
    p.Width = 50;
    const auto bytes = Stored(WriteImageButtonPayload, p);
    EXPECT_EQ(
        bytes,
        Concat({StringBytes("New ImageButton"), PictureBytes({}), PictureBytes(p.NormalImage),
                PictureBytes(p.MouseOverImage), FontBytes(p.MouseDownFont), FontBytes(p.NormalFont),
                FontBytes(p.MouseOverFont), StringBytes("hint"), U8Bytes(1), Int32Bytes(4),
                U8Bytes(5), Int32Bytes(6), U8Bytes(0), U8Bytes(2), BoundsBytes(p)}));
    const auto back = ReadBack<TImageButtonPayload>(bytes, ReadImageButtonPayload);
    EXPECT_EQ(back.NormalImage, p.NormalImage);
    EXPECT_EQ(back.MouseOverImage, p.MouseOverImage);
    EXPECT_TRUE(back.MouseDownImage.Empty());
    EXPECT_EQ(back.MouseOverFont, p.MouseOverFont);
    EXPECT_EQ(back.ImageLayout, ilStretch);
    EXPECT_FALSE(back.MouseDownSlide);
    EXPECT_EQ(back.ButtonDuty(), btCancel);
    EXPECT_EQ(back.Left, -3);
}

TEST(ImagePayload, InterleavedFieldsAndDisplayedStateReset) {
    TImagePayload p;
    p.AutoSize = true;
    p.Stretch = true;
    p.Height = 77;
    p.Hint = "pic";
    p.Left = 1;
    p.Top = 2;
    p.Width = 3;
    p.HoverLook = true;
    p.DisplayedState = isOver;
    p.ImageNormal = SamplePicture(TPictureKind::Png);
    const auto bytes = Stored(WriteImagePayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(1), U8Bytes(0), Int32Bytes(77), StringBytes("pic"),
                             Int32Bytes(1), U8Bytes(1), Int32Bytes(2), U8Bytes(0), Int32Bytes(3),
                             U8Bytes(0), U8Bytes(1), Int32Bytes(1), PictureBytes({}),
                             PictureBytes(p.ImageNormal), PictureBytes({})}));
    const auto back = ReadBack<TImagePayload>(bytes, ReadImagePayload);
    EXPECT_EQ(back.DisplayedState, isNone);
    EXPECT_TRUE(back.HoverLook);
    EXPECT_TRUE(back.Stretch);
    EXPECT_EQ(back.ImageNormal, p.ImageNormal);
    EXPECT_EQ(back.Height, 77);
}

TEST(ShapePayload, WritesTheBorderMarkerForm) {
    TShapePayload p;
    EXPECT_EQ(p.FillColor, 0xFFFFFF);
    EXPECT_EQ(p.Parameter, 30);
    p.CursorNumber = 5;
    p.Hint = "s";
    p.Align = 2;
    p.FillStyle = 1004;
    p.GradientColor = 0x123456;
    p.Shape = 37;
    p.Left = 11;
    p.Top = 12;
    p.Width = 13;
    p.Height = 14;
    p.BorderWidth = 3;
    p.BorderColor = 0xff;
    const auto bytes = Stored(WriteShapePayload, p);
    EXPECT_EQ(bytes, Concat({Int16Bytes(5), StringBytes("s"), U8Bytes(2), Int32Bytes(0xFFFFFF),
                             Int32Bytes(1004), Int32Bytes(0x123456), Int32Bytes(30), Int32Bytes(37),
                             Int32Bytes(11), Int32Bytes(12), Int32Bytes(13), Int32Bytes(-1),
                             Int32Bytes(3), Int32Bytes(0xff), Int32Bytes(14)}));
    const auto back = ReadBack<TShapePayload>(bytes, ReadShapePayload);
    EXPECT_EQ(back.BorderWidth, 3);
    EXPECT_EQ(back.BorderColor, 0xff);
    EXPECT_EQ(back.Height, 14);
    EXPECT_EQ(back.Shape, 37);
    EXPECT_EQ(back.FillStyle, 1004);
}

TEST(ShapePayload, OlderFormWithoutBordersReadsHeightDirectly) {
    const auto older = Concat({Int16Bytes(0), StringBytes(""), U8Bytes(0), Int32Bytes(0xFF),
                               Int32Bytes(0), Int32Bytes(0), Int32Bytes(30), Int32Bytes(2),
                               Int32Bytes(1), Int32Bytes(2), Int32Bytes(40), Int32Bytes(50)});
    TShapePayload p;
    p.BorderWidth = 9;
    p.BorderColor = 9;
    TMemoryStream stream(older);
    ASSERT_TRUE(ReadShapePayload(stream, p));
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(p.Height, 50);
    EXPECT_EQ(p.Width, 40);
    EXPECT_EQ(p.BorderWidth, 0);
    EXPECT_EQ(p.BorderColor, 0);
    EXPECT_EQ(p.Shape, 2);
}

TEST(PayloadDamage, EachPayloadReportsItsOwnCode) {
    ExpectReadFails<TButtonPayload>(ReadButtonPayload, {1}, kReadButtonError);
    auto imageButton = Stored(WriteImageButtonPayload, TImageButtonPayload{});
    imageButton.resize(imageButton.size() - 2);
    ExpectReadFails<TImageButtonPayload>(ReadImageButtonPayload, imageButton,
                                         kReadImageButtonError);
    ExpectReadFails<TImagePayload>(ReadImagePayload, {0, 0, 1}, kReadImageError);
    // Cut after the border marker.
    ExpectReadFails<TShapePayload>(
        ReadShapePayload,
        Concat({Int16Bytes(0), StringBytes(""), U8Bytes(0), Int32Bytes(0), Int32Bytes(0),
                Int32Bytes(0), Int32Bytes(0), Int32Bytes(0), Int32Bytes(0), Int32Bytes(0),
                Int32Bytes(0), Int32Bytes(-1), Int32Bytes(1)}),
        kReadShapeError);
}

} // namespace
} // namespace brelvane::test
