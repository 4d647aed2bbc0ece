#include "objects/records/SimpleTextPayload.h"

#include "objects/ObjectTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TSimpleTextPayload SampleSimpleText() {
    TSimpleTextPayload p;
    p.CursorNumber = 4;
    p.Hint = "tip";
    p.Caption = "Install now";
    p.Align = 1;
    p.Alignment = taCenter;
    p.AutoSize = true;
    p.Layout = tlCenter;
    p.Transparent = false;
    p.BackColor = 0x111111;
    p.HotBackColor = 0x222222;
    p.Font = {.Name = "Arial", .Color = 0x10, .Size = 9, .Style = 0};
    p.HotFont = {.Name = "Arial", .Color = 0x20, .Size = 9, .Style = fsUnderline};
    p.MouseDownBackColor = 0x333333;
    p.MouseDownFont = {.Name = "Arial", .Color = 0x30, .Size = 9, .Style = fsBold};
    p.Left = 8;
    p.Top = 9;
    p.Width = 105;
    p.Height = 17;
    return p;
}

// Everything up to and including the width.
Bytes FrontBytes(const TSimpleTextPayload& p) {
    return Concat({Int16Bytes(p.CursorNumber), StringBytes(p.Hint), StringBytes(p.Caption),
                   U8Bytes(p.Align), U8Bytes(p.Alignment), U8Bytes(p.AutoSize), U8Bytes(p.Layout),
                   U8Bytes(p.Transparent), Int32Bytes(p.BackColor), Int32Bytes(p.HotBackColor),
                   FontBytes(p.Font), FontBytes(p.HotFont), Int32Bytes(p.Left), Int32Bytes(p.Top),
                   Int32Bytes(p.Width)});
}

TEST(SimpleTextPayload, NewSimpleTextDefaults) {
    const TSimpleTextPayload p;
    EXPECT_EQ(p.Caption, ObjectKindInfo(okSimpleText).DefaultCaption);
    EXPECT_TRUE(p.Transparent);
    EXPECT_FALSE(p.AutoSize);
    EXPECT_EQ(p.Font, TFont{});
    EXPECT_EQ(p.HotFont.Color, clWhite);
    EXPECT_EQ(p.HotFont.Name, TFont{}.Name);
    EXPECT_EQ(p.HotBackColor, RGB(0, 0, 255));
    EXPECT_EQ(p.MouseDownFont, TFont{});
    EXPECT_EQ(p.BackColor, clBtnFace);
    EXPECT_EQ(p.MouseDownBackColor, clBtnFace);
}

TEST(SimpleTextPayload, WritesThePressedLookBehindItsMarker) {
    const auto p = SampleSimpleText();
    const auto bytes = Stored(WriteSimpleTextPayload, p);
    const auto front = FrontBytes(p);
    EXPECT_EQ(bytes, Concat({front, Int32Bytes(-1), Int32Bytes(0x333333),
                             FontBytes(p.MouseDownFont), Int32Bytes(17)}));
    EXPECT_EQ(Bytes(bytes.begin() + front.size(), bytes.begin() + front.size() + 4),
              (Bytes{0xff, 0xff, 0xff, 0xff}));

    const auto back = ReadBack<TSimpleTextPayload>(bytes, ReadSimpleTextPayload);
    EXPECT_EQ(back.CursorNumber, 4);
    EXPECT_EQ(back.Hint, "tip");
    EXPECT_EQ(back.Caption, "Install now");
    EXPECT_EQ(back.Alignment, taCenter);
    EXPECT_EQ(back.Layout, tlCenter);
    EXPECT_TRUE(back.AutoSize);
    EXPECT_FALSE(back.Transparent);
    EXPECT_EQ(back.Font, p.Font);
    EXPECT_EQ(back.HotFont, p.HotFont);
    EXPECT_EQ(back.MouseDownFont, p.MouseDownFont);
    EXPECT_EQ(back.MouseDownBackColor, 0x333333);
    EXPECT_EQ(back.Height, 17);
    EXPECT_EQ(Stored(WriteSimpleTextPayload, back), bytes);
}

TEST(SimpleTextPayload, OldStreamWithoutMarkerTakesTheHotLookAsPressed) {
    const auto p = SampleSimpleText();
    const auto back = ReadBack<TSimpleTextPayload>(Concat({FrontBytes(p), Int32Bytes(23)}),
                                                   ReadSimpleTextPayload);
    EXPECT_EQ(back.Height, 23);
    EXPECT_EQ(back.MouseDownBackColor, p.HotBackColor);
    EXPECT_EQ(back.MouseDownFont, p.HotFont);
    EXPECT_EQ(back.Width, 105);
    // Saved again, it gets the marker and its pressed look.
    EXPECT_EQ(Stored(WriteSimpleTextPayload, back),
              Concat({FrontBytes(p), Int32Bytes(-1), Int32Bytes(p.HotBackColor),
                      FontBytes(p.HotFont), Int32Bytes(23)}));
}

TEST(SimpleTextPayload, TruncationIsReportedOnce) {
    const auto p = SampleSimpleText();
    const auto front = FrontBytes(p);
    // Before the height of an old stream, right after the marker, in the last height.
    ExpectReadFails<TSimpleTextPayload>(ReadSimpleTextPayload, front, kReadSimpleTextError);
    ExpectReadFails<TSimpleTextPayload>(ReadSimpleTextPayload, Concat({front, Int32Bytes(-1)}),
                                        kReadSimpleTextError);
    auto bytes = Stored(WriteSimpleTextPayload, p);
    bytes.pop_back();
    ExpectReadFails<TSimpleTextPayload>(ReadSimpleTextPayload, bytes, kReadSimpleTextError);
    ExpectReadFails<TSimpleTextPayload>(ReadSimpleTextPayload, {4}, kReadSimpleTextError);
    // Inside the pressed font: the font block reports.
    ExpectReadFails<TSimpleTextPayload>(
        ReadSimpleTextPayload, Concat({front, Int32Bytes(-1), Int32Bytes(0), StringBytes("Ar")}),
        kReadFontError);
}

} // namespace
} // namespace brelvane::test
