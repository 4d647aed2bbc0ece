#include "objects/ObjectTestSupport.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/SlideShowConfig.h"
#include "objects/records/SlideShowPayload.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

Bytes SettingsBytes(const TPSImage& s) {
    return Concat({U8Bytes(s.FirstByte), Int32Bytes(s.Style), Int32Bytes(s.Step),
                   Int32Bytes(s.StepDelay), Int32Bytes(s.Interval), Int32Bytes(s.ImageStyle),
                   Int32Bytes(s.BackColor), StringBytes(s.FileName), StringBytes(s.Spare),
                   Int32Bytes(s.SpareNumber)});
}

TPSImageEntry Entry(const std::string& file, std::int32_t style) {
    TPSImageEntry entry;
    entry.FileName = file;
    entry.Style = style;
    entry.Step = 10;
    return entry;
}

Bytes ConfigBytes(std::int32_t magic, std::int32_t count, std::initializer_list<Bytes> entries) {
    Bytes bytes = Concat({Int32Bytes(magic), Int32Bytes(count)});
    for (const auto& entry : entries)
        bytes.insert(bytes.end(), entry.begin(), entry.end());
    return bytes;
}

TEST(SlideShowPayload, DefaultsAreThoseOfANewShow) {
    const TSlideShowPayload p;
    EXPECT_TRUE(p.Play);
    EXPECT_TRUE(p.Loop);
    EXPECT_TRUE(p.ControlBar);
    EXPECT_FALSE(p.Border);
    EXPECT_EQ(p.Settings.FirstByte, 1);
    EXPECT_EQ(p.Settings.Style, 0);
    EXPECT_EQ(p.Settings.Step, 4);
    EXPECT_EQ(p.Settings.StepDelay, 50);
    EXPECT_EQ(p.Settings.Interval, 2000);
    EXPECT_EQ(p.Settings.ImageStyle, 3);
    EXPECT_EQ(p.Settings.BackColor, 0);
}

TEST(SlideShowPayload, StoredLayoutKeepsReservedAndUnusedFieldsAsRead) {
    TSlideShowPayload p;
    p.Play = false;
    p.Border = true;
    p.Reserved = 0x01020304;
    p.ReservedByte = 9;
    p.WorkFolder = "\\Pictures";
    p.Hint = "show";
    p.Settings = Entry("", 118);
    p.Settings.FirstByte = 7;
    p.Settings.Interval = -5;
    p.Settings.BackColor = 0x00112233;
    p.Settings.Spare = "x";
    p.Settings.SpareNumber = -1;
    p.Left = 3;
    p.Top = 4;
    p.Width = 209;
    p.Height = 185;
    const auto bytes = Stored(WriteSlideShowPayload, p);
    EXPECT_EQ(bytes, Concat({U8Bytes(0), U8Bytes(1), U8Bytes(1), U8Bytes(1), Int32Bytes(0x01020304),
                             U8Bytes(9), StringBytes("\\Pictures"), StringBytes("show"),
                             SettingsBytes(p.Settings), BoundsBytes(p)}));
    const auto back = ReadBack<TSlideShowPayload>(bytes, ReadSlideShowPayload);
    EXPECT_EQ(back.Settings, p.Settings);
    EXPECT_EQ(back.Reserved, 0x01020304);
    EXPECT_EQ(back.ReservedByte, 9);
    EXPECT_EQ(Stored(WriteSlideShowPayload, back), bytes);
}

TEST(SlideShowPayload, TruncatedPayloadReportsItsOwnCode) {
    const auto bytes = Stored(WriteSlideShowPayload, TSlideShowPayload{});
    ExpectReadFails<TSlideShowPayload>(ReadSlideShowPayload, Bytes(bytes.begin(), bytes.end() - 3),
                                       kReadSlideShowError);
}

TEST(MediaPayload, StoredLayoutAndDefaults) {
    const TMediaPayload fresh;
    EXPECT_TRUE(fresh.Play && fresh.Loop && fresh.ControlBar);
    EXPECT_FALSE(fresh.Border);
    TMediaPayload p;
    p.Reserved = -7;
    p.ReservedByte = 2;
    p.Play = false;
    p.ControlBar = false;
    p.Border = true;
    p.Loop = true;
    p.MediaFile = "\\clip.avi";
    p.Hint = "clip";
    p.Width = 209;
    p.Height = 185;
    const auto bytes = Stored(WriteMediaPayload, p);
    EXPECT_EQ(bytes,
              Concat({Int32Bytes(-7), U8Bytes(2), U8Bytes(0), U8Bytes(0), U8Bytes(1), U8Bytes(1),
                      StringBytes("\\clip.avi"), StringBytes("clip"), BoundsBytes(p)}));
    const auto back = ReadBack<TMediaPayload>(bytes, ReadMediaPayload);
    EXPECT_EQ(back.MediaFile, "\\clip.avi");
    EXPECT_EQ(Stored(WriteMediaPayload, back), bytes);
    ExpectReadFails<TMediaPayload>(ReadMediaPayload, Bytes(bytes.begin(), bytes.begin() + 7),
                                   kReadMediaError);
}

TEST(SlideShowConfig, ReadsEveryEntryAndWritesTheSameBytes) {
    const auto a = Entry("a.png", 5);
    const auto b = Entry("B.JPG", 0);
    const auto bytes = ConfigBytes(kSlideShowConfigMagic, 2, {SettingsBytes(a), SettingsBytes(b)});
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    std::vector<TPSImageEntry> entries{Entry("old", 1)};
    EXPECT_EQ(ReadSlideShowConfig(stream, entries), TConfigRead::Read);
    EXPECT_TRUE(errors.Messages().empty());
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].FileName, "a.png");
    EXPECT_EQ(entries[1].FileName, "B.JPG");
    EXPECT_EQ(Stored(WriteSlideShowConfig, entries), bytes);
}

TEST(SlideShowConfig, WrongMagicLeavesTheEntriesWithoutAReport) {
    const auto bytes = ConfigBytes(29835, 1, {SettingsBytes(Entry("a.png", 5))});
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    std::vector<TPSImageEntry> entries{Entry("old", 1)};
    EXPECT_EQ(ReadSlideShowConfig(stream, entries), TConfigRead::WrongMagic);
    EXPECT_TRUE(errors.Messages().empty());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].FileName, "old");
}

TEST(SlideShowConfig, CountBeyondTheFileIsReportedOnceAsDamage) {
    // Two entries announced, one stored: the count alone shows the damage.
    const auto bytes = ConfigBytes(kSlideShowConfigMagic, 2, {SettingsBytes(Entry("a.png", 5))});
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    std::vector<TPSImageEntry> entries;
    EXPECT_EQ(ReadSlideShowConfig(stream, entries), TConfigRead::Damaged);
    ExpectOneError(errors, kReadSlideShowConfigError);
    // A count of two billion does not reserve or loop before the check.
    TMemoryStream huge(ConfigBytes(kSlideShowConfigMagic, 0x7FFFFFFF, {}));
    ErrorCollector more;
    EXPECT_EQ(ReadSlideShowConfig(huge, entries), TConfigRead::Damaged);
    ExpectOneError(more, kReadSlideShowConfigError);
    TMemoryStream negative(ConfigBytes(kSlideShowConfigMagic, -1, {}));
    ErrorCollector third;
    EXPECT_EQ(ReadSlideShowConfig(negative, entries), TConfigRead::Damaged);
    ExpectOneError(third, kReadSlideShowConfigError);
}

TEST(SlideShowConfig, DamagedEntryIsReportedOnceWithItsCodeAndKeepsTheEntriesBeforeIt) {
    // A long first name lets the count pass the size check; the second entry
    // ends inside its numbers.
    const auto first = SettingsBytes(Entry(std::string(60, 'a') + ".png", 5));
    const auto second = SettingsBytes(Entry("b.png", 5));
    const auto bytes =
        ConfigBytes(kSlideShowConfigMagic, 2, {first, Bytes(second.begin(), second.begin() + 20)});
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    std::vector<TPSImageEntry> entries;
    EXPECT_EQ(ReadSlideShowConfig(stream, entries), TConfigRead::Damaged);
    ExpectOneError(errors, kReadPictureEntryError);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Style, 5);
}

TEST(SlideShowConfig, NameBeyondTheFileIsReportedOnce) {
    Bytes broken = Concat({U8Bytes(1), Int32Bytes(1), Int32Bytes(4), Int32Bytes(50),
                           Int32Bytes(2000), Int32Bytes(3), Int32Bytes(0), Int32Bytes(5000)});
    broken.insert(broken.end(), 40, 'x');
    const auto bytes =
        ConfigBytes(kSlideShowConfigMagic, 2, {SettingsBytes(Entry("a.png", 5)), broken});
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    std::vector<TPSImageEntry> entries;
    EXPECT_EQ(ReadSlideShowConfig(stream, entries), TConfigRead::Damaged);
    EXPECT_EQ(errors.Messages().size(), 1u) << ::testing::PrintToString(errors.Messages());
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].FileName, "a.png");
}

TEST(SlideShowConfig, FileThatCannotBeOpenedIsDamage) {
    TempFolder folder;
    std::vector<TPSImageEntry> entries{Entry("old", 1)};
    ErrorCollector errors;
    EXPECT_EQ(ReadSlideShowConfigFile(folder.File("none.cfg"), entries), TConfigRead::Damaged);
    ExpectOneError(errors, kReadSlideShowConfigError);
    EXPECT_EQ(entries.size(), 1u);
}

} // namespace
} // namespace brelvane::test
