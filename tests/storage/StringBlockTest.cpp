#include "storage/StringBlock.h"

#include "StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

using test::Bytes;

TEST(StringBlock, EmptyStringIsFourZeroBytes) {
    TMemoryStream stream;
    ASSERT_TRUE(WriteString(stream, ""));
    EXPECT_EQ(stream.Bytes(), (Bytes{0, 0, 0, 0}));
}

TEST(StringBlock, EmptyStringConsumesExactlyFourBytes) {
    TMemoryStream stream(Bytes{0, 0, 0, 0, 0x7a});
    std::string value = "old";
    ASSERT_TRUE(ReadString(stream, value));
    EXPECT_EQ(value, "");
    EXPECT_EQ(stream.Position(), 4u);
}

TEST(StringBlock, AnsiBytesRoundTripUnchanged) {
    using namespace std::string_literals;
    const std::string text = "Caf\xe9 \x80 \xff\r\n\0end"s;
    TMemoryStream stream;
    ASSERT_TRUE(WriteString(stream, text));
    EXPECT_EQ(stream.Bytes(), test::StringBytes(text));
    stream.Seek(0);
    std::string back;
    ASSERT_TRUE(ReadString(stream, back));
    EXPECT_EQ(back, text);
    EXPECT_EQ(stream.Remaining(), 0u);
}

TEST(StringBlock, LengthBeyondTheStreamFailsAtOnceWithOneBox) {
    for (std::int32_t length : {5, 0x10000, 0x7fffffff}) {
        TMemoryStream stream(test::Concat({test::Int32Bytes(length), {'a', 'b', 'c', 'd'}}));
        ErrorCollector errors;
        std::string value = "kept";
        EXPECT_FALSE(ReadString(stream, value));
        test::ExpectOneError(errors, 1054);
        EXPECT_EQ(errors.Messages().front(), ErrorText(0, 1054));
        EXPECT_EQ(value, "kept");
    }
}

TEST(StringBlock, NegativeLengthFails) {
    TMemoryStream stream(test::Int32Bytes(-1));
    ErrorCollector errors;
    std::string value;
    EXPECT_FALSE(ReadString(stream, value));
    test::ExpectOneError(errors, 1054);
}

TEST(StringBlock, CutLengthWordFails) {
    TMemoryStream stream(Bytes{3, 0});
    ErrorCollector errors;
    std::string value;
    EXPECT_FALSE(ReadString(stream, value));
    test::ExpectOneError(errors, 1054);
}

TEST(StringLists, EveryLineEndsWithCrLf) {
    EXPECT_EQ(JoinLines({"Sub 1", "", "Sub 2"}), "Sub 1\r\n\r\nSub 2\r\n");
    EXPECT_EQ(JoinLines({}), "");
}

TEST(StringLists, SplitUndoesJoin) {
    const std::vector<std::string> lines{"a", "", "b c"};
    EXPECT_EQ(SplitLines(JoinLines(lines)), lines);
    EXPECT_TRUE(SplitLines("").empty());
}

TEST(StringLists, SplitAcceptsBareLineEndsAndAMissingLastEnd) {
    EXPECT_EQ(SplitLines("a\nb\rc\r\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
}

} // namespace
} // namespace brelvane
