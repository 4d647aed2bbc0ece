#include "platform/SpecialFolders.h"
#include "storage/StorageTestSupport.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <optional>

namespace brelvane::platform {
namespace {

struct Row {
    const char* Token;
    // Below the home folder when it starts with "~", else absolute; empty: none.
    std::string Expected;
};

std::ostream& operator<<(std::ostream& out, const Row& row) {
    return out << row.Token;
}

// A desktop of known folders while the rows run: home, XDG homes, system
// folders and the user's own names for desktop, documents and the rest.
class SpecialFolderRow : public ::testing::TestWithParam<Row> {
public:
    static void SetUpTestSuite() {
        home_ = std::make_unique<test::TempFolder>();
        Set("HOME", home_->Path());
        Set("XDG_CONFIG_HOME", home_->File("cfg"));
        Set("XDG_DATA_HOME", home_->File("data"));
        Set("XDG_CACHE_HOME", home_->File("cache"));
        Set("XDG_DATA_DIRS", "/sysdata/first:/sysdata/second");
        Set("XDG_CONFIG_DIRS", "/sysconf/first:/sysconf/second");
        std::filesystem::create_directories(home_->File("cfg"));
        std::ofstream dirs(home_->File("cfg/user-dirs.dirs"));
        dirs << "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n"
                "XDG_DOCUMENTS_DIR=\"$HOME/Dokumente\"\n"
                "XDG_MUSIC_DIR=\"$HOME/Musik\"\n"
                "XDG_VIDEOS_DIR=\"$HOME/Filme\"\n"
                "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n"
                "XDG_TEMPLATES_DIR=\"$HOME/Vorlagen\"\n"
                "XDG_PUBLICSHARE_DIR=\"$HOME/Gemeinsam\"\n";
    }
    static void TearDownTestSuite() {
        for (const auto& [name, value] : saved_)
            value ? ::setenv(name.c_str(), value->c_str(), 1) : ::unsetenv(name.c_str());
        saved_.clear();
        home_.reset();
    }

protected:
    static std::string Home() { return home_->Path(); }

private:
    static void Set(const std::string& name, const std::string& value) {
        const char* old = std::getenv(name.c_str());
        saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
        ::setenv(name.c_str(), value.c_str(), 1);
    }
    static inline std::unique_ptr<test::TempFolder> home_;
    static inline std::map<std::string, std::optional<std::string>> saved_;
};

TEST_P(SpecialFolderRow, ResolvesToItsDesktopFolder) {
    const auto& row = GetParam();
    const std::string expected = row.Expected.starts_with("~")
                                     ? Home() + row.Expected.substr(1)
                                     : row.Expected;
    EXPECT_EQ(ResolveSpecialFolder(row.Token), expected);
}

// Every token of the table, in index order, and where it lies on the known desktop.
const Row kRows[] = {
    {"[Desktop]", "~/Bureau"},
    {"[Internet]", ""},
    {"[Programs]", "~/data/applications"},
    {"[Controls]", ""},
    {"[Printers]", ""},
    {"[Personal]", "~/Dokumente"},
    {"[Favorites]", ""},
    {"[Startup]", "~/cfg/autostart"},
    {"[Recent]", ""},
    {"[SendTo]", ""},
    {"[BitBucket]", ""},
    {"[StartMenu]", "~/data/applications"},
    {"[MyDocuments]", "~/Dokumente"},
    {"[MyMusic]", "~/Musik"},
    {"[MyVideo]", "~/Filme"},
    {"[DesktopDirectory]", "~/Bureau"},
    {"[Drives]", ""},
    {"[Network]", ""},
    {"[Nethood]", ""},
    {"[Fonts]", "~/data/fonts"},
    {"[Templates]", "~/Vorlagen"},
    {"[CommonStartMenu]", "/sysdata/first/applications"},
    {"[CommonPrograms]", "/sysdata/first/applications"},
    {"[CommonStartup]", "/sysconf/first/autostart"},
    {"[CommonDesktopDirectory]", ""},
    {"[AppData]", "~/cfg"},
    {"[Printhood]", ""},
    {"[LocalAppData]", "~/data"},
    {"[ALTStartup]", "~/cfg/autostart"},
    {"[CommonALTStartup]", "/sysconf/first/autostart"},
    {"[CommonFavorites]", ""},
    {"[InternetCache]", "~/cache"},
    {"[Cookies]", ""},
    {"[History]", ""},
    {"[CommonAppData]", "/sysdata/first"},
    {"[Windows]", ""},
    {"[System]", ""},
    {"[ProgramFiles]", ""},
    {"[MyPictures]", "~/Bilder"},
    {"[Profile]", "~"},
    {"[SystemX86]", ""},
    {"[ProgramFilesX86]", ""},
    {"[ProgramFilesCommon]", ""},
    {"[ProgramFilesCommonX86]", ""},
    {"[CommonTemplates]", ""},
    {"[CommonDocuments]", "~/Gemeinsam"},
    {"[CommonAdminTools]", ""},
    {"[AdminTools]", ""},
    {"[Connections]", ""},
    {"[CommonMusic]", ""},
    {"[CommonPictures]", ""},
    {"[CommonVideo]", ""},
    {"[Resources]", ""},
    {"[ResourcesLocalized]", ""},
    {"[CommonOEMLinks]", ""},
    {"[CDBurnArea]", ""},
    {"[ComputersNearMe]", ""},
};

INSTANTIATE_TEST_SUITE_P(EveryToken, SpecialFolderRow, ::testing::ValuesIn(kRows));

TEST(SpecialFolderTokens, RowsCoverTheTableInOrder) {
    ASSERT_EQ(std::size(kRows), SpecialFolders().size());
    for (std::size_t i = 0; i < std::size(kRows); ++i)
        EXPECT_EQ(kRows[i].Token, "[" + SpecialFolders()[i].Name + "]");
}

TEST(SpecialFolderTokens, Form) {
    EXPECT_TRUE(IsSpecialFolderToken("[X]"));
    EXPECT_FALSE(IsSpecialFolderToken("[]"));
    EXPECT_FALSE(IsSpecialFolderToken("[Desktop"));
    EXPECT_FALSE(IsSpecialFolderToken("/tmp/[Desktop]"));
    EXPECT_EQ(ResolveSpecialFolder("[desktop]"), ""); // names compare exactly
}

} // namespace
} // namespace brelvane::platform
