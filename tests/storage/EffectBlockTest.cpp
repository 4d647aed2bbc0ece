#include "storage/EffectBlock.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

TAAEffect DistinctEffect() {
    TAAEffect effect;
    effect.Alpha = 200;
    effect.Angle = -45;
    effect.Blur = 3;
    effect.HorzMirror = true;
    effect.Noise = 4;
    effect.Outline = false;
    effect.Spray = 5;
    effect.VertMirror = true;
    effect.Gradual.Enabled = true;
    effect.Gradual.EndColor = 0x0000ff;
    effect.Gradual.StartColor = 0x00ff00;
    effect.Gradual.Style = gsCenterToTB;
    effect.Shadow.Alpha = 6;
    effect.Shadow.Blur = 7;
    effect.Shadow.Color = 0x112233;
    effect.Shadow.Enabled = true;
    effect.Shadow.OffsetX = -2;
    effect.Shadow.OffsetY = 8;
    effect.Texture.Enabled = true;
    effect.Texture.Mode = tmCenter;
    return effect;
}

Bytes DistinctEffectBytes() {
    return test::Concat({
        {200, 0, 0, 0},           // Alpha
        {0xd3, 0xff, 0xff, 0xff}, // Angle -45
        {3, 0, 0, 0},             // Blur
        {1},                      // HorzMirror
        {4, 0, 0, 0},             // Noise
        {0},                      // Outline
        {5, 0, 0, 0},             // Spray
        {1},                      // VertMirror
        {1},                      // Gradual.Enabled
        {0xff, 0, 0, 0},          // Gradual.EndColor
        {0, 0xff, 0, 0},          // Gradual.StartColor
        {gsCenterToTB},           // Gradual.Style
        {6, 0, 0, 0},             // Shadow.Alpha
        {7, 0, 0, 0},             // Shadow.Blur
        {0x33, 0x22, 0x11, 0},    // Shadow.Color
        {1},                      // Shadow.Enabled
        {0xfe, 0xff, 0xff, 0xff}, // Shadow.OffsetX -2
        {8, 0, 0, 0},             // Shadow.OffsetY
        {1},                      // Texture.Enabled
        {tmCenter},               // Texture.Mode
        {0, 0, 0, 0},             // Texture.Picture, empty
    });
}

TEST(EffectBlock, StoresTheTwentyOneFieldsInOrder) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteEffect(stream, DistinctEffect()));
    EXPECT_EQ(stream.Bytes(), DistinctEffectBytes());
}

TEST(EffectBlock, NegativeAngleAndOffsetReadBack) {
    TMemoryStream stream(DistinctEffectBytes());
    TAAEffect effect;
    ASSERT_TRUE(ReadEffect(stream, effect));
    EXPECT_EQ(effect.Angle, -45);
    EXPECT_EQ(effect.Shadow.OffsetX, -2);
    EXPECT_EQ(effect, DistinctEffect());
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(EffectBlock, TexturePictureRoundTrips) {
    TAAEffect effect = DistinctEffect();
    effect.Texture.Picture = test::SamplePicture(TPictureKind::Jpeg);
    TMemoryStream stream;
    ASSERT_TRUE(WriteEffect(stream, effect));
    stream.Seek(0);
    TAAEffect back;
    ASSERT_TRUE(ReadEffect(stream, back));
    EXPECT_EQ(back, effect);
}

TEST(EffectBlock, CutInsideTheFieldsFailsWith1058) {
    Bytes bytes = DistinctEffectBytes();
    bytes.resize(30);
    test::ExpectReadFails<TAAEffect>(ReadEffect, bytes, 1058);
}

TEST(EffectBlock, BadTextureReportsOnlyThePictureError) {
    Bytes bytes = DistinctEffectBytes();
    bytes.resize(bytes.size() - 4);
    const Bytes unknown = test::Concat({test::StringBytes("TSvg"), test::Int32Bytes(0)});
    bytes.insert(bytes.end(), unknown.begin(), unknown.end());
    test::ExpectReadFails<TAAEffect>(ReadEffect, bytes, 1056);
}

} // namespace
} // namespace brelvane
