#include "dialogs/LaunchSlideShowActionForm.h"

#include "dialogs/DialogsFixture.h"
#include "render/TransitionStyles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

struct SlideShowTest : DialogsFixture, ::testing::Test {};

TEST_F(SlideShowTest, StyleListHasRandomThenEveryStyleByNumber) {
    TLaunchSlideShowActionForm form(nullptr, Context, ReadSlideShowSettings("").Settings);
    auto* styles = form.StyleBox();
    ASSERT_EQ(styles->count(), 151);
    EXPECT_EQ(styles->itemText(0), "0 - Random");
    EXPECT_EQ(styles->itemText(1),
              QString("1 - ") + QString::fromLatin1(TransitionStyles()[0].Name));
    EXPECT_TRUE(styles->itemText(150).startsWith("150 - "));
}

TEST_F(SlideShowTest, DefaultsFillWhatTheTextDoesNotReach) {
    const auto reading = ReadSlideShowSettings("\\pics\x01 \x01"
                                               "12\x01");
    ASSERT_FALSE(reading.BadNumber);
    TLaunchSlideShowActionForm form(nullptr, Context, reading.Settings);
    EXPECT_EQ(form.FolderEdit()->text(), "\\pics");
    EXPECT_FALSE(form.LoopBox()->isChecked());
    EXPECT_EQ(form.StyleBox()->currentIndex(), 12);
    EXPECT_EQ(form.ImageStyleBox()->currentText(), "ShrinkFit");
    EXPECT_EQ(form.StepSpin()->value(), 4);
    EXPECT_EQ(form.StepDelaySpin()->value(), 50);
    EXPECT_EQ(form.IntervalSpin()->value(), 2);
    EXPECT_EQ(form.Text(), "\\pics\x01 \x01"
                           "12\x01"
                           "3\x01"
                           "4\x01"
                           "50\x01"
                           "2\x01"
                           "0\x01\x01");
}

TEST_F(SlideShowTest, AFullTextRoundTripsByteForByte) {
    const std::string text = "\\photos\x01Y\x01"
                             "0\x01"
                             "2\x01"
                             "7\x01"
                             "120\x01"
                             "5\x01"
                             "16711680\x01\\music\\a.mp3\x01";
    TLaunchSlideShowActionForm form(nullptr, Context, ReadSlideShowSettings(text).Settings);
    EXPECT_EQ(form.BackgroundBox()->Value(), 16711680);
    EXPECT_EQ(form.BackgroundBox()->currentText(), "Blue");
    EXPECT_EQ(form.Text(), text);
}

TEST_F(SlideShowTest, BackgroundComesFromTheColourBoxNamedOrCustom) {
    std::optional<std::int32_t> answer;
    const auto prompt = [&answer](QWidget*, std::int32_t) { return answer; };
    // A colour outside the list shows as the custom entry and is kept.
    TLaunchSlideShowActionForm form(nullptr, Context,
                                    ReadSlideShowSettings("\\p\x01Y\x01"
                                                          "0\x01"
                                                          "3\x01"
                                                          "4\x01"
                                                          "50\x01"
                                                          "2\x01"
                                                          "1193046\x01\x01")
                                        .Settings,
                                    prompt);
    auto* box = form.BackgroundBox();
    EXPECT_EQ(box->currentText(), "Custom...");
    EXPECT_FALSE(form.Modified().IsSet());
    // Choosing a listed colour marks the dialog and writes its decimal value.
    const int red = box->findText("Red");
    ASSERT_GT(red, 0);
    box->setCurrentIndex(red);
    emit box->activated(red);
    EXPECT_TRUE(form.Modified().IsSet());
    EXPECT_NE(form.Text().find("\x01"
                               "255\x01"),
              std::string::npos);
    // "Custom..." asks for a colour; a cancelled prompt keeps red.
    emit box->activated(0);
    EXPECT_EQ(box->Value(), 255);
    answer = 0x0a141e;
    emit box->activated(0);
    EXPECT_EQ(form.Text(), "\\p\x01Y\x01"
                           "0\x01"
                           "3\x01"
                           "4\x01"
                           "50\x01"
                           "2\x01"
                           "660510\x01\x01");
}

TEST_F(SlideShowTest, ANonNumericFieldGivesOneMessageAndNoChange) {
    std::string text = "\\pics\x01Y\x01"
                       "abc\x01"
                       "3\x01";
    const auto original = text;
    EXPECT_FALSE(EditSlideShowAction(nullptr, Context, text));
    EXPECT_EQ(text, original);
    EXPECT_EQ(Messages.Shown,
              (std::vector<std::string>{"Error: 'abc' is not a valid integer value"}));
}

TEST_F(SlideShowTest, OnlyAModifiedDialogWritesBack) {
    std::string text;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditSlideShowAction(nullptr, Context, text));
    EXPECT_EQ(text, "");
    FileAnswers = {"\\music\\loop.wav"};
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TLaunchSlideShowActionForm*>(dialog);
        form->IntervalSpin()->setValue(9);
        for (auto* button : form->findChildren<QPushButton*>())
            if (button->text() == "S&elect...") button->click();
        form->accept();
    });
    ASSERT_TRUE(EditSlideShowAction(nullptr, Context, text));
    EXPECT_EQ(text, "\x01Y\x01"
                    "0\x01"
                    "3\x01"
                    "4\x01"
                    "50\x01"
                    "9\x01"
                    "0\x01\\music\\loop.wav\x01");
    EXPECT_EQ(Purposes, (std::vector{TFilePurpose::Sound}));
}

} // namespace
} // namespace brelvane
