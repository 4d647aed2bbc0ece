#include "objects/controls/AuAvi.h"
#include "objects/controls/AuExplorer.h"
#include "objects/controls/AuFlash.h"
#include "objects/controls/AuTextBox.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextBoxPayload.h"
#include "platform/FlashHost.h"
#include "platform/WebEngine.h"
#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"
#include "storage/avi/AviWriter.h"

#include <QLabel>
#include <QTextEdit>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A page with one object of each document and clip kind; no web engine and
// no Flash engine, so that the placeholders stand in.
class LoadFileDocuments : public ::testing::Test {
protected:
    void SetUp() override {
        previousEngine_ = platform::SetWebEngine(nullptr);
        platform::SetFlashEngineFolder(QString("/nonexistent-flash-engine"));
        auto page = TestPage("Main", pkMainPage);
        for (const auto kind : {okTextBox, okRichText, okAVI, okExplorer, okFlash}) {
            auto* object = AddObjectRecord(page.Objects, kind, 0, 0);
            object->Props.Name = "Target" + std::to_string(kind);
        }
        static_cast<TTextBoxPayload&>(*page.Objects[0]->Payload).Text = "old\r\n";
        static_cast<TRichTextPayload&>(*page.Objects[1]->Payload).RichText = "{\\rtf1 old}";
        project.AddPage(page);
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
        WriteFileBytes(project.File("lines.txt"), {'o', 'n', 'e', '\n', 't', 'w', 'o'});
        const std::string rtf = "{\\rtf1\\ansi{\\b bold} text\\par}";
        WriteFileBytes(project.File("doc.rtf"), Bytes(rtf.begin(), rtf.end()));
        TAviContent clip;
        clip.Width = 8;
        clip.Height = 4;
        clip.Palette = {0x000000, 0xff0000};
        const std::vector<std::uint8_t> red(32, 1);
        clip.Frames = {EncodeRle8(red, nullptr, 8, 4)};
        const auto avi = WriteAvi(clip);
        WriteFileBytes(project.File("clip.avi"), Bytes(avi.begin(), avi.end()));
    }
    void TearDown() override {
        platform::SetFlashEngineFolder(std::nullopt);
        platform::SetWebEngine(previousEngine_);
    }

    TAutoObject& Object(std::uint8_t kind) {
        for (auto& object : form.Page().Objects)
            if (object->Kind == kind) return *object;
        throw std::logic_error("no such object");
    }
    template <class P> P& Payload(std::uint8_t kind) {
        return dynamic_cast<P&>(*Object(kind).Payload);
    }
    template <class C> C& Control(std::uint8_t kind) {
        return dynamic_cast<C&>(*Object(kind).Control);
    }
    bool Load(std::uint8_t kind, const std::string& file) {
        return ExecuteAction(form, Action(atLoadFileWithObject, " Target" + std::to_string(kind) +
                                                                    " \x01" + file + "\x01"));
    }

    PlayerProject project;
    TAutoRunForm form;
    platform::WebEngine* previousEngine_ = nullptr;
};

TEST_F(LoadFileDocuments, TheTextBoxTakesTheLinesAndShowsThem) {
    ErrorCollector errors;
    EXPECT_TRUE(Load(okTextBox, "lines.txt"));
    EXPECT_EQ(Payload<TTextBoxPayload>(okTextBox).Text, "one\r\ntwo\r\n");
    EXPECT_EQ(Control<TAuTextBox>(okTextBox).Editor().toPlainText(), "one\ntwo");
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(LoadFileDocuments, TheRichTextBoxTakesRtfAsRichTextAndAnythingElseAsPlainText) {
    ErrorCollector errors;
    EXPECT_TRUE(Load(okRichText, "doc.rtf"));
    auto& rich = Payload<TRichTextPayload>(okRichText);
    EXPECT_EQ(rich.RichText, "{\\rtf1\\ansi{\\b bold} text\\par}");
    EXPECT_FALSE(rich.PlainText);
    auto& box = Control<TAuRichTextBox>(okRichText);
    EXPECT_EQ(box.Editor().toPlainText().trimmed(), "bold text");

    EXPECT_TRUE(Load(okRichText, "lines.txt"));
    EXPECT_EQ(rich.RichText, "one\ntwo");
    EXPECT_TRUE(rich.PlainText);
    EXPECT_EQ(box.Editor().toPlainText(), "one\ntwo");
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(LoadFileDocuments, AnUnreadableTextFileLeavesBothBoxesAsTheyWereWithOneBox) {
    for (const auto kind : {okTextBox, okRichText}) {
        ErrorCollector errors;
        EXPECT_FALSE(Load(kind, "missing.txt"));
        EXPECT_EQ(errors.Messages().size(), 1u);
    }
    EXPECT_EQ(Payload<TTextBoxPayload>(okTextBox).Text, "old\r\n");
    EXPECT_EQ(Payload<TRichTextPayload>(okRichText).RichText, "{\\rtf1 old}");
}

TEST_F(LoadFileDocuments, TheClipOpensAndPlaysAtItsFrameSize) {
    EXPECT_TRUE(Load(okAVI, "clip.avi"));
    EXPECT_EQ(Payload<TAviPayload>(okAVI).FileName, "\\clip.avi");
    auto& clip = Control<TAuAVI>(okAVI);
    EXPECT_TRUE(clip.Playing());
    EXPECT_EQ(clip.FramePicture().size(), QSize(8, 4));
    EXPECT_EQ(clip.FramePicture().pixel(0, 0), 0xffff0000u);
    // Centred in the object.
    EXPECT_EQ(clip.FrameRect(),
              QRect(QPoint((clip.width() - 8) / 2, (clip.height() - 4) / 2), QSize(8, 4)));

    // A file that is no clip stops it and shows nothing, without a message.
    ErrorCollector errors;
    EXPECT_TRUE(Load(okAVI, "lines.txt"));
    EXPECT_FALSE(clip.Playing());
    EXPECT_TRUE(clip.FramePicture().isNull());
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(LoadFileDocuments, TheWebViewShowsTheFileAndFlashTakesTheMovie) {
    EXPECT_TRUE(Load(okExplorer, "docs/page.html"));
    auto& web = Payload<TExplorerPayload>(okExplorer);
    EXPECT_EQ(web.ExplorerType, etFile);
    EXPECT_EQ(web.Location, "\\docs/page.html");
    EXPECT_EQ(Control<TAuExplorer>(okExplorer).NavigatedUrl(),
              QUrl::fromLocalFile(QString::fromStdString(project.File("docs/page.html"))));

    EXPECT_TRUE(Load(okFlash, "intro.swf"));
    EXPECT_EQ(Payload<TFlashPayload>(okFlash).MovieFile, "\\intro.swf");
    auto& flash = Control<TAuFlash>(okFlash);
    EXPECT_FALSE(flash.HasPlayer());
    EXPECT_EQ(flash.Message().text(), kFlashMissingText);
}

} // namespace
} // namespace brelvane::test
