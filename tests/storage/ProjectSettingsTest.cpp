#include "storage/ProjectSettings.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>
#include <limits>

namespace brelvane {
namespace {

using test::Bytes;

Bytes SettingsBytes(const TSettings& settings) {
    return test::Stored(WriteSettings, settings);
}

TEST(ProjectSettings, DefaultsAsTabled) {
    TSettings settings;
    settings.ApplicationTitle = "changed";
    settings.InstallWares.push_back(std::make_unique<TInstallWare>());
    settings.Hint.reset();
    ResetSettings(settings);

    EXPECT_EQ(settings.ApplicationTitle, "");
    EXPECT_EQ(settings.ApplicationStyle, 0);
    EXPECT_EQ(settings.TabSheetList, "");
    EXPECT_EQ(settings.TabFont, TFont());
    EXPECT_FALSE(settings.ShowSheetIcons);
    EXPECT_EQ(settings.IconSize, 16);
    EXPECT_TRUE(settings.InstallWares.empty());
    EXPECT_FALSE(settings.RequireAdmin);
    EXPECT_EQ(settings.AdminMessage, "You need the administrative privilege to launch this CD.");
    EXPECT_EQ(settings.Reserved1, 0);
    EXPECT_EQ(settings.Reserved2, 0.0);
    EXPECT_EQ(settings.Reserved3, 0);
    EXPECT_EQ(settings.Reserved4, "");
    EXPECT_EQ(settings.Reserved5, 0);
    EXPECT_EQ(settings.Reserved6, "");

    ASSERT_NE(settings.Hint, nullptr);
    const THintSettings& hint = *settings.Hint;
    EXPECT_FALSE(hint.UseCustomizedHint);
    EXPECT_EQ(hint.Direction, 0);
    EXPECT_EQ(hint.Font.Size, 10);
    EXPECT_EQ(hint.Font.Style, fsBold);
    EXPECT_EQ(hint.Font.Name, TFont().Name);
    EXPECT_EQ(hint.Font.Color, TFont().Color);
    EXPECT_EQ(hint.Color, 65535);
    EXPECT_EQ(hint.ShowPause, 500);
    EXPECT_EQ(hint.HidePause, 2500);
    EXPECT_EQ(hint.BorderColor, 0);
    EXPECT_EQ(hint.ShadowColor, 8421504);
    EXPECT_EQ(hint.BackStyle, 0);
    EXPECT_EQ(hint.GradientColor, 255);
    EXPECT_TRUE(hint.BackImage.Empty());
    EXPECT_EQ(hint.ShadowOffset, 5);
}

TEST(ProjectSettings, InstallWareDialogDefaults) {
    const TInstallWare ware;
    EXPECT_TRUE(ware.Wait);
    EXPECT_TRUE(ware.Prompt);
    EXPECT_TRUE(ware.AllowSkip);
    EXPECT_EQ(ware.PromptCaption, "Install Software");
    EXPECT_EQ(ware.When, 0);
}

TEST(ProjectSettings, BlockLayoutInStoredOrder) {
    TSettings settings = test::SampleIndex().Settings;
    settings.InstallWares.resize(1);
    TInstallWare& ware = *settings.InstallWares[0];
    const Bytes reserved2{0, 0, 0, 0, 0, 0, 0x04, 0x40}; // 2.5

    const Bytes expected = test::Concat({test::StringBytes("Demo CD"),
                                         {1, 0, 0, 0},
                                         test::StringBytes("First\r\nSecond\r\n"),
                                         test::Stored(WriteFont, settings.TabFont),
                                         {1},
                                         {32, 0, 0, 0},
                                         {1},
                                         {3},
                                         test::Stored(WriteFont, settings.Hint->Font),
                                         {0x0c, 0x0b, 0x0a, 0},
                                         {0xbc, 0x02, 0, 0},
                                         {0xa0, 0x0f, 0, 0},
                                         {3, 2, 1, 0},
                                         {6, 5, 4, 0},
                                         {1, 0, 0, 0},
                                         {9, 8, 7, 0},
                                         test::Stored(WritePicture, settings.Hint->BackImage),
                                         {7, 0, 0, 0},
                                         {1},
                                         {11, 0, 0, 0},
                                         reserved2,
                                         {33, 0, 0, 0},
                                         {55},
                                         test::StringBytes("Administrators only."),
                                         test::StringBytes("four"),
                                         test::StringBytes("six"),
                                         {1, 0, 0, 0},
                                         // The install-ware record.
                                         test::StringBytes(ware.Executable),
                                         test::StringBytes("/quiet"),
                                         test::StringBytes("\\Setup"),
                                         {1},
                                         {0, 0, 0, 0},
                                         test::StringBytes(".pdf (Adobe Acrobat Document)"),
                                         test::StringBytes("r"),
                                         {0, 0, 0, 0},
                                         {1},
                                         test::StringBytes("Install"),
                                         test::StringBytes("Install the reader?"),
                                         {1}});
    EXPECT_EQ(SettingsBytes(settings), expected);
}

TEST(ProjectSettings, EveryFieldRoundTrips) {
    const TSettings stored = test::SampleIndex().Settings;
    const Bytes bytes = SettingsBytes(stored);
    TMemoryStream stream(bytes);
    TSettings back;
    ASSERT_TRUE(ReadSettings(stream, back));
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_TRUE(back == stored);
    EXPECT_EQ(SettingsBytes(back), bytes);
}

TEST(ProjectSettings, ThreeInstallWaresReplaceEarlierOnes) {
    TSettings settings;
    for (int i = 0; i < 5; ++i) {
        settings.InstallWares.push_back(std::make_unique<TInstallWare>());
        settings.InstallWares.back()->Executable = "\\old.exe";
    }
    TMemoryStream stream(SettingsBytes(test::SampleIndex().Settings));
    ASSERT_TRUE(ReadSettings(stream, settings));
    ASSERT_EQ(settings.InstallWares.size(), 3u);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(settings.InstallWares[i]->Executable,
                  "\\Setup\\reader" + std::to_string(i) + ".exe");
}

TEST(ProjectSettings, WritesDefaultHintWhenTheHintWasFreed) {
    TSettings freed;
    FreeSettings(freed);
    EXPECT_EQ(freed.Hint, nullptr);
    EXPECT_EQ(SettingsBytes(freed), SettingsBytes(TSettings()));
}

TEST(ProjectSettings, ReservedFloatComparesByItsStoredBytes) {
    TSettings settings;
    settings.Reserved2 = std::numeric_limits<double>::quiet_NaN();
    const TSettings copy = settings;
    EXPECT_TRUE(copy == settings);
    settings.Reserved2 = -0.0;
    EXPECT_FALSE(TSettings() == settings);
}

TEST(ProjectSettings, CopyIsDeep) {
    const TSettings original = test::SampleIndex().Settings;
    TSettings copy = original;
    copy.Hint->Color = 1;
    copy.InstallWares[0]->Executable = "\\other.exe";
    EXPECT_EQ(original.Hint->Color, 0x0a0b0c);
    EXPECT_EQ(original.InstallWares[0]->Executable, "\\Setup\\reader0.exe");
}

TEST(ProjectSettings, NegativeInstallWareCountFailsWith1063) {
    Bytes bytes = SettingsBytes(TSettings());
    const Bytes count = test::Int32Bytes(-1);
    std::copy(count.begin(), count.end(), bytes.end() - 4);
    test::ExpectReadFails<TSettings>(ReadSettings, bytes, 1063);
}

TEST(ProjectSettings, CutInstallWareFailsWith1061) {
    Bytes bytes = SettingsBytes(test::SampleIndex().Settings);
    bytes.pop_back(); // the last record's AllowSkip
    test::ExpectReadFails<TSettings>(ReadSettings, bytes, 1061);
}

} // namespace
} // namespace brelvane
