// Hand-written files in the forms word processors store, read, written and
// read again.
#include "RtfTestSupport.h"
#include "StorageTestSupport.h"
#include "storage/rtf/RtfReader.h"
#include "storage/rtf/RtfWriter.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>

namespace brelvane {
namespace {

using test::ContentOf;
using test::ReadGood;
using test::TextOf;

std::string Fixture(const std::string& name) {
    const auto bytes = test::ReadFileBytes(std::string(BRELVANE_TEST_DATA) + "/rtf/" + name);
    return std::string(bytes.begin(), bytes.end());
}

TEST(RtfFixtures, WordPadDocument) {
    const TRtfDocument document = ReadGood(Fixture("wordpad.rtf"));
    const auto& paragraphs = document.Paragraphs;
    ASSERT_EQ(paragraphs.size(), 7u);
    EXPECT_EQ(TextOf(paragraphs[0]), "What's New");
    EXPECT_EQ(paragraphs[0].Format.Alignment, TRtfAlignment::Center);
    EXPECT_TRUE(paragraphs[0].Runs.at(0).Format.Bold);
    EXPECT_EQ(paragraphs[0].Runs.at(0).Format.HalfPoints, 32);
    EXPECT_EQ(TextOf(paragraphs[1]),
              "This release brings italic, underlined, struck and red words.");
    EXPECT_TRUE(paragraphs[2].Format.Bullet);
    EXPECT_TRUE(paragraphs[3].Format.Bullet);
    EXPECT_EQ(TextOf(paragraphs[3]), "Second point with a green serif part");
    EXPECT_EQ(paragraphs[3].Runs.at(1).Format.Color, (TRtfColor{0, 128, 0}));
    EXPECT_EQ(document.Fonts.at(static_cast<std::size_t>(paragraphs[3].Runs[1].Format.Font)).Name,
              "Times New Roman");
    EXPECT_EQ(TextOf(paragraphs[4]), "Right\taligned\nsecond line");
    EXPECT_EQ(TextOf(paragraphs[5]), "Caf\xc3\xa9, 20\xe2\x82\xac and \xe2\x82\xac and \xd0\x96.");
    EXPECT_EQ(paragraphs[6].Runs.at(0).Format.HalfPoints, 17);
}

TEST(RtfFixtures, WordDocument) {
    const TRtfDocument document = ReadGood(Fixture("word.rtf"));
    const auto& paragraphs = document.Paragraphs;
    ASSERT_EQ(paragraphs.size(), 5u);
    EXPECT_EQ(TextOf(paragraphs[0]), "Heading in Arial");
    EXPECT_EQ(TextOf(paragraphs[1]), "Listed blue");
    EXPECT_TRUE(paragraphs[1].Format.Bullet);
    EXPECT_EQ(paragraphs[1].Format.LeftIndent, 720);
    EXPECT_EQ(paragraphs[1].Runs.at(1).Format.Color, (TRtfColor{0, 0, 255}));
    EXPECT_EQ(TextOf(paragraphs[2]), "cell one\tcell two\t");
    EXPECT_EQ(TextOf(paragraphs[3]),
              "\xe2\x80\x9cQuoted\xe2\x80\x9d\xe2\x80\x94 and\xc2\xa0non\xe2\x80\x91"
              "breaking");
    EXPECT_EQ(TextOf(paragraphs[4]), "a link");
    EXPECT_TRUE(paragraphs[4].Runs.at(0).Format.Underline);
}

TEST(RtfFixtures, IgnoredParts) {
    const TRtfDocument document = ReadGood(Fixture("ignored.rtf"));
    ASSERT_EQ(document.Paragraphs.size(), 3u);
    EXPECT_EQ(TextOf(document.Paragraphs[0]), "before pictureafter picture after object");
    EXPECT_EQ(TextOf(document.Paragraphs[1]), "binary data: stays");
    EXPECT_EQ(TextOf(document.Paragraphs[2]), "end");
}

TEST(RtfFixtures, UnicodeDocument) {
    const TRtfDocument document = ReadGood(Fixture("unicode.rtf"));
    EXPECT_EQ(document.Fonts.at(0).Name, "\xd0\x90\xd1\x80\xd0\xb8\xd0\xb0\xd0\xbb");
    EXPECT_EQ(document.Fonts.at(1).Name, "Caf\xc3\xa9 Sans");
    ASSERT_EQ(document.Paragraphs.size(), 3u);
    EXPECT_EQ(
        TextOf(document.Paragraphs[0]),
        "\xd0\x9f\xd1\x80\xd0\xb8\xd0\xb2\xd0\xb5\xd1\x82 and Greek \xce\xb1\xce\xb2\xce\xb3");
    EXPECT_EQ(TextOf(document.Paragraphs[1]),
              "two fallbacks \xe2\x82\xac and none \xe2\x82\xachere");
    EXPECT_EQ(TextOf(document.Paragraphs[2]), "\xf0\x9f\x98\x80 emoji, \xef\xbf\xbd replacement, "
                                              "\xe2\x82\xac euro, \xc5\x93 oe");
}

// Our output read and written again is the same bytes, with the same content
// as the file it came from.
TEST(RtfFixtures, WrittenFormIsAFixpoint) {
    for (const auto& entry :
         std::filesystem::directory_iterator(std::string(BRELVANE_TEST_DATA) + "/rtf")) {
        const std::string name = entry.path().filename().string();
        const TRtfDocument original = ReadGood(Fixture(name));
        const std::string written = WriteRtf(original);
        const TRtfDocument again = ReadGood(written);
        EXPECT_EQ(WriteRtf(again), written) << name;
        EXPECT_EQ(ContentOf(again), ContentOf(original)) << name;
    }
}

} // namespace
} // namespace brelvane
