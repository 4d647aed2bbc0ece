#include "objects/records/TextPayload.h"

#include "objects/ObjectTestSupport.h"
#include "storage/StringBlock.h"

#include <gtest/gtest.h>
#include <limits>

namespace brelvane::test {
namespace {

TFontLabels SampleLabels() {
    TFontLabels labels;
    labels.Add({.Name = "Title", .Font = {.Name = "Arial", .Size = 30}, .Effect = {}});
    return labels;
}

TEST(TextPayloads, NewObjectsHaveTheirDefaults) {
    const TTextPayload text;
    EXPECT_EQ(text.Text.Lines, std::string(ObjectKindInfo(okText).DefaultCaption) + "\r\n");
    EXPECT_FALSE(text.AutoSize);
    EXPECT_TRUE(text.Text.Transparent);
    EXPECT_TRUE(text.Text.FontEffect.Shadow.Enabled);
    EXPECT_TRUE(text.Text.FontEffect.Texture.Enabled);
    EXPECT_EQ(text.Text.RowPitch, 20);
    EXPECT_EQ(text.Text.LabelEffect, kLabelEffectUntilNextLabel);
    EXPECT_EQ(text.Text.Alignment, taLeftJustify);
    EXPECT_EQ(text.Font.Name, "Arial");
    EXPECT_EQ(text.Font.Size, 16);

    const TScrollTextPayload scroll;
    EXPECT_EQ(scroll.Text.Lines, std::string(ObjectKindInfo(okScrollText).DefaultCaption) + "\r\n");
    EXPECT_TRUE(scroll.Active);
    EXPECT_EQ(scroll.ScrollDelay, 60);
    EXPECT_EQ(scroll.ScrollStep, 1);
    EXPECT_EQ(scroll.RepeatCount, 0);
    EXPECT_EQ(scroll.RepeatDelay, 2000);
    EXPECT_TRUE(scroll.Text.Fade);
    EXPECT_EQ(scroll.Text.FadeHeight, 10);
    EXPECT_EQ(scroll.Text.HeadSpace, 0);
    EXPECT_EQ(scroll.Text.TailSpace, 60);
    EXPECT_EQ(scroll.Text.Alignment, taCenter);
    EXPECT_EQ(scroll.Text.BackGroundMode, bmTiled);
    EXPECT_EQ(scroll.Text.BackColor, clWhite);
    EXPECT_EQ(scroll.Text.Font.Name, "Arial");
    EXPECT_TRUE(scroll.Text.FontEffect.Shadow.Enabled);
    EXPECT_TRUE(scroll.Fonts.Items().empty());

    const TFadeLabelPayload fade;
    EXPECT_TRUE(fade.Text.Lines.empty());
    EXPECT_TRUE(fade.Active);
    EXPECT_FALSE(fade.AutoSize);
    EXPECT_EQ(fade.Text.FadeDelay, 600);
    EXPECT_EQ(fade.Text.LineDelay, 3000);
    EXPECT_EQ(fade.Text.Alignment, taCenter);
    EXPECT_EQ(fade.Text.Layout, tlCenter);
    EXPECT_FALSE(fade.Text.FontEffect.Shadow.Enabled);
}

TEST(TextPayload, StoredLayout) {
    TTextPayload p;
    p.Align = 5;
    p.Border = 7;
    p.Text.Alignment = taRightJustify;
    p.Text.BackColor = 0x445566;
    p.Text.BackGroundMode = bmNormal;
    p.Text.LabelEffect = kLabelEffectOnlyALine;
    p.Text.Lines = "One\r\n<Title>Two\r\n";
    p.Text.Quality = 0;
    p.Text.RowPitch = -30;
    p.Text.Transparent = false;
    p.Text.WordWrap = true;
    p.Fonts = SampleLabels();
    p.CursorNumber = 3;
    p.Hint = "h";
    p.Width = 209;
    p.Height = 209;
    const auto bytes = Stored(WriteTextPayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(5), U8Bytes(0), Int32Bytes(7), U8Bytes(taRightJustify),
                             Int32Bytes(0x445566), PictureBytes({}), U8Bytes(bmNormal),
                             EffectBytes(p.Text.FontEffect), U8Bytes(0),
                             StringBytes("One\r\n<Title>Two\r\n"), U8Bytes(0), Int16Bytes(-30),
                             U8Bytes(0), U8Bytes(1), FontLabelsBytes(p.Fonts), Int16Bytes(3),
                             StringBytes("h"), FontBytes(p.Font), BoundsBytes(p)}));
    const auto back = ReadBack<TTextPayload>(bytes, ReadTextPayload);
    EXPECT_EQ(back.Text.Lines, p.Text.Lines);
    EXPECT_EQ(back.Text.RowPitch, -30);
    EXPECT_TRUE(back.Text.WordWrap);
    EXPECT_FALSE(back.Text.Transparent);
    EXPECT_EQ(back.Fonts, p.Fonts);
    EXPECT_EQ(back.Text.LabelEffect, kLabelEffectOnlyALine);
    EXPECT_EQ(Stored(WriteTextPayload, back), bytes);
}

TScrollTextPayload SampleScroll() {
    TScrollTextPayload p;
    p.Active = false;
    p.Align = 1;
    p.Text.Fade = false;
    p.Text.FadeHeight = 40;
    p.Text.HeadSpace = 25;
    p.Text.TailSpace = 150;
    p.Text.WordWrap = true;
    p.Text.RowPitch = 50;
    p.Fonts = SampleLabels();
    p.RepeatCount = 2;
    p.RepeatDelay = 500;
    p.ScrollDelay = 30;
    p.ScrollStep = -2;
    p.CursorNumber = -2;
    p.Hint = "scroll";
    p.Width = 280;
    p.Height = 240;
    return p;
}

// Where the four-byte word-wrap field starts in SampleScroll's bytes.
std::size_t WordWrapOffset(const TScrollTextPayload& p) {
    return Concat({U8Bytes(0), U8Bytes(0), U8Bytes(0), Int32Bytes(0), PictureBytes({}), U8Bytes(0),
                   U8Bytes(0), Int32Bytes(0), FontBytes(p.Text.Font),
                   EffectBytes(p.Text.FontEffect), Int32Bytes(0), U8Bytes(0),
                   StringBytes(p.Text.Lines), U8Bytes(0), Int16Bytes(0), Int32Bytes(0)})
        .size();
}

TEST(ScrollTextPayload, StoredLayoutWithTheFourByteWordWrap) {
    const auto p = SampleScroll();
    const auto bytes = Stored(WriteScrollTextPayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(0),
                             U8Bytes(1),
                             U8Bytes(taCenter),
                             Int32Bytes(clWhite),
                             PictureBytes({}),
                             U8Bytes(bmTiled),
                             U8Bytes(0),
                             Int32Bytes(40),
                             FontBytes(p.Text.Font),
                             EffectBytes(p.Text.FontEffect),
                             Int32Bytes(25),
                             U8Bytes(kLabelEffectUntilNextLabel),
                             StringBytes("New Scroll Text\r\n"),
                             U8Bytes(kQualityNormal),
                             Int16Bytes(50),
                             Int32Bytes(150),
                             Bytes{1, 150, 0, 0},
                             FontLabelsBytes(p.Fonts),
                             Int32Bytes(2),
                             Int32Bytes(500),
                             Int32Bytes(30),
                             Int32Bytes(-2),
                             Int16Bytes(-2),
                             StringBytes("scroll"),
                             BoundsBytes(p)}));
    const auto at = WordWrapOffset(p);
    EXPECT_EQ(Bytes(bytes.begin() + at, bytes.begin() + at + 4), (Bytes{1, 150, 0, 0}));

    // The bytes after the flag repeat TailSpace's low bytes, whatever it is.
    auto wide = p;
    wide.Text.TailSpace = 60;
    wide.Text.WordWrap = false;
    const auto wideBytes = Stored(WriteScrollTextPayload, wide);
    EXPECT_EQ(Bytes(wideBytes.begin() + at, wideBytes.begin() + at + 4), (Bytes{0, 60, 0, 0}));

    const auto back = ReadBack<TScrollTextPayload>(bytes, ReadScrollTextPayload);
    EXPECT_TRUE(back.Text.WordWrap);
    EXPECT_EQ(back.Text.TailSpace, 150);
    EXPECT_EQ(back.Text.HeadSpace, 25);
    EXPECT_EQ(back.Text.FadeHeight, 40);
    EXPECT_FALSE(back.Text.Fade);
    EXPECT_EQ(back.Fonts, p.Fonts);
    EXPECT_EQ(back.ScrollStep, -2);
    EXPECT_EQ(back.RepeatDelay, 500);
    EXPECT_EQ(back.Hint, "scroll");
    // The stored Active byte is kept, so the page writes back unchanged.
    EXPECT_FALSE(back.Active);
    EXPECT_EQ(Stored(WriteScrollTextPayload, back), bytes);
}

TEST(ScrollTextPayload, ReaderTakesOnlyTheFlagByteAndHoldsSpacesToTheirLimits) {
    const auto p = SampleScroll();
    auto bytes = Stored(WriteScrollTextPayload, p);
    const auto at = WordWrapOffset(p);
    bytes[at + 1] = 0xAA;
    bytes[at + 2] = 0xBB;
    bytes[at + 3] = 0xCC;
    auto back = ReadBack<TScrollTextPayload>(bytes, ReadScrollTextPayload);
    EXPECT_TRUE(back.Text.WordWrap);
    EXPECT_EQ(back.Text.TailSpace, 150);
    EXPECT_EQ(back.RepeatCount, 2);

    auto spaces = p;
    spaces.Text.HeadSpace = -5;
    spaces.Text.TailSpace = 1000000;
    back =
        ReadBack<TScrollTextPayload>(Stored(WriteScrollTextPayload, spaces), ReadScrollTextPayload);
    EXPECT_EQ(back.Text.HeadSpace, 0);
    EXPECT_EQ(back.Text.TailSpace, 150);
}

TFadeLabelPayload WithDelays(std::int32_t fadeDelay, std::int32_t lineDelay) {
    TFadeLabelPayload p;
    p.Text.FadeDelay = fadeDelay;
    p.Text.LineDelay = lineDelay;
    return p;
}

TEST(FadeLabelPayload, StoredLayout) {
    auto p = WithDelays(700, 2000);
    p.Active = false;
    p.Align = 2;
    p.AutoSize = true;
    p.Border = 3;
    p.Text.Lines = "a\r\nb\r\n";
    p.Text.Transparent = true;
    p.Text.Layout = tlBottom;
    p.Fonts = SampleLabels();
    p.RepeatCount = 4;
    p.CursorNumber = 9;
    p.Hint = "f";
    p.Font.Style = fsBold;
    p.Width = 240;
    p.Height = 34;
    const auto bytes = Stored(WriteFadeLabelPayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(0),
                             U8Bytes(2),
                             U8Bytes(1),
                             Int32Bytes(3),
                             U8Bytes(taCenter),
                             Int32Bytes(clWhite),
                             PictureBytes({}),
                             U8Bytes(bmCenter),
                             EffectBytes(p.Text.FontEffect),
                             U8Bytes(kLabelEffectUntilNextLabel),
                             StringBytes("a\r\nb\r\n"),
                             U8Bytes(kQualityNormal),
                             U8Bytes(1),
                             FontLabelsBytes(p.Fonts),
                             Int32Bytes(4),
                             Int32Bytes(700),
                             U8Bytes(tlBottom),
                             Int32Bytes(2000),
                             Int16Bytes(9),
                             StringBytes("f"),
                             FontBytes(p.Font),
                             BoundsBytes(p)}));
    const auto back = ReadBack<TFadeLabelPayload>(bytes, ReadFadeLabelPayload);
    EXPECT_FALSE(back.Active);
    EXPECT_EQ(back.Text.FadeDelay, 700);
    EXPECT_EQ(back.Text.LineDelay, 2000);
    EXPECT_EQ(back.Text.Layout, tlBottom);
    EXPECT_EQ(back.RepeatCount, 4);
    EXPECT_EQ(back.Font, p.Font);
    EXPECT_EQ(Stored(WriteFadeLabelPayload, back), bytes);
}

TEST(FadeLabelPayload, DelaysLoadThroughTheirLimitsInStoredOrder) {
    const auto Loaded = [](std::int32_t fadeDelay, std::int32_t lineDelay) {
        const auto back = ReadBack<TFadeLabelPayload>(
            Stored(WriteFadeLabelPayload, WithDelays(fadeDelay, lineDelay)), ReadFadeLabelPayload);
        return std::pair{back.Text.FadeDelay, back.Text.LineDelay};
    };
    // The fade delay is set first and pushes the shorter line delay out.
    EXPECT_EQ(Loaded(900, 1000), std::pair(900, 1100));
    EXPECT_EQ(Loaded(10, 3000), std::pair(50, 3000));
    // A pair that keeps the limits loads as it is, also beyond the default line delay.
    EXPECT_EQ(Loaded(4000, 5000), std::pair(4000, 5000));
    EXPECT_EQ(Loaded(2800, 3000), std::pair(2800, 3000));
    constexpr auto kMax = std::numeric_limits<std::int32_t>::max();
    constexpr auto kMin = std::numeric_limits<std::int32_t>::min();
    EXPECT_EQ(Loaded(kMax, kMax), std::pair(kMax - 200, kMax));
    EXPECT_EQ(Loaded(kMin, kMin), std::pair(50, 250));
    EXPECT_EQ(Loaded(kMax, kMin), std::pair(2800, 3000));
}

TEST(FadeLabelPayload, SettersKeepTheDelaysApart) {
    TFadeTextParam param;
    SetFadeDelay(param, 5000);
    EXPECT_EQ(param.FadeDelay, 2800);
    SetLineDelay(param, 100);
    EXPECT_EQ(param.LineDelay, 3000);
    SetFadeDelay(param, 0);
    EXPECT_EQ(param.FadeDelay, 50);
    SetLineDelay(param, 100);
    EXPECT_EQ(param.LineDelay, 250);
    EXPECT_EQ(ClampSpace(151), 150);
    EXPECT_EQ(ClampSpace(-1), 0);
    EXPECT_EQ(ClampSpace(75), 75);
}

TEST(TextPayloads, TruncationIsReportedOnceWithTheReadersCode) {
    const auto Cut = [](Bytes bytes, std::size_t dropped) {
        bytes.resize(bytes.size() - dropped);
        return bytes;
    };
    const auto text = Stored(WriteTextPayload, TTextPayload{});
    ExpectReadFails<TTextPayload>(ReadTextPayload, Cut(text, 2), kReadTextError);
    ExpectReadFails<TTextPayload>(ReadTextPayload, Bytes(text.begin(), text.begin() + 5),
                                  kReadTextError);
    const auto scroll = Stored(WriteScrollTextPayload, SampleScroll());
    ExpectReadFails<TScrollTextPayload>(ReadScrollTextPayload, Cut(scroll, 1),
                                        kReadScrollTextError);
    const auto at = WordWrapOffset(SampleScroll());
    ExpectReadFails<TScrollTextPayload>(ReadScrollTextPayload,
                                        Bytes(scroll.begin(), scroll.begin() + at + 2),
                                        kReadScrollTextError);
    const auto fade = Stored(WriteFadeLabelPayload, TFadeLabelPayload{});
    ExpectReadFails<TFadeLabelPayload>(ReadFadeLabelPayload, Cut(fade, 3), kReadFadeLabelError);
    ExpectReadFails<TFadeLabelPayload>(ReadFadeLabelPayload, {1, 0, 0, 7}, kReadFadeLabelError);
    // A cut inside a nested block is that block's to report: here the
    // background's class string.
    ExpectReadFails<TFadeLabelPayload>(ReadFadeLabelPayload, Bytes(fade.begin(), fade.begin() + 14),
                                       kReadStringError);
}

} // namespace
} // namespace brelvane::test
