#include "storage/FontLabelsBlock.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

TFontLabel Label(std::string name, std::int16_t angle) {
    TFontLabel label;
    label.Name = std::move(name);
    label.Font = {"Georgia", 0x0000ff, 20, fsItalic};
    label.Effect.Angle = angle;
    return label;
}

Bytes BlockBytes(const TFontLabel& label) {
    return test::Concat({test::Int32Bytes(1), test::Stored(WriteEffect, label.Effect),
                         test::Stored(WriteFont, label.Font), test::StringBytes(label.Name)});
}

TEST(FontLabelsBlock, StoresCountThenEffectFontAndName) {
    TFontLabels labels;
    ASSERT_TRUE(labels.Add(Label("title", 30)));
    TMemoryStream stream;
    ASSERT_TRUE(WriteFontLabels(stream, labels));
    EXPECT_EQ(stream.Bytes(), BlockBytes(Label("title", 30)));
}

TEST(FontLabelsBlock, ReadClearsTheCollectionFirst) {
    TFontLabels stored;
    ASSERT_TRUE(stored.Add(Label("a", 1)));
    ASSERT_TRUE(stored.Add(Label("b", -2)));
    TMemoryStream stream;
    ASSERT_TRUE(WriteFontLabels(stream, stored));

    TFontLabels labels;
    ASSERT_TRUE(labels.Add(Label("old", 0)));
    stream.Seek(0);
    ASSERT_TRUE(ReadFontLabels(stream, labels));
    EXPECT_EQ(labels, stored);
    EXPECT_EQ(labels.Find("old"), nullptr);
}

TEST(FontLabelsBlock, EmptyCollectionIsACountOfZero) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteFontLabels(stream, TFontLabels{}));
    EXPECT_EQ(stream.Bytes(), test::Int32Bytes(0));
}

TEST(FontLabelsBlock, NegativeCountFailsWith1060) {
    test::ExpectReadFails<TFontLabels>(ReadFontLabels, test::Int32Bytes(-3), 1060);
}

TEST(FontLabelsBlock, HugeCountEndsAtTheFirstMissingLabel) {
    Bytes bytes = BlockBytes(Label("only", 5));
    const Bytes count = test::Int32Bytes(0x7fffffff);
    std::copy(count.begin(), count.end(), bytes.begin());
    TMemoryStream stream(bytes);
    ErrorCollector errors;
    TFontLabels labels;
    EXPECT_FALSE(ReadFontLabels(stream, labels));
    // The second label's effect is missing.
    test::ExpectOneError(errors, 1058);
    EXPECT_EQ(labels.Items().size(), 1u);
}

TEST(FontLabelsBlock, BadNameReportsOnlyTheStringError) {
    Bytes bytes = BlockBytes(Label("name", 0));
    bytes.resize(bytes.size() - 2);
    test::ExpectReadFails<TFontLabels>(ReadFontLabels, bytes, 1054);
}

TEST(FontLabels, NamesAreUnique) {
    TFontLabels labels;
    EXPECT_TRUE(labels.Add(Label("x", 1)));
    EXPECT_FALSE(labels.Add(Label("x", 2)));
    ASSERT_NE(labels.Find("x"), nullptr);
    EXPECT_EQ(labels.Find("x")->Effect.Angle, 1);
}

} // namespace
} // namespace brelvane
