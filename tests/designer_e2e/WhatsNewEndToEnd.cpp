#include "designer/DesignerFixture.h"
#include "designer/DesignerSettings.h"
#include "designer/TipsForm.h"

#include <QAction>
#include <QTest>
#include <QTextBrowser>
#include <filesystem>

namespace brelvane::test {
namespace {

namespace fs = std::filesystem;

// What a What's New box showed, and how it was answered.
struct ShownBox {
    int Count = 0;
    QString Text;
    bool CheckVisible = false;
};

// Answers every What's New box that opens while it lives: the check box is
// left ticked or unticked, then OK.
class BoxAnswerer {
public:
    BoxAnswerer(ShownBox& seen, bool keepTicked) {
        timer_.setInterval(5);
        QObject::connect(&timer_, &QTimer::timeout, [&seen, keepTicked] {
            auto* form = qobject_cast<TTipsForm*>(QApplication::activeModalWidget());
            if (!form || !form->isVisible()) return;
            ++seen.Count;
            seen.Text = form->Text()->toPlainText();
            seen.CheckVisible = form->ShowCheck()->isVisibleTo(form);
            form->ShowCheck()->setChecked(keepTicked);
            form->accept();
        });
        timer_.start();
    }

private:
    QTimer timer_;
};

// Gives the start's one-shot check ample time to fire.
void LetTheStartCheckRun() {
    QTest::qWait(400);
}

TEST(DesignerEndToEnd, WhatsNewShowsAtStartUntilItIsSwitchedOffForThisVersion) {
    DesignerFixture f(BRELVANE_PROGRAM);
    // The build puts the box's text beside the program.
    fs::copy_file(fs::path(BRELVANE_PROGRAM).parent_path() / "Tips.rtf", f.Program + "/Tips.rtf");
    f.NewProject();
    ASSERT_TRUE(f.Form->Save1Click());
    const std::string ini = f.Program + "/Brelvane.ini";
    const TDesignerPaths paths = f.Form->Paths();
    const auto restart = [&] {
        f.Form = std::make_unique<TMainForm>(paths, std::make_unique<ScriptedPickerDialogs>());
        ASSERT_TRUE(f.Form->Start(f.Base, false, nullptr));
    };
    ASSERT_FALSE(f.Form->DesignerVersion().empty());

    {
        ShownBox seen;
        BoxAnswerer answer(seen, true);
        restart();
        LetTheStartCheckRun();
        EXPECT_EQ(seen.Count, 1);
        EXPECT_TRUE(seen.Text.contains("Welcome to Brelvane")) << seen.Text.toStdString();
        EXPECT_TRUE(seen.CheckVisible);
        EXPECT_EQ(ReadTipsVersion(ini), "");
    }
    {
        ShownBox seen;
        BoxAnswerer answer(seen, false);
        f.Form->Action("WhatsNew1")->trigger();
        EXPECT_EQ(seen.Count, 1);
        EXPECT_TRUE(seen.CheckVisible);
        EXPECT_EQ(ReadTipsVersion(ini), f.Form->DesignerVersion());
    }
    {
        ShownBox seen;
        BoxAnswerer answer(seen, true);
        restart();
        LetTheStartCheckRun();
        EXPECT_EQ(seen.Count, 0);
        f.Form->Action("WhatsNew1")->trigger();
        EXPECT_EQ(seen.Count, 1);
        EXPECT_FALSE(seen.CheckVisible);
        EXPECT_EQ(ReadTipsVersion(ini), f.Form->DesignerVersion());
    }
    // Another version of the designer asks again.
    ASSERT_TRUE(WriteTipsVersion(ini, "0.0.1"));
    {
        ShownBox seen;
        BoxAnswerer answer(seen, true);
        restart();
        LetTheStartCheckRun();
        EXPECT_EQ(seen.Count, 1);
    }
}

} // namespace
} // namespace brelvane::test
