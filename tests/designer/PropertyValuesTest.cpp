#include "designer/PropertyValues.h"

#include "dialogs/ColorNames.h"
#include "designer/PageBorderStyle.h"
#include "project/PageRecord.h"
#include "render/SystemColors.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

TEST(PercentRows, ShowAndStoreRoundToTheNearestWithTiesToEven) {
    EXPECT_EQ(PercentStored(50), 128); // 127.5
    EXPECT_EQ(PercentShown(128), 50);  // 50.2
    EXPECT_EQ(PercentStored(0), 0);
    EXPECT_EQ(PercentStored(100), 255);
    EXPECT_EQ(PercentShown(255), 100);
    EXPECT_EQ(PercentStored(10), 26); // 25.5 goes to the even 26
    EXPECT_EQ(PercentStored(30), 76); // 76.5 goes to the even 76
    // Every percentage survives being stored and shown again.
    for (int percent = 0; percent <= 100; ++percent)
        EXPECT_EQ(PercentShown(PercentStored(percent)), percent) << percent;
}

TEST(WholeNumbers, AreAnOptionalSignAndDigitsWithin32Bits) {
    EXPECT_EQ(ParseWholeNumber("150"), 150);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    EXPECT_EQ(ParseWholeNumber("-360"), -360);
    EXPECT_EQ(ParseWholeNumber("007"), 7);
    EXPECT_EQ(ParseWholeNumber("2147483647"), 2147483647);
    EXPECT_EQ(ParseWholeNumber("-2147483648"), -2147483648LL);
    for (const char* refused : {"12a", "", "-", "+", " 5", "5 ", "1.5", "0x10", "2147483648",
                                "-2147483649", "99999999999999999999", "1e3", "--1"})
        EXPECT_EQ(ParseWholeNumber(refused), std::nullopt) << refused;
}

TEST(StorableText, IsWhatTheWesternCodePageHolds) {
    EXPECT_TRUE(IsStorableText("Caf\u00e9 \u20ac 100"));
    EXPECT_TRUE(IsStorableText(""));
    EXPECT_FALSE(IsStorableText("\u03a9"));
    EXPECT_FALSE(IsStorableText("a\u4e2db"));
}

TEST(ColorNames, NameStandardExtendedAndSystemColoursAndCallTheRestCustom) {
    EXPECT_EQ(ColorName(RGB(255, 0, 0)), "Red");
    EXPECT_EQ(ColorName(RGB(192, 220, 192)), "Money Green");
    EXPECT_EQ(ColorName(RGB(166, 202, 240)), "Sky Blue");
    EXPECT_EQ(ColorName(SystemColorValue(COLOR_BTNFACE)), "Btn Face");
    EXPECT_EQ(ColorName(SystemColorValue(COLOR_3DDKSHADOW)), "3 D Dk Shadow");
    EXPECT_EQ(ColorName(RGB(1, 2, 3)), "Custom");
    // One name per value: the list holds no colour twice.
    const auto list = ColorList();
    for (std::size_t i = 0; i < list.size(); ++i)
        for (std::size_t j = i + 1; j < list.size(); ++j)
            EXPECT_NE(list[i].Value, list[j].Value) << list[i].Ident << " " << list[j].Ident;
}

TEST(BorderStyleRow, ChoosingSetsStyleAndIconsAndTheShownValueIsDerivedBack) {
    TPageRecord page;
    ASSERT_TRUE(ApplyBorderStyle("SizeToolWinNoneIcon", page));
    EXPECT_EQ(page.BorderStyle, 5);
    EXPECT_EQ(page.BorderIcons, 0);
    EXPECT_EQ(BorderStyleText(page.BorderStyle, page.BorderIcons), "SizeToolWinNoneIcon");
    ASSERT_TRUE(ApplyBorderStyle("SingleMinimizeIcon", page));
    EXPECT_EQ(page.BorderStyle, 1);
    EXPECT_EQ(page.BorderIcons, biSystemMenu | biMinimize);
    // "None" leaves the icons as they are.
    ASSERT_TRUE(ApplyBorderStyle("None", page));
    EXPECT_EQ(page.BorderStyle, 0);
    EXPECT_EQ(page.BorderIcons, biSystemMenu | biMinimize);
    EXPECT_FALSE(ApplyBorderStyle("Dialog", page));
    EXPECT_EQ(page.BorderStyle, 0);
    // Values shown only.
    EXPECT_EQ(BorderStyleText(3, biSystemMenu), "Dialog");
    EXPECT_EQ(BorderStyleText(4, biSystemMenu | biMinimize), "ToolWindowMinimizeIcon");
    EXPECT_EQ(BorderStyleText(5, biSystemMenu | biMinimize | biMaximize),
              "SizeToolWinMinimizeIcon");
    EXPECT_FALSE(BorderStyleChoices().contains("Dialog"));
    EXPECT_FALSE(BorderStyleChoices().contains("ToolWindowMinimizeIcon"));
    // Every offered value is shown as itself once chosen.
    for (const auto& choice : BorderStyleChoices()) {
        TPageRecord chosen;
        ASSERT_TRUE(ApplyBorderStyle(choice, chosen));
        EXPECT_EQ(BorderStyleText(chosen.BorderStyle, chosen.BorderIcons), choice);
    }
}

TEST(ValueTexts, PicturesAndPlaceholders) {
    TPicture picture;
    EXPECT_EQ(PictureText(picture), "[None]");
    EXPECT_EQ(PictureText(picture, "Default"), "[Default]");
    picture.Kind = TPictureKind::Png;
    picture.Data = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    EXPECT_EQ(PictureText(picture), "[PNGImage]");
    EXPECT_EQ(PictureText(picture, "Default"), "[PNGImage]");
    EXPECT_EQ(Placeholder(true, "Items"), "[Items]");
    EXPECT_EQ(Placeholder(false, "Items"), "[None]");
    EXPECT_EQ(BoolText(true), "True");
    EXPECT_EQ(BoolText(false), "False");
}

} // namespace
} // namespace brelvane::test
