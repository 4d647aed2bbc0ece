#include "storage/Fields.h"
#include "storage/StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A record shaped like the stored ones: a narrow value stored wide, a counted
// list of groups, a section behind a marker that older streams lack, and a
// field that a reading mode may keep.
struct TEntry {
    std::uint16_t Value = 0;
    std::string Text;
    bool operator==(const TEntry&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TEntry& entry) {
    return ar("Value", entry.Value) && ar("Text", entry.Text);
}

struct TSample {
    static constexpr TRecordCodes Codes{9001, 9002};
    std::int8_t Small = 0;
    std::vector<TEntry> Entries;
    std::int32_t Extra = 0;
    std::int32_t Last = 0;
    std::string Kept;
    bool operator==(const TSample&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TSample& sample, TApply kept = TApply::Take) {
    const auto extra = [&] { return ar("Extra", sample.Extra); };
    const auto noExtra = [&] { sample.Extra = 42; };
    return ar("Small", Widened(sample.Small)) && ar("Entries", sample.Entries) &&
           MarkedSection(ar, TMarker<std::int32_t>{-1}, extra, noExtra) &&
           ar("Last", sample.Last) && ar("Kept", Applied(sample.Kept, kept));
}

TSample Filled() {
    TSample sample;
    sample.Small = -3;
    sample.Entries = {{7, "seven"}, {0xffff, ""}};
    sample.Extra = 5;
    sample.Last = 9;
    sample.Kept = "kept";
    return sample;
}

Bytes FilledBytes() {
    const auto entry = [](std::uint16_t value, std::string_view text) {
        return Concat({{static_cast<std::uint8_t>(value), static_cast<std::uint8_t>(value >> 8)},
                       StringBytes(text)});
    };
    return Concat({Int32Bytes(-3), Int32Bytes(2), entry(7, "seven"), entry(0xffff, ""),
                   Int32Bytes(-1), Int32Bytes(5), Int32Bytes(9), StringBytes("kept")});
}

TEST(FieldArchives, WriterStoresTheListInOrderAndTheReaderTakesItBack) {
    const auto bytes = Stored(WriteRecord<TSample>, Filled());
    EXPECT_EQ(bytes, FilledBytes());

    TMemoryStream stream(bytes);
    TSample back;
    ASSERT_TRUE(ReadRecord(stream, back));
    EXPECT_EQ(back, Filled());
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(FieldArchives, ValueWithoutItsMarkerIsTheFieldAfterTheSection) {
    const auto old = Concat({Int32Bytes(1), Int32Bytes(0), Int32Bytes(77), StringBytes("")});
    TMemoryStream stream(old);
    TSample back;
    back.Extra = 5;
    ASSERT_TRUE(ReadRecord(stream, back));
    EXPECT_EQ(back.Extra, 42);
    EXPECT_EQ(back.Last, 77);
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(FieldArchives, AnyNegativeMarkerAnnouncesTheSection) {
    const TMarker<std::int32_t> marker{-1, true};
    EXPECT_TRUE(marker.Matches(-1));
    EXPECT_TRUE(marker.Matches(-200));
    EXPECT_FALSE(marker.Matches(0));
    const TMarker<std::int32_t> exact{-1};
    EXPECT_FALSE(exact.Matches(-2));
}

TEST(FieldArchives, ReadingModeKeepsOrTakesOrSwitchesOff) {
    const auto bytes = FilledBytes();
    for (const auto& [apply, expected] :
         {std::pair{TApply::Take, "kept"}, {TApply::Keep, "mine"}, {TApply::Off, ""}}) {
        TMemoryStream stream(bytes);
        TSample back;
        back.Kept = "mine";
        ASSERT_TRUE(ReadRecord(stream, back, apply));
        EXPECT_EQ(back.Kept, expected);
        // A kept field is still read: the stream is used up.
        EXPECT_EQ(stream.Remaining(), 0u);
    }
}

TEST(FieldArchives, DamageIsOneBoxWithTheRecordsOwnCode) {
    // A negative list count.
    ExpectReadFails<TSample>(ReadRecord<TSample>, Concat({Int32Bytes(0), Int32Bytes(-1)}), 9002);
    // A count far beyond the bytes ends at the stream's end, entry by entry.
    ExpectReadFails<TSample>(ReadRecord<TSample>,
                             Concat({Int32Bytes(0), Int32Bytes(0x7fffffff), Bytes{1}}), 9002);
    // The stream ends inside the section's marker.
    ExpectReadFails<TSample>(ReadRecord<TSample>,
                             Concat({Int32Bytes(0), Int32Bytes(0), Bytes{3, 0}}), 9002);
    // A block inside reports with its own code only.
    ExpectReadFails<TSample>(ReadRecord<TSample>,
                             Concat({Int32Bytes(0), Int32Bytes(1), Bytes{1, 0}, Int32Bytes(9)}),
                             kReadStringError);
}

TEST(FieldArchives, PutBackValueMustBeTakenAtItsOwnWidth) {
    TMemoryStream stream(Bytes{1, 2, 3, 4, 5, 6});
    TFieldReader reader(stream);
    reader.PutBack(std::int32_t{-7});
    EXPECT_THROW(reader.Take<std::uint8_t>(), std::logic_error);
    std::string text;
    EXPECT_THROW(reader("Text", text), std::logic_error);
    EXPECT_EQ(reader.Take<std::int32_t>(), -7);
    EXPECT_EQ(reader.Take<std::uint16_t>(), 0x0201);
}

// Writes each call as one short line.
class LogVisitor final : public TFieldVisitor {
public:
    std::vector<std::string> Lines;
    void Field(const char* name, const TNumber& value) override {
        Lines.push_back(Name(name) + "=" + std::to_string(value.Value) + TypeName(value.Type));
    }
    void Field(const char* name, bool value) override {
        Lines.push_back(Name(name) + (value ? "=yes" : "=no"));
    }
    void Field(const char* name, double value) override {
        Lines.push_back(Name(name) + "=" + std::to_string(value));
    }
    void Field(const char* name, const std::string& value) override {
        Lines.push_back(Name(name) + "='" + value + "'");
    }
    void Field(const char* name, const TPicture& value) override {
        Lines.push_back(Name(name) + "=picture " + PictureKindCaption(value));
    }
    void BeginRecord(const char* name) override { Lines.push_back("{" + Name(name)); }
    void EndRecord() override { Lines.push_back("}"); }
    void BeginList(const char* name) override { Lines.push_back("[" + Name(name)); }
    void EndList() override { Lines.push_back("]"); }

private:
    static std::string Name(const char* name) { return name ? name : "-"; }
    static std::string TypeName(TNumberType type) {
        static const char* const names[] = {":i8", ":u8", ":i16", ":u16", ":i32", ":u32"};
        return names[static_cast<int>(type)];
    }
};

TEST(FieldArchives, WalkerTellsNamesHeldTypesAndNesting) {
    LogVisitor log;
    VisitRecord(log, Filled());
    const std::vector<std::string> expected{"Small=-3:i8",  "[Entries",   "{-", "Value=7:u16",
                                            "Text='seven'", "}",          "{-", "Value=65535:u16",
                                            "Text=''",      "}",          "]",  "Extra=5:i32",
                                            "Last=9:i32",   "Kept='kept'"};
    EXPECT_EQ(log.Lines, expected);
}

TEST(FieldArchives, WalkerShowsOwnedPartsAndPaddedFlagsAsHeld) {
    struct TOwner {
        std::unique_ptr<TEntry> Part;
        bool Flag = true;
        std::int32_t Padding = 0x123456;
    };
    LogVisitor log;
    TOwner owner;
    TFieldWalker walker(log);
    // A missing part shows the defaults a writer would store.
    walker("Part", Owned(owner.Part));
    walker("Flag", FlagPaddedBy(owner.Flag, owner.Padding));
    EXPECT_EQ(log.Lines,
              (std::vector<std::string>{"{Part", "Value=0:u16", "Text=''", "}", "Flag=yes"}));
    EXPECT_EQ(owner.Part, nullptr);

    TMemoryStream stream;
    TFieldWriter writer(stream);
    writer("Flag", FlagPaddedBy(owner.Flag, owner.Padding));
    EXPECT_EQ(stream.Bytes(), (Bytes{1, 0x56, 0x34, 0x12}));
}

} // namespace
} // namespace brelvane::test
