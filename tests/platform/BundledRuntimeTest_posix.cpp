#include "platform/BundledRuntime.h"

#include "platform/GuiApplication.h"
#include "platform/Shell.h"
#include "storage/StorageTestSupport.h"

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::platform {
namespace {

namespace fs = std::filesystem;

std::string Variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "(unset)";
}

// Puts the process's plug-in paths and variables back after a test.
struct SavedProcessState {
    QStringList LibraryPaths = (test::EnsureGuiApplication(), QCoreApplication::libraryPaths());
    ~SavedProcessState() {
        QCoreApplication::setLibraryPaths(LibraryPaths);
        const auto restored = ChildEnvironment();
        for (const char* name : {"GST_PLUGIN_SYSTEM_PATH_1_0", "GST_PLUGIN_PATH_1_0",
                                 "GST_PLUGIN_SCANNER_1_0", "GST_REGISTRY_1_0"}) {
            if (restored.contains(name))
                ::setenv(name, restored.value(name).toLocal8Bit().constData(), 1);
            else
                ::unsetenv(name);
        }
    }
};

TEST(BundledRuntime, AProgramFolderWithoutItChangesNothing) {
    SavedProcessState saved;
    test::TempFolder program;
    // A folder of that name without libraries is no runtime.
    fs::create_directories(program.File("AutoRunRuntime/plugins"));
    const auto before = Variable("GST_REGISTRY_1_0");
    EXPECT_FALSE(UseBundledRuntime(program.Path(), program.Path()));
    EXPECT_EQ(QCoreApplication::libraryPaths(), saved.LibraryPaths);
    EXPECT_EQ(Variable("GST_REGISTRY_1_0"), before);
}

TEST(BundledRuntime, PointsPlugInsThereAndStartedProgramsBackToTheirOwn) {
    SavedProcessState saved;
    test::TempFolder program;
    const auto runtime = program.File("AutoRunRuntime");
    fs::create_directories(runtime + "/lib");
    ::setenv("GST_PLUGIN_PATH_1_0", "/the/user's/plug-ins", 1);
    ::unsetenv("GST_PLUGIN_SYSTEM_PATH_1_0");
    ASSERT_TRUE(UseBundledRuntime(program.Path(), "/scratch"));

    EXPECT_EQ(QCoreApplication::libraryPaths(),
              QStringList{QString::fromStdString(runtime + "/plugins")});
    EXPECT_EQ(Variable("GST_PLUGIN_SYSTEM_PATH_1_0"), runtime + "/gstreamer");
    EXPECT_EQ(Variable("GST_PLUGIN_PATH_1_0"), "");
    EXPECT_EQ(Variable("GST_PLUGIN_SCANNER_1_0"), runtime + "/libexec/gst-plugin-scanner");
    EXPECT_EQ(Variable("GST_REGISTRY_1_0"), "/scratch/brelvane-gstreamer.bin");

    // A program the menu starts finds the variables as they were before.
    const auto launcher = CreateProcessLauncher();
    ProcessRequest request;
    request.Program = "/bin/sh";
    request.Arguments = {"-c", "echo \"${GST_PLUGIN_PATH_1_0}|${GST_PLUGIN_SYSTEM_PATH_1_0-unset}|"
                               "${GST_REGISTRY_1_0-unset}\""};
    EXPECT_EQ(launcher->Query(request).toStdString(), "/the/user's/plug-ins|unset|unset");
    ::unsetenv("GST_PLUGIN_PATH_1_0");
}

} // namespace
} // namespace brelvane::platform
