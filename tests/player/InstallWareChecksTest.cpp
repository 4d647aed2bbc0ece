#include "player/InstallWareChecks.h"

#include "platform/FileTypes.h"
#include "platform/MessageBoxes.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <set>

namespace brelvane::test {
namespace {

// File types answered from a list of extensions, each question noted.
class FakeFileTypes final : public platform::FileTypes {
public:
    FakeFileTypes(std::set<std::string> viewed, std::vector<std::string>& asked)
        : viewed_(std::move(viewed)), asked_(asked) {}
    bool HasViewerFor(const std::string& extension) override {
        asked_.push_back(extension);
        return viewed_.contains(extension);
    }

private:
    std::set<std::string> viewed_;
    std::vector<std::string>& asked_;
};

struct Message {
    platform::TMessageKind Kind;
    std::string Caption;
    std::string Text;
};

// A project with an installer file "setup.sh", a shell that records, the
// desktop viewing ".txt" files and the user answering `Answer`.
struct InstallFixture {
    PlayerProject Project;
    RecordingShell Shell;
    ErrorCollector Errors;
    std::vector<std::string> Asked;
    std::vector<Message> Messages;
    bool Answer = true;
    std::unique_ptr<platform::FileTypes> previousTypes_;
    platform::MessageResponder previousResponder_;

    InstallFixture() {
        WriteFileBytes(Project.File("setup.sh"), {'#', '!'});
        previousTypes_ = platform::SetFileTypes(
            std::make_unique<FakeFileTypes>(std::set<std::string>{".txt"}, Asked));
        previousResponder_ = platform::SetMessageResponder(
            [this](platform::TMessageKind kind, const QString& caption, const QString& text) {
                Messages.push_back({kind, caption.toStdString(), text.toStdString()});
                return Answer;
            });
    }
    ~InstallFixture() {
        platform::SetFileTypes(std::move(previousTypes_));
        platform::SetMessageResponder(previousResponder_);
    }
    TInstallWare& Add(std::int32_t when, const std::string& executable = "\\setup.sh") {
        auto record = std::make_unique<TInstallWare>();
        record->Executable = executable;
        record->When = when;
        record->FileType = ".pdf (Adobe Acrobat Document)";
        record->Prompt = false;
        Project.Index().Settings.InstallWares.push_back(std::move(record));
        return *Project.Index().Settings.InstallWares.back();
    }
    std::string Base() const { return PlayerEnvironment().Source.BaseFolder; }
};

TEST(InstallWare, ViewerExtensionIsTheTextFromTheFirstDotToABlankOrBracket) {
    EXPECT_EQ(ViewerExtension(".pdf (Adobe Acrobat Document)"), ".pdf");
    EXPECT_EQ(ViewerExtension("Word .doc(Word Document)"), ".doc");
    EXPECT_EQ(ViewerExtension(".tar.gz archive"), ".tar.gz");
    EXPECT_EQ(ViewerExtension(".txt"), ".txt");
    EXPECT_EQ(ViewerExtension("pdf"), "");
    EXPECT_EQ(ViewerExtension(""), "");
}

TEST(InstallWare, MissingInstallerIsSkippedWithoutAQuestion) {
    InstallFixture f;
    f.Add(1, "");
    f.Add(1, "\\missing.exe").Prompt = true;
    EXPECT_FALSE(AnyInstallerPresent());
    RunInstallWareChecks(nullptr);
    EXPECT_TRUE(f.Shell.Requests.empty());
    EXPECT_TRUE(f.Messages.empty());
    // One record with its installer in place is enough, wherever it stands in the list.
    f.Add(2);
    EXPECT_TRUE(AnyInstallerPresent());
}

TEST(InstallWare, IfNoViewerRunsOnlyWhenTheDesktopHasNoneForTheExtension) {
    InstallFixture f;
    f.Add(0).FileType = "Text .txt (Plain)";
    f.Add(0).Parameters = "pdf";
    f.Add(0).FileType = "no extension";
    f.Add(2);
    RunInstallWareChecks(nullptr);
    EXPECT_EQ(f.Asked, (std::vector<std::string>{".txt", ".pdf"}));
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0].Parameters, "pdf");
}

TEST(InstallWare, AlwaysRunsWithoutAskingForAViewer) {
    InstallFixture f;
    auto& record = f.Add(1);
    record.Wait = false;
    record.Parameters = "/quiet";
    record.StartFolder = "\\setup";
    std::filesystem::create_directory(f.Project.File("setup"));
    RunInstallWareChecks(nullptr);
    EXPECT_TRUE(f.Asked.empty());
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0], (platform::ShellRequest{"open", f.Project.File("setup.sh"),
                                                           "/quiet", f.Project.File("setup"), 1}));
    EXPECT_FALSE(f.Shell.Waited[0]);
}

TEST(InstallWare, WaitRunsToTheEndInTheBaseFolder) {
    InstallFixture f;
    f.Add(1);
    f.Shell.Code = platform::scFileNotFound;
    RunInstallWareChecks(nullptr);
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0],
              (platform::ShellRequest{"Open", f.Project.File("setup.sh"), "", f.Base(), 1}));
    EXPECT_TRUE(f.Shell.Waited[0]);
    // A failed start is not reported.
    EXPECT_TRUE(f.Errors.Messages().empty());
}

TEST(InstallWare, AnsweringNoSkipsTheRecordAndTheNextIsTested) {
    InstallFixture f;
    auto& asked = f.Add(1);
    asked.Prompt = true;
    asked.PromptCaption = "Install Reader";
    asked.PromptText = "Install the reader?";
    f.Add(1, "\\SETUP.SH").Parameters = "second";
    f.Answer = false;
    RunInstallWareChecks(nullptr);
    ASSERT_EQ(f.Messages.size(), 1u);
    EXPECT_EQ(f.Messages[0].Kind, platform::TMessageKind::Question);
    EXPECT_EQ(f.Messages[0].Caption, "Install Reader");
    EXPECT_EQ(f.Messages[0].Text, "Install the reader?");
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0].Parameters, "second");
}

TEST(InstallWare, WithoutAllowSkipThePromptOnlyInforms) {
    InstallFixture f;
    auto& record = f.Add(1);
    record.Prompt = true;
    record.AllowSkip = false;
    f.Answer = false;
    RunInstallWareChecks(nullptr);
    ASSERT_EQ(f.Messages.size(), 1u);
    EXPECT_EQ(f.Messages[0].Kind, platform::TMessageKind::Information);
    EXPECT_EQ(f.Shell.Requests.size(), 1u);
}

} // namespace
} // namespace brelvane::test
