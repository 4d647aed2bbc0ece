#include "app/Cleanup.h"
#include "app/ProjectData.h"
#include "project/PackageTestSupport.h"
#include "project/PageStream.h"
#include "project/SelfContained.h"
#include "project/TargetFile.h"

#include <QByteArray>
#include <filesystem>
#include <gtest/gtest.h>
#include <optional>

namespace brelvane {
namespace {

namespace fs = std::filesystem;

// The variable that names the system's temporary folder.
#ifdef _WIN32
constexpr char kTemporaryVariable[] = "TMP";
#else
constexpr char kTemporaryVariable[] = "TMPDIR";
#endif

// Points the system's temporary folder somewhere else while alive.
class TemporaryFolderOverride {
public:
    explicit TemporaryFolderOverride(const std::string& folder) {
        if (qEnvironmentVariableIsSet(kTemporaryVariable))
            saved_ = qgetenv(kTemporaryVariable).toStdString();
        qputenv(kTemporaryVariable, QByteArray::fromStdString(folder));
    }
    ~TemporaryFolderOverride() {
        if (saved_)
            qputenv(kTemporaryVariable, QByteArray::fromStdString(*saved_));
        else
            qunsetenv(kTemporaryVariable);
    }
    TemporaryFolderOverride(const TemporaryFolderOverride&) = delete;
    TemporaryFolderOverride& operator=(const TemporaryFolderOverride&) = delete;

private:
    std::optional<std::string> saved_;
};

class AppendedPackage : public ::testing::Test {
protected:
    void SetUp() override {
        test::MakeTree(base.Path(), {{"autorun.exe", player},
                                     {"media/sub/clip.wav", test::Bytes(5000, 7)},
                                     {"media/empty.txt", {}},
                                     {"AutoRunSource/", {}}});
        TPageRecord page;
        page.Caption = "Packed main page";
        page.PageName = "Main Page";
        page.PageKind = pkMainPage;
        ASSERT_TRUE(SavePageFile(base.File("AutoRunSource/Main Page.pg"), page));
        auto entry = std::make_unique<TAutoFormInfo>();
        entry->Name = "Main Page";
        entry->Kind = pkMainPage;
        TProjectIndex index;
        index.Pages.push_back(std::move(entry));
        ASSERT_TRUE(SaveIndexFile(base.File("AutoRunSource/AutoRun.src"), index));
        ASSERT_TRUE(WriteTargetFile(base.Path(), index,
                                    PagesFromSource({dsProjectSource, base.Path(), {}})));
        ASSERT_TRUE(WriteSelfContainedExecutable(base.Path(), executable));
    }

    TProcessState PlayerState() {
        TProcessState state;
        SetProgramPaths(state, executable);
        state.BaseFolder = state.ProgramFolder;
        state.DataSource = ChooseDataSource(state.BaseFolder, state);
        return state;
    }

    // Loading fails with one box carrying `code`, and clean-up leaves the
    // temporary folder as it was.
    void ExpectCleanFailure(TProcessState& state, int code) {
        errors.Clear();
        EXPECT_FALSE(LoadProjectData(state));
        test::ExpectOneError(errors, code);
        RunCleanup(state.CleanupList);
        EXPECT_TRUE(fs::is_empty(temp.Path()));
    }

    const test::Bytes player = test::Bytes(3000, 0x90);
    test::TempFolder temp, base, out;
    TemporaryFolderOverride tmpdir{temp.Path()};
    std::string executable = out.File("menu.exe");
    ErrorCollector errors;
};

TEST_F(AppendedPackage, UnpacksIntoTheFirstFreeFolderAndPlaysFromItsTargetFile) {
    fs::create_directory(temp.File("Brelvane0"));
    fs::create_directory(temp.File("Brelvane1"));
    auto state = PlayerState();
    EXPECT_EQ(state.DataSource, dsAppendedPackage);
    ASSERT_TRUE(LoadProjectData(state));
    EXPECT_TRUE(errors.Messages().empty());

    const auto folder = temp.File("Brelvane2");
    EXPECT_EQ(state.PackageFolder, folder);
    EXPECT_EQ(state.BaseFolder, folder);
    EXPECT_EQ(state.DataSource, dsTargetFile);
    EXPECT_EQ(test::ReadFileBytes(folder + "/autorun.exe"), test::ReadFileBytes(executable));
    EXPECT_EQ(test::ReadFileBytes(folder + "/media/sub/clip.wav"), test::Bytes(5000, 7));
    EXPECT_FALSE(fs::exists(folder + "/AutoRunSource"));

    ASSERT_EQ(state.Project.Pages.size(), 1u);
    TPageRecord page;
    ASSERT_TRUE(LoadPage({dsTargetFile, state.BaseFolder, {}}, *state.Project.Pages[0], page,
                         TPageReadMode::Build, {}));
    EXPECT_EQ(page.Caption, "Packed main page");

    ASSERT_GE(state.CleanupList.size(), 2u);
    EXPECT_EQ(state.CleanupList[0], "D" + folder);
    EXPECT_EQ(state.CleanupList[1], "F" + folder + "/autorun.exe");
    const auto at = [&](const std::string& entry) {
        return std::find(state.CleanupList.begin(), state.CleanupList.end(), entry) -
               state.CleanupList.begin();
    };
    EXPECT_LT(at("D" + folder + "/media"), at("D" + folder + "/media/sub"));
    EXPECT_LT(at("D" + folder + "/media/sub"), at("F" + folder + "/media/sub/clip.wav"));
    EXPECT_LT(at("F" + folder + "/autorun.tgt"), static_cast<long>(state.CleanupList.size()));

    RunCleanup(state.CleanupList);
    EXPECT_FALSE(fs::exists(folder));
    EXPECT_TRUE(fs::is_directory(temp.File("Brelvane1")));
}

TEST_F(AppendedPackage, TruncatedPackageFailsCleanlyAndCleanupLeavesNothing) {
    const auto whole = test::ReadFileBytes(executable);
    const test::Bytes package(whole.begin() + player.size(), whole.end() - 4);
    for (const std::size_t cut :
         {std::size_t{2}, std::size_t{20}, package.size() / 2, package.size() - 1}) {
        SCOPED_TRACE(cut);
        test::WriteFileBytes(executable,
                             test::Executable(player, {package.begin(), package.begin() + cut}));
        auto state = PlayerState();
        ExpectCleanFailure(state, kLoadProjectDataError);
        EXPECT_NE(errors.Messages()[0].find("\"" + temp.File("Brelvane0/autorun.exe") + "\""),
                  std::string::npos);
    }
}

TEST_F(AppendedPackage, HostileNameUnpacksNothingOutsideTheFolder) {
    test::WriteFileBytes(executable, test::Executable(player, test::OneFilePackage("../x", {1})));
    auto state = PlayerState();
    ExpectCleanFailure(state, kLoadProjectDataError);
    EXPECT_FALSE(fs::exists(temp.File("x")));
}

TEST_F(AppendedPackage, MissingTargetFileInThePackage) {
    fs::remove(base.File("autorun.tgt"));
    ASSERT_TRUE(WriteSelfContainedExecutable(base.Path(), executable));
    auto state = PlayerState();
    ExpectCleanFailure(state, kLoadProjectDataError);
}

TEST_F(AppendedPackage, ProgramThatCannotBeCopied) {
    fs::remove(executable);
    auto state = PlayerState();
    ExpectCleanFailure(state, kCopyProgramError);
}

TEST_F(AppendedPackage, NoTemporaryFolder) {
    TemporaryFolderOverride missing(temp.File("missing"));
    auto state = PlayerState();
    ExpectCleanFailure(state, kCreatePackageFolderError);
    EXPECT_TRUE(state.CleanupList.empty());
}

} // namespace
} // namespace brelvane
