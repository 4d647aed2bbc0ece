#include "objects/records/ObjectKinds.h"
#include "platform/MessageBoxes.h"
#include "player/ActionInterpreter.h"
#include "player/CopyThenOpen.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

TEST(ShowHideObjects, OnlyFourListsApplyThoseAndFail) {
    PlayerProject project;
    auto page = TestPage("Main", pkMainPage);
    for (const char* group : {"Top", "Top", "Bottom"}) {
        auto* object = AddObjectRecord(page.Objects, okButton, 0, 0);
        object->Props.GroupName = group;
    }
    project.AddPage(page);
    TAutoRunForm form;
    ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
    auto& objects = form.Page().Objects;
    const auto name = objects[2]->Props.Name;
    // Groups: hide Top, disable Bottom; the object lists never arrive.
    const std::string four = "\x01Top\r\n\x01\x01"
                             "Bottom\r\n\x01" +
                             name + "\r\n";
    EXPECT_FALSE(ExecuteAction(form, Action(atShowHideObjects, four)));
    EXPECT_FALSE(objects[0]->Props.Visible);
    EXPECT_FALSE(objects[1]->Props.Visible);
    EXPECT_TRUE(objects[2]->Props.Visible);
    EXPECT_FALSE(objects[2]->Props.Enabled);
    auto* control = dynamic_cast<QWidget*>(objects[0]->Control.get());
    ASSERT_NE(control, nullptr);
    EXPECT_TRUE(control->isHidden());

    const std::string eight =
        "Top\r\n\x01\x01\x01\x01\x01" + name + "\r\n\x01" + name + "\r\n\x01\x01";
    EXPECT_TRUE(ExecuteAction(form, Action(atShowHideObjects, eight)));
    EXPECT_TRUE(objects[0]->Props.Visible);
    EXPECT_FALSE(control->isHidden());
    EXPECT_FALSE(objects[2]->Props.Visible);
    EXPECT_TRUE(objects[2]->Props.Enabled);
}

// A project with a source file and folder and a target folder outside it.
struct CopyFixture {
    PlayerProject Project;
    RecordingShell Shell;
    TempFolder Target;
    std::vector<platform::TMessageKind> Asked;
    bool Answer = true;
    platform::MessageResponder Previous;

    CopyFixture() {
        WriteFileBytes(Project.File("setup.sh"), {'n', 'e', 'w'});
        fs::create_directories(Project.File("Data/Sub"));
        WriteFileBytes(Project.File("Data/a.txt"), {'a'});
        WriteFileBytes(Project.File("Data/Sub/b.txt"), {'b'});
        Previous = platform::SetMessageResponder(
            [this](platform::TMessageKind kind, const QString&, const QString&) {
                Asked.push_back(kind);
                return Answer;
            });
    }
    ~CopyFixture() { platform::SetMessageResponder(Previous); }

    std::string Argument(const std::string& source, bool overwrite, const std::string& type,
                         const std::string& open = "") {
        return ArgumentTo(Target.Path(), source, overwrite, type, open);
    }
    std::string ArgumentTo(const std::string& target, const std::string& source, bool overwrite,
                           const std::string& type, const std::string& open = "") {
        return source + "\x01" + target + "\x01" + (overwrite ? "Y" : " ") + "\x01Y\x01" +
               "Caption\x01Text\x01" + type + "\x01" + open + "\x01-x\x01\x01";
    }
};

TEST(CopyThenOpen, AnsweredNoCopiesAndOpensNothing) {
    CopyFixture f;
    f.Answer = false;
    EXPECT_FALSE(CopyThenOpen(nullptr, f.Argument("setup.sh", true, "1", "setup.sh")));
    EXPECT_EQ(f.Asked, std::vector{platform::TMessageKind::Question});
    EXPECT_FALSE(fs::exists(f.Target.File("setup.sh")));
    EXPECT_TRUE(f.Shell.Requests.empty());
}

TEST(CopyThenOpen, FileCopiedUnlessPresentWithoutOverwriteThenOpened) {
    CopyFixture f;
    WriteFileBytes(f.Target.File("setup.sh"), {'o', 'l', 'd'});
    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("setup.sh", false, "0", "setup.sh")));
    EXPECT_EQ(ReadFileBytes(f.Target.File("setup.sh")), (Bytes{'o', 'l', 'd'}));
    EXPECT_TRUE(f.Asked.empty()); // nothing to copy, no message
    ASSERT_EQ(f.Shell.Requests.size(), 1u);
    EXPECT_EQ(f.Shell.Requests[0],
              (platform::ShellRequest{"open", f.Target.File("setup.sh"), "-x", "", 1}));

    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("\\setup.sh", true, "0")));
    EXPECT_EQ(ReadFileBytes(f.Target.File("setup.sh")), (Bytes{'n', 'e', 'w'}));
    EXPECT_EQ(f.Asked, std::vector{platform::TMessageKind::Information});
    EXPECT_EQ(f.Shell.Requests.size(), 1u); // no file to open

    EXPECT_FALSE(CopyThenOpen(nullptr, f.Argument("missing.sh", true, "0")));
    EXPECT_FALSE(CopyThenOpen(nullptr, f.Argument("  ", true, "0")));
}

TEST(CopyThenOpen, ExistingTreeIsKeptAndOnlyMissingFilesAreAdded) {
    CopyFixture f;
    EXPECT_FALSE(TreeComplete(f.Project.File("Data"), f.Target.Path()));
    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("Data", false, "2")));
    EXPECT_EQ(ReadFileBytes(f.Target.File("Sub/b.txt")), (Bytes{'b'}));
    EXPECT_TRUE(TreeComplete(f.Project.File("Data"), f.Target.Path()));

    WriteFileBytes(f.Target.File("a.txt"), {'A'});
    fs::remove(f.Target.File("Sub/b.txt"));
    f.Answer = true;
    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("Data", false, "1")));
    EXPECT_EQ(f.Asked.size(), 1u);
    EXPECT_EQ(ReadFileBytes(f.Target.File("a.txt")), (Bytes{'A'}));
    EXPECT_EQ(ReadFileBytes(f.Target.File("Sub/b.txt")), (Bytes{'b'}));

    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("Data", false, "1")));
    EXPECT_EQ(f.Asked.size(), 1u); // complete tree: no copy, no question
    EXPECT_TRUE(CopyThenOpen(nullptr, f.Argument("Data", true, "1")));
    EXPECT_EQ(ReadFileBytes(f.Target.File("a.txt")), (Bytes{'a'}));
}

// "Drives" is a virtual folder: no path on any system.
TEST(CopyThenOpen, UnmappedSpecialFolderCopiesNothingAndSaysWhich) {
    CopyFixture f;
    ErrorCollector errors;
    const auto before = fs::current_path();
    fs::current_path(f.Target.Path());
    const bool copied =
        CopyThenOpen(nullptr, f.ArgumentTo("[Drives]", "setup.sh", true, "0", "setup.sh"));
    fs::current_path(before);
    EXPECT_FALSE(copied);
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_EQ(errors.Messages()[0], UnmappedFolderText("[Drives]"));
    EXPECT_NE(errors.Messages()[0].find("\"[Drives]\""), std::string::npos);
    // No folder named after the token, no question first, nothing opened.
    EXPECT_TRUE(fs::is_empty(f.Target.Path()));
    EXPECT_TRUE(f.Asked.empty());
    EXPECT_TRUE(f.Shell.Requests.empty());
    // A token that is not in the table at all is refused the same way.
    EXPECT_FALSE(CopyThenOpen(nullptr, f.ArgumentTo("[NoSuchFolder]", "Data", true, "2")));
    EXPECT_EQ(errors.Messages().size(), 2u);
}

} // namespace
} // namespace brelvane::test
