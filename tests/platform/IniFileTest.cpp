#include "platform/IniFile.h"

#include "storage/StorageTestSupport.h"

#include <gtest/gtest.h>

namespace brelvane::platform {
namespace {

using test::TempFolder;

TEST(IniFile, ReadsKeysWithoutRegardToCaseOfSectionOrKey) {
    TempFolder folder;
    test::WriteFileBytes(folder.File("Brelvane.ini"),
                         {'[', 's', 't', 'a', 'r', 't', ']', '\r', '\n', 'd', 'e', 'f',  'a', 'u',
                          'l', 't', 'p', 'a', 't', 'h', ' ', '=',  ' ',  '/', 'x', '\r', '\n'});
    const auto ini = IniFile::Load(folder.File("Brelvane.ini"));
    EXPECT_EQ(ini.Value("START", "DefaultPath", ""), "/x");
    EXPECT_FALSE(ini.Value("SETTINGS", "DefaultPath").has_value());
}

TEST(IniFile, MissingFileIsEmptyAndValuesFallBack) {
    const auto ini = IniFile::Load("/nonexistent/folder/Brelvane.ini");
    EXPECT_EQ(ini.Value("START", "DefaultPath", "fallback"), "fallback");
    EXPECT_EQ(ini.IntValue("SETTINGS", "GRIDSIZEX", 8), 8);
}

TEST(IniFile, UnreadableNumbersKeepTheirDefaults) {
    IniFile ini;
    ini.SetValue("SETTINGS", "GRIDSIZEX", "12");
    ini.SetValue("SETTINGS", "GRIDSIZEY", "twelve");
    ini.SetValue("SETTINGS", "BACKCOLOR", "12px");
    EXPECT_EQ(ini.IntValue("SETTINGS", "GRIDSIZEX", 8), 12);
    EXPECT_EQ(ini.IntValue("SETTINGS", "GRIDSIZEY", 8), 8);
    EXPECT_EQ(ini.IntValue("SETTINGS", "BACKCOLOR", 5), 5);
}

TEST(IniFile, SetValueReplacesInPlaceAndKeepsOtherLines) {
    TempFolder folder;
    const auto path = folder.File("a.ini");
    const std::string original = "; written by hand\r\n[START]\r\nDefaultPath=/old\r\n\r\n"
                                 "[SYSTEM]\r\nVersion=1.0\r\n";
    test::WriteFileBytes(path, test::Bytes(original.begin(), original.end()));

    auto ini = IniFile::Load(path);
    ini.SetValue("start", "DEFAULTPATH", "/new");
    ini.SetValue("START", "Other", "1");
    ini.SetValue("SETTINGS", "DISPLAYGRID", "0");
    ASSERT_TRUE(ini.Save(path));

    const auto saved = test::ReadFileBytes(path);
    EXPECT_EQ(std::string(saved.begin(), saved.end()),
              "; written by hand\r\n[START]\r\nDEFAULTPATH=/new\r\nOther=1\r\n\r\n"
              "[SYSTEM]\r\nVersion=1.0\r\n\r\n[SETTINGS]\r\nDISPLAYGRID=0\r\n");
    const auto again = IniFile::Load(path);
    EXPECT_EQ(again.Value("START", "DefaultPath", ""), "/new");
    EXPECT_EQ(again.Value("SYSTEM", "Version", ""), "1.0");
}

TEST(IniFile, SaveIntoMissingFolderFails) {
    IniFile ini;
    ini.SetValue("START", "DefaultPath", "/x");
    EXPECT_FALSE(ini.Save("/nonexistent/folder/Brelvane.ini"));
}

} // namespace
} // namespace brelvane::platform
