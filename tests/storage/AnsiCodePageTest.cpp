#include "storage/AnsiCodePage.h"

#include <gtest/gtest.h>

namespace brelvane {
namespace {

TEST(MachineText, KeepsUtf8PathsAndSystemTexts) {
    // A localised documents folder and a German system text, as the machine gives them.
    const std::string path = "\"/home/ana/\xD0\x94\xD0\xBE\xD0\xBA\xD1\x83\xD0\xBC\xD0\xB5\xD0\xBD"
                             "\xD1\x82\xD1\x8B/Main.pg\", Datei oder Verzeichnis nicht gefunden";
    EXPECT_EQ(MachineTextToUtf8(path), path);
    EXPECT_EQ(MachineTextToUtf8("\xE2\x82\xAC \xF0\x9F\x98\x80"), "\xE2\x82\xAC \xF0\x9F\x98\x80");
}

TEST(MachineText, ReadsStrayBytesAsWindows1252) {
    // A stored name (Windows-1252) appended to a UTF-8 folder.
    EXPECT_EQ(MachineTextToUtf8("/m\xC3\xBCnchen/L\xF6we.bmp"), "/m\xC3\xBCnchen/L\xC3\xB6we.bmp");
    EXPECT_EQ(MachineTextToUtf8("\x80"), "\xE2\x82\xAC");
    // A lead byte whose sequence is cut off or broken.
    EXPECT_EQ(MachineTextToUtf8("a\xC3"), "a\xC3\x83");
    EXPECT_EQ(MachineTextToUtf8("\xE2\x82x"), "\xC3\xA2\xE2\x80\x9Ax");
    // Overlong forms and surrogates are not UTF-8 either.
    EXPECT_EQ(MachineTextToUtf8("\xC0\xAF"), "\xC3\x80\xC2\xAF");
    EXPECT_EQ(MachineTextToUtf8("\xED\xA0\x80"), "\xC3\xAD\xC2\xA0\xE2\x82\xAC");
}

} // namespace
} // namespace brelvane
