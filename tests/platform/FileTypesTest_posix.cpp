#include "platform/DesktopFileTypes_posix.h"
#include "storage/StorageTestSupport.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::platform {
namespace {

// A desktop of its own in a temporary folder: user config, one system data folder.
struct XdgTree {
    test::TempFolder Root;
    TXdgFolders Folders;

    XdgTree() {
        for (const char* folder : {"config", "home-data/applications", "data/applications"})
            std::filesystem::create_directories(Root.File(folder));
        Folders.ConfigHome = Q("config");
        Folders.DataHome = Q("home-data");
        Folders.DataDirs = {Q("data")};
    }
    QString Q(const std::string& name) const { return QString::fromStdString(Root.File(name)); }
    void Write(const std::string& name, const std::string& text) {
        test::WriteFileBytes(Root.File(name), {text.begin(), text.end()});
    }
    void Application(const std::string& file, const std::string& extraLines) {
        Write("data/applications/" + file,
              "[Desktop Entry]\nType=Application\nName=App\nExec=app %f\n" + extraLines);
    }
    bool HasViewerFor(const std::string& extension) {
        return DesktopFileTypes(Folders).HasViewerFor(extension);
    }
};

TEST(DesktopFileTypes, DesktopFilesDeclareTheTypesTheyOpen) {
    XdgTree tree;
    tree.Application("viewer.desktop", "MimeType=image/png;application/pdf;\n");
    EXPECT_TRUE(tree.HasViewerFor(".pdf"));
    EXPECT_TRUE(tree.HasViewerFor("PNG"));
    EXPECT_FALSE(tree.HasViewerFor(".rtf"));
    // No extension, and one the MIME database does not know.
    EXPECT_FALSE(tree.HasViewerFor("."));
    EXPECT_FALSE(tree.HasViewerFor(".qqzzunknown"));
}

TEST(DesktopFileTypes, AProgramForAParentTypeOpensTheChildType) {
    XdgTree tree;
    tree.Application("editor.desktop", "MimeType=text/plain;\n");
    // text/csv is a kind of text/plain.
    EXPECT_TRUE(tree.HasViewerFor(".csv"));
    tree.Application("editor.desktop", "MimeType=application/octet-stream;\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
}

TEST(DesktopFileTypes, MimeAppsDefaultsCountOnlyForInstalledApplications) {
    XdgTree tree;
    tree.Write("config/mimeapps.list", "[Default Applications]\napplication/pdf=gone.desktop;\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
    // Installed in a sub-folder: its id is "vendor-reader.desktop".
    std::filesystem::create_directories(tree.Root.File("data/applications/vendor"));
    tree.Application("vendor/reader.desktop", "");
    tree.Write("config/mimeapps.list",
               "[Default Applications]\napplication/pdf=gone.desktop;vendor-reader.desktop;\n");
    EXPECT_TRUE(tree.HasViewerFor(".pdf"));
}

TEST(DesktopFileTypes, RemovedAssociationsAndHiddenEntriesTakeApplicationsAway) {
    XdgTree tree;
    tree.Application("viewer.desktop", "MimeType=application/pdf;\n");
    tree.Write("config/mimeapps.list", "[Removed Associations]\napplication/pdf=viewer.desktop\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));

    // A user's hidden copy hides the system's entry of the same id.
    tree.Write("config/mimeapps.list", "");
    tree.Write("home-data/applications/viewer.desktop", "[Desktop Entry]\nHidden=true\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
    std::filesystem::remove(tree.Root.File("home-data/applications/viewer.desktop"));
    EXPECT_TRUE(tree.HasViewerFor(".pdf"));

    // A program that is not installed.
    tree.Application("viewer.desktop",
                     "MimeType=application/pdf;\nTryExec=/nonexistent/brelvane-viewer\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
}

TEST(DesktopFileTypes, AddedAssociationsOfALaterListComeAfterTheRemovals) {
    XdgTree tree;
    tree.Application("plain.desktop", "");
    tree.Folders.ConfigDirs = {tree.Q("system-config")};
    std::filesystem::create_directories(tree.Root.File("system-config"));
    tree.Write("config/mimeapps.list", "[Removed Associations]\napplication/pdf=plain.desktop;\n");
    tree.Write("system-config/mimeapps.list",
               "[Added Associations]\napplication/pdf=plain.desktop;\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
    tree.Write("config/mimeapps.list", "[Added Associations]\napplication/pdf=plain.desktop;\n");
    EXPECT_TRUE(tree.HasViewerFor(".pdf"));
}

TEST(DesktopFileTypes, DesktopSpecificListsAreRead) {
    XdgTree tree;
    tree.Application("plain.desktop", "");
    tree.Write("config/lxqt-mimeapps.list",
               "[Default Applications]\napplication/pdf=plain.desktop\n");
    EXPECT_FALSE(tree.HasViewerFor(".pdf"));
    tree.Folders.CurrentDesktops = {"lxqt"};
    EXPECT_TRUE(tree.HasViewerFor(".pdf"));
}

TEST(XdgFolders, UnsetOrRelativeFoldersFallBackToTheDefaults) {
    const auto saved = qgetenv("XDG_DATA_DIRS");
    qputenv("XDG_DATA_DIRS", "relative/share:/opt/share:");
    qputenv("XDG_CONFIG_HOME", "not/absolute");
    qputenv("XDG_CURRENT_DESKTOP", "ubuntu:GNOME");
    const auto folders = TXdgFolders::FromEnvironment();
    EXPECT_EQ(folders.DataDirs, QStringList{"/opt/share"});
    EXPECT_EQ(folders.ConfigHome, QDir::homePath() + "/.config");
    EXPECT_EQ(folders.CurrentDesktops, (QStringList{"ubuntu", "gnome"}));
    qputenv("XDG_DATA_DIRS", "relative");
    EXPECT_EQ(TXdgFolders::FromEnvironment().DataDirs,
              (QStringList{"/usr/local/share", "/usr/share"}));
    qputenv("XDG_DATA_DIRS", saved);
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_CURRENT_DESKTOP");
}

} // namespace
} // namespace brelvane::platform
