#include "objects/records/ImagePayload.h"
#include "objects/records/LabelPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/SimpleTextPayload.h"
#include "objects/records/TextPayload.h"
#include "player/ActionInterpreter.h"
#include "player/PlayerProject.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

// A page with one object of every kind that takes a file, each showing "old".
class LoadFileWithObject : public ::testing::Test {
protected:
    void SetUp() override {
        auto page = TestPage("Main", pkMainPage);
        for (const auto kind : kKinds) {
            auto* object = AddObjectRecord(page.Objects, kind, 0, 0);
            object->Props.Name = "Target" + std::to_string(kind);
            if (kind == okImage)
                static_cast<TImagePayload&>(*object->Payload).ImageNormal = OldPicture();
            else
                *Text(*object) = "old\r\n";
        }
        project.AddPage(page);
        ASSERT_TRUE(form.BuildPage("Main", TPageReadMode::Build));
        WriteFileBytes(project.File("lines.txt"), {'o', 'n', 'e', '\n', 't', 'w', 'o'});
        WriteFileBytes(project.File("picture.png"), PngPrototype().Data);
    }

    static TPicture OldPicture() {
        TPicture picture;
        picture.Kind = TPictureKind::Bitmap;
        picture.Data = {'B', 'M'};
        picture.Data.resize(40);
        return picture;
    }

    // The text a file replaces in a text kind.
    static std::string* Text(TAutoObject& object) {
        if (object.Kind == okFadeLabel)
            return &static_cast<TFadeLabelPayload&>(*object.Payload).Text.Lines;
        if (object.Kind == okText || object.Kind == okScrollText)
            return object.Payload->ViewerText();
        return object.Payload->CaptionText();
    }

    TAutoObject& Object(std::uint8_t kind) {
        for (auto& object : form.Page().Objects)
            if (object->Kind == kind) return *object;
        throw std::logic_error("no such object");
    }

    bool Load(std::uint8_t kind, const std::string& file) {
        return ExecuteAction(form, Action(atLoadFileWithObject, " Target" + std::to_string(kind) +
                                                                    " \x01" + file + "\x01"));
    }

    static constexpr std::uint8_t kKinds[] = {okImage,       okLabel,  okFadeLabel,
                                              okText,        okScrollText, okSimpleText};
    PlayerProject project;
    TAutoRunForm form;
};

TEST_F(LoadFileWithObject, EveryTextKindTakesTheFilesLines) {
    ErrorCollector errors;
    for (const auto kind : kKinds) {
        if (kind == okImage) continue;
        SCOPED_TRACE(int{kind});
        EXPECT_TRUE(Load(kind, "lines.txt"));
        EXPECT_EQ(*Text(Object(kind)), "one\r\ntwo\r\n");
    }
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(LoadFileWithObject, AnImageTakesThePicture) {
    ErrorCollector errors;
    EXPECT_TRUE(Load(okImage, "\\picture.png"));
    EXPECT_EQ(static_cast<TImagePayload&>(*Object(okImage).Payload).ImageNormal, PngPrototype());
    EXPECT_TRUE(errors.Messages().empty());
}

TEST_F(LoadFileWithObject, AMissingFileIsReportedOnceAndEveryKindKeepsWhatItShowed) {
    for (const auto kind : kKinds) {
        SCOPED_TRACE(int{kind});
        ErrorCollector errors;
        EXPECT_FALSE(Load(kind, "missing.txt"));
        ASSERT_EQ(errors.Messages().size(), 1u);
        EXPECT_EQ(errors.Messages()[0],
                  "The specified file \"" + project.File("missing.txt") + "\" was not found.");
        if (kind == okImage)
            EXPECT_EQ(static_cast<TImagePayload&>(*Object(kind).Payload).ImageNormal,
                      OldPicture());
        else
            EXPECT_EQ(*Text(Object(kind)), "old\r\n");
    }
}

TEST_F(LoadFileWithObject, AFileThatIsNoPictureLeavesTheImageAsItWas) {
    ErrorCollector errors;
    EXPECT_FALSE(Load(okImage, "lines.txt"));
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("lines.txt"), std::string::npos);
    EXPECT_EQ(static_cast<TImagePayload&>(*Object(okImage).Payload).ImageNormal, OldPicture());
    // A folder cannot be read as a file either.
    std::filesystem::create_directory(project.File("folder"));
    EXPECT_FALSE(Load(okLabel, "folder"));
    EXPECT_EQ(errors.Messages().size(), 2u);
    EXPECT_EQ(*Text(Object(okLabel)), "old\r\n");
}

} // namespace
} // namespace brelvane::test
