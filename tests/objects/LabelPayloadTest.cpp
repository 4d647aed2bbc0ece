#include "objects/records/LabelPayload.h"

#include "objects/ObjectTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TAAEffect SampleEffect() {
    TAAEffect effect;
    effect.Angle = -45;
    effect.Shadow.Enabled = true;
    effect.Shadow.OffsetX = -2;
    effect.Gradual.Enabled = true;
    return effect;
}

TLabelPayload SampleLabel() {
    TLabelPayload p;
    p.Align = 3;
    p.AutoSize = false;
    p.Border = 4;
    p.Effect.Alignment = taCenter;
    p.Effect.BackColor = 0x123456;
    p.Effect.BackGround = SamplePicture(TPictureKind::Png);
    p.Effect.BackGroundMode = bmStretched;
    p.Effect.Layout = tlBottom;
    p.Effect.Quality = 3;
    p.Effect.Transparent = false;
    p.Effect.FontEffect = SampleEffect();
    p.CursorNumber = -21;
    p.Caption = "Welcome";
    p.Hint = "hint";
    p.Font = {.Name = "Verdana", .Color = 0xff, .Size = 20, .Style = fsItalic};
    p.Left = 1;
    p.Top = 2;
    p.Width = 300;
    p.Height = 40;
    return p;
}

TEST(LabelPayload, NewLabelsAndLinksHaveTheirDefaults) {
    const TLabelPayload label;
    EXPECT_EQ(label.Caption, ObjectKindInfo(okLabel).DefaultCaption);
    EXPECT_TRUE(label.AutoSize);
    EXPECT_EQ(label.Font.Name, "Arial");
    EXPECT_EQ(label.Font.Size, 16);
    EXPECT_TRUE(label.Effect.Transparent);
    EXPECT_TRUE(label.Effect.FontEffect.Shadow.Enabled);
    EXPECT_TRUE(label.Effect.FontEffect.Texture.Enabled);
    EXPECT_EQ(label.Effect.BackGroundMode, bmCenter);
    EXPECT_EQ(label.Effect.Quality, kQualityNormal);

    const TLinkPayload link;
    EXPECT_EQ(link.Caption, ObjectKindInfo(okLink).DefaultCaption);
    EXPECT_TRUE(link.AutoSize);
    EXPECT_EQ(link.HotLink.Color, RGB(0, 0, 255));
    EXPECT_EQ(link.HotLink.BackColor, static_cast<std::int32_t>(0x8000000F));
    EXPECT_TRUE(link.HotLink.Fade);
    EXPECT_EQ(link.HotLink.FadeDelay, 600);
    EXPECT_TRUE(link.HotLink.Transparent);
    EXPECT_TRUE(link.Effect.Transparent);
    EXPECT_TRUE(link.HotLink.FontEffect.Shadow.Enabled);
    EXPECT_TRUE(link.HotLink.FontEffect.Texture.Enabled);
    EXPECT_FALSE(link.HotLink.UnderLine);
    EXPECT_TRUE(link.HotLink.Address.empty());
}

// Stored fields 1 to 3 and 4 to 5, which a link shares with a label.
Bytes HeadBytes(const TLabelFields& p) {
    const auto& look = p.Effect;
    return Concat({U8Bytes(p.Align), U8Bytes(p.AutoSize), Int32Bytes(p.Border),
                   U8Bytes(look.Alignment), Int32Bytes(look.BackColor),
                   PictureBytes(look.BackGround), U8Bytes(look.BackGroundMode),
                   U8Bytes(look.Layout), U8Bytes(look.Quality), U8Bytes(look.Transparent),
                   EffectBytes(look.FontEffect)});
}

Bytes TailBytes(const TLabelFields& fields, const TPayload& p) {
    return Concat({Int16Bytes(fields.CursorNumber), StringBytes(fields.Caption),
                   StringBytes(p.Hint), FontBytes(fields.Font), BoundsBytes(p)});
}

TEST(LabelPayload, StoredLayout) {
    const auto p = SampleLabel();
    const auto bytes = Stored(WriteLabelPayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(3), U8Bytes(0), Int32Bytes(4), U8Bytes(taCenter),
                             Int32Bytes(0x123456), PictureBytes(p.Effect.BackGround),
                             U8Bytes(bmStretched), U8Bytes(tlBottom), U8Bytes(3), U8Bytes(0),
                             EffectBytes(SampleEffect()), Int16Bytes(-21), StringBytes("Welcome"),
                             StringBytes("hint"), FontBytes(p.Font), BoundsBytes(p)}));
    EXPECT_EQ(bytes, Concat({HeadBytes(p), TailBytes(p, p)}));
    const auto back = ReadBack<TLabelPayload>(bytes, ReadLabelPayload);
    EXPECT_EQ(back.Align, 3);
    EXPECT_FALSE(back.AutoSize);
    EXPECT_EQ(back.Effect.BackGround, p.Effect.BackGround);
    EXPECT_EQ(back.Effect.Layout, tlBottom);
    EXPECT_FALSE(back.Effect.Transparent);
    EXPECT_EQ(back.Effect.FontEffect, SampleEffect());
    EXPECT_EQ(back.CursorNumber, -21);
    EXPECT_EQ(back.Caption, "Welcome");
    EXPECT_EQ(back.Font, p.Font);
    EXPECT_EQ(back.Width, 300);
    EXPECT_EQ(Stored(WriteLabelPayload, back), bytes);
}

TEST(LinkPayload, HotLookSitsBetweenTheLabelFields) {
    TLinkPayload p;
    static_cast<TLabelFields&>(p) = SampleLabel();
    p.Hint = "hint";
    p.Width = 90;
    p.HotLink.BackColor = 0x0000ff;
    p.HotLink.BackGround = SamplePicture(TPictureKind::Bitmap);
    p.HotLink.BackGroundMode = bmNormal;
    p.HotLink.Color = 0x00ff00;
    p.HotLink.Fade = false;
    p.HotLink.FadeDelay = 250;
    p.HotLink.Transparent = false;
    p.HotLink.UnderLine = true;
    p.HotLink.Address = "http://example.org";
    p.HotLink.FontEffect = SampleEffect();
    const auto bytes = Stored(WriteLinkPayload, p);
    EXPECT_EQ(bytes, Concat({HeadBytes(p), Int32Bytes(0x0000ff), PictureBytes(p.HotLink.BackGround),
                             U8Bytes(bmNormal), Int32Bytes(0x00ff00), U8Bytes(0), Int32Bytes(250),
                             U8Bytes(0), U8Bytes(1), StringBytes("http://example.org"),
                             EffectBytes(SampleEffect()), TailBytes(p, p)}));

    const auto back = ReadBack<TLinkPayload>(bytes, ReadLinkPayload);
    EXPECT_EQ(back.HotLink.BackGround, p.HotLink.BackGround);
    EXPECT_EQ(back.HotLink.BackGroundMode, bmNormal);
    EXPECT_EQ(back.HotLink.Color, 0x00ff00);
    EXPECT_FALSE(back.HotLink.Fade);
    EXPECT_EQ(back.HotLink.FadeDelay, 250);
    EXPECT_FALSE(back.HotLink.Transparent);
    EXPECT_TRUE(back.HotLink.UnderLine);
    EXPECT_EQ(back.HotLink.Address, "http://example.org");
    EXPECT_EQ(back.HotLink.FontEffect, SampleEffect());
    EXPECT_EQ(back.Effect.FontEffect, SampleEffect());
    EXPECT_EQ(back.Caption, "Welcome");
    EXPECT_EQ(back.Width, 90);
    EXPECT_EQ(Stored(WriteLinkPayload, back), bytes);
}

TEST(LabelPayload, TruncationIsReportedOnceByTheBlockThatEnded) {
    const auto p = SampleLabel();
    const auto label = Stored(WriteLabelPayload, p);
    // In the border, inside the effect, in the last bound.
    ExpectReadFails<TLabelPayload>(ReadLabelPayload, Bytes(label.begin(), label.begin() + 4),
                                   kReadLabelError);
    const auto inEffect = HeadBytes(p).size() - EffectBytes(p.Effect.FontEffect).size() + 3;
    ExpectReadFails<TLabelPayload>(ReadLabelPayload, Bytes(label.begin(), label.begin() + inEffect),
                                   kReadEffectError);
    ExpectReadFails<TLabelPayload>(ReadLabelPayload, Bytes(label.begin(), label.end() - 1),
                                   kReadLabelError);

    const auto link = Stored(WriteLinkPayload, TLinkPayload{});
    ExpectReadFails<TLinkPayload>(ReadLinkPayload, Bytes(link.begin(), link.end() - 3),
                                  kReadLinkError);
    ExpectReadFails<TLinkPayload>(ReadLinkPayload, Bytes(link.begin(), link.begin() + 2),
                                  kReadLinkError);
}

} // namespace
} // namespace brelvane::test
