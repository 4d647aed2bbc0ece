#include "objects/records/ShortCutText.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(ShortCutText, StoredValuesOfTheTabledKeys) {
    EXPECT_EQ(TextToShortCut("Ctrl+A"), 0x4041);
    EXPECT_EQ(TextToShortCut("Shift+Ctrl+F1"), 0x6070);
    EXPECT_EQ(TextToShortCut("Alt+BkSp"), 0x8008);
    EXPECT_EQ(TextToShortCut("Shift+Alt+BkSp"), 0xa008);
    EXPECT_EQ(TextToShortCut("Ctrl+Alt+Z"), 0xc05a);
    EXPECT_EQ(TextToShortCut("F12"), 0x7b);
    EXPECT_EQ(TextToShortCut("Ins"), 0x2d);
    EXPECT_EQ(TextToShortCut("Ctrl+Del"), 0x402e);
    EXPECT_EQ(ShortCutToText(0x4041), "Ctrl+A");
    EXPECT_EQ(ShortCutToText(0x6070), "Shift+Ctrl+F1");
    EXPECT_EQ(ShortCutToText(0x8008), "Alt+BkSp");
    EXPECT_EQ(ShortCutToText(0xc041), "Ctrl+Alt+A");
}

TEST(ShortCutText, EveryOfferedTextGoesBothWays) {
    const auto offered = OfferedShortCutTexts();
    ASSERT_EQ(offered.size(), 26u * 2 + 12u * 4 + 8u);
    EXPECT_EQ(offered.front(), "Ctrl+A");
    EXPECT_EQ(offered.back(), "Shift+Alt+BkSp");
    for (const auto& text : offered) {
        const auto value = TextToShortCut(text);
        EXPECT_NE(value, 0) << text;
        EXPECT_EQ(ShortCutToText(value), text);
    }
}

TEST(ShortCutText, ModifiersInAnyOrderAndCase) {
    EXPECT_EQ(TextToShortCut("ctrl+shift+f1"), 0x6070);
    EXPECT_EQ(TextToShortCut("alt+ctrl+a"), 0xc041);
    EXPECT_EQ(TextToShortCut("bksp"), 0x08);
}

TEST(ShortCutText, OtherTextIsNoShortCut) {
    for (const char* text : {"", "Ctrl+", "Ctrl", "Ctrl+AB", "Hyper+A", "F13", "Ctrl A", "+A"})
        EXPECT_EQ(TextToShortCut(text), 0) << text;
    EXPECT_EQ(ShortCutToText(0), "");
    // A key without a name shows nothing, whatever its modifiers.
    EXPECT_EQ(ShortCutToText(0x40ff), "");
    EXPECT_EQ(ShortCutToText(0x2000), "");
}

} // namespace
} // namespace brelvane
