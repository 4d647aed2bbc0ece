#include "designer/DesignerSettings.h"

#include "storage/StorageTestSupport.h"

#include <fstream>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

std::string Text(const std::string& path) {
    const auto bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

TEST(DesignerSettings, MissingFileGivesDefaultsAndWritingStoresAllFiveKeys) {
    TempFolder folder;
    const auto ini = folder.File("Brelvane.ini");
    const auto settings = ReadDesignerSettings(ini);
    EXPECT_TRUE(settings.DisplayGrid);
    EXPECT_TRUE(settings.SnapToGrid);
    EXPECT_EQ(settings.GridSizeX, 8);
    EXPECT_EQ(settings.GridSizeY, 8);
    EXPECT_EQ(settings.BackColor, kInfoBackgroundColor);

    TDesignerSettings changed;
    changed.SnapToGrid = false;
    changed.GridSizeX = 12;
    ASSERT_TRUE(WriteDesignerSettings(ini, changed));
    const auto text = Text(ini);
    for (const char* line :
         {"DISPLAYGRID=1", "SNAPTOGRID=0", "GRIDSIZEX=12", "GRIDSIZEY=8", "BACKCOLOR=-2147483624"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in " << text;
    const auto back = ReadDesignerSettings(ini);
    EXPECT_FALSE(back.SnapToGrid);
    EXPECT_EQ(back.GridSizeX, 12);
    EXPECT_EQ(back.BackColor, kInfoBackgroundColor);
}

TEST(DesignerSettings, UnreadableAndOutOfRangeValuesKeepTheirDefaults) {
    TempFolder folder;
    const auto ini = folder.File("Brelvane.ini");
    std::ofstream(ini) << "[SETTINGS]\nDISPLAYGRID=yes\nSNAPTOGRID=7\nGRIDSIZEX=0\n"
                          "GRIDSIZEY=100\nBACKCOLOR=blue\n";
    const auto settings = ReadDesignerSettings(ini);
    EXPECT_TRUE(settings.DisplayGrid);
    EXPECT_TRUE(settings.SnapToGrid);
    EXPECT_EQ(settings.GridSizeX, 8);
    EXPECT_EQ(settings.GridSizeY, 8);
    EXPECT_EQ(settings.BackColor, kInfoBackgroundColor);
    std::ofstream(ini) << "[SETTINGS]\nGRIDSIZEX=2\nGRIDSIZEY=99\nBACKCOLOR=255\n";
    const auto edges = ReadDesignerSettings(ini);
    EXPECT_EQ(edges.GridSizeX, 2);
    EXPECT_EQ(edges.GridSizeY, 99);
    EXPECT_EQ(edges.BackColor, 255);
}

TEST(DesignerSettings, StartAndSystemKeysLeaveTheGridAlone) {
    TempFolder folder;
    const auto ini = folder.File("Brelvane.ini");
    TDesignerSettings settings;
    settings.GridSizeY = 20;
    ASSERT_TRUE(WriteDesignerSettings(ini, settings));
    ASSERT_TRUE(WriteDefaultPath(ini, "/discs/one"));
    ASSERT_TRUE(WriteTipsVersion(ini, "1.0.0.5"));
    EXPECT_EQ(ReadTipsVersion(ini), "1.0.0.5");
    EXPECT_EQ(ReadDesignerSettings(ini).GridSizeY, 20);
    EXPECT_NE(Text(ini).find("DefaultPath=/discs/one"), std::string::npos);
}

} // namespace
} // namespace brelvane::test
