#include "objects/controls/AuFlash.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/ObjectKinds.h"
#include "platform/FlashHost.h"
#include "player/PlayerProject.h"
#include "player/RecordingShell.h"
#include "storage/swf/SwfWriter.h"
#include "web/WebTestSupport.h"

#include <QLabel>
#include <QMouseEvent>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A shown main page holding one Flash object playing "\movie.swf".
struct FlashPage {
    PlayerProject Project;
    RecordingShell Shell;
    TAutoRunForm Form;

    explicit FlashPage(bool loop = true) {
        TSwfContent content;
        content.Width = 320;
        content.Height = 240;
        content.Frames = {{10, 10, 40, 30, 0xff0000}, {60, 40, 40, 30, 0x0000ff}};
        const auto movie = WriteSwf(content);
        WriteFileBytes(Project.File("movie.swf"), Bytes(movie.begin(), movie.end()));
        auto page = TestPage("Main", pkMainPage);
        auto* object = AddObjectRecord(page.Objects, okFlash, 0, 0);
        auto* flash = dynamic_cast<TFlashPayload*>(object->Payload.get());
        flash->MovieFile = "movie.swf";
        flash->Loop = loop;
        Project.AddPage(page);
        EXPECT_TRUE(Form.BuildPage("Main", TPageReadMode::Build));
        Form.show();
    }
    TAuFlash& Flash() {
        auto* flash = dynamic_cast<TAuFlash*>(Form.Page().Objects.front()->Control.get());
        EXPECT_NE(flash, nullptr);
        return *flash;
    }
};

TEST(Flash, AWrittenMovieLoadsAndTheEngineReportsItsFrameSize) {
    ASSERT_FALSE(platform::FlashEngineFolder().isEmpty()) << "no Flash engine beside the tests";
    for (bool loop : {true, false}) {
        FlashPage page(loop);
        ASSERT_TRUE(page.Flash().HasPlayer());
        EXPECT_EQ(page.Flash().Movie(), page.Project.File("movie.swf"));
        EXPECT_TRUE(page.Flash().Message().isHidden());
        const QVariant size =
            ScriptValue(*page.Flash().Player(),
                        "window.brelvaneError ? 'error: ' + window.brelvaneError : "
                        "(window.brelvaneMovie ? window.brelvaneMovie.width + 'x' + "
                        "window.brelvaneMovie.height : null)",
                        60000);
        EXPECT_EQ(size.toString(), "320x240") << "loop " << loop;
    }
}

TEST(Flash, WithoutTheEngineTheLabelSaysSoAndAClickOpensTheHelpAddress) {
    platform::SetFlashEngineFolder(QString("/nonexistent-flash-engine"));
    FlashPage page;
    platform::SetFlashEngineFolder(std::nullopt);
    EXPECT_FALSE(page.Flash().HasPlayer());
    QLabel& label = page.Flash().Message();
    EXPECT_EQ(label.text(), "Flash player is not installed.\r\nPlease click here to get it.");
    EXPECT_TRUE(label.isVisible());
    EXPECT_TRUE(label.font().bold());
    EXPECT_EQ(label.palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_TRUE(label.wordWrap());
    EXPECT_EQ(label.alignment(), Qt::AlignCenter);
    EXPECT_EQ(label.cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(&label, Qt::LeftButton);
    ASSERT_EQ(page.Shell.Requests.size(), 1u);
    EXPECT_EQ(page.Shell.Requests[0].Verb, "open");
    EXPECT_EQ(page.Shell.Requests[0].File, kFlashHelpAddress);
}

} // namespace
} // namespace brelvane::test
