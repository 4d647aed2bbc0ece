#include "dialogs/ToolButtonsForm.h"

#include "dialogs/DialogsFixture.h"
#include "dialogs/ItemActionPanel.h"
#include "storage/ErrorReport.h"
#include "storage/StorageTestSupport.h"

#include <QBuffer>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

TAuToolButton ToolButton(const std::string& caption) {
    TAuToolButton button;
    button.Caption = caption;
    button.Hint = caption + " hint";
    button.Picture = test::SamplePicture(TPictureKind::Png);
    button.Action.ActionType = 9;
    return button;
}

TAuToolButton Separator() {
    TAuToolButton separator;
    separator.Caption = "-";
    separator.Separator = true;
    return separator;
}

std::vector<TAuToolButton> SampleBar() {
    return {ToolButton("Home"), Separator(), ToolButton("Quit")};
}

std::string Captions(const std::vector<TAuToolButton>& buttons) {
    std::string text;
    for (const auto& button : buttons)
        text += button.Caption + " ";
    return text;
}

struct ToolButtonsTest : DialogsFixture, ::testing::Test {
    TToolButtonsForm Form{nullptr, Context, SampleBar(), QSize(24, 20)};
};

TEST_F(ToolButtonsTest, ThumbnailsAtTheBarsImageSize) {
    EXPECT_EQ(Form.windowTitle(), "Tool Bar Buttons Editor");
    ASSERT_EQ(Form.List()->count(), 3);
    EXPECT_EQ(Form.List()->iconSize(), QSize(24, 20));
    const QImage blank = ButtonThumbnail({}, QSize(24, 20), Qt::white);
    EXPECT_EQ(blank.size(), QSize(24, 20));
    EXPECT_EQ(blank.pixelColor(3, 3), QColor(Qt::white));
    QImage red(4, 4, QImage::Format_RGB32);
    red.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(red.save(&buffer, "PNG"));
    const TPicture picture{TPictureKind::Png, {png.begin(), png.end()}};
    const QImage drawn = ButtonThumbnail(picture, QSize(24, 20), Qt::white);
    EXPECT_EQ(drawn.size(), QSize(24, 20));
    EXPECT_EQ(drawn.pixelColor(12, 10), QColor(Qt::red));
}

TEST_F(ToolButtonsTest, SeparatorsAndNoSelectionDisableTheProperties) {
    EXPECT_FALSE(Form.CaptionEdit()->isEnabled());
    EXPECT_FALSE(Form.DeleteButton()->isEnabled());
    Form.List()->setCurrentRow(1);
    EXPECT_FALSE(Form.CaptionEdit()->isEnabled());
    EXPECT_FALSE(Form.HintEdit()->isEnabled());
    EXPECT_FALSE(Form.ActionPanel()->ActionList()->isEnabled());
    EXPECT_TRUE(Form.DeleteButton()->isEnabled());
    Form.List()->setCurrentRow(2);
    EXPECT_TRUE(Form.CaptionEdit()->isEnabled());
    EXPECT_EQ(Form.HintEdit()->text(), "Quit hint");
    EXPECT_EQ(Form.ActionPanel()->ActionList()->currentText(), "Exit");
}

TEST_F(ToolButtonsTest, AddMoveAndDelete) {
    Form.AddSeparatorButton()->click();
    Form.AddButton()->click();
    EXPECT_EQ(Captions(Form.Buttons()), "Home - Quit - New Button ");
    EXPECT_TRUE(Form.Buttons()[3].Separator);
    EXPECT_FALSE(Form.Buttons()[4].Separator);
    EXPECT_EQ(Form.List()->currentRow(), 4);
    QTest::keyClicks(Form.HintEdit(), "Go");
    EXPECT_EQ(Form.Buttons()[4].Hint, "Go");
    Form.UpButton()->click();
    EXPECT_EQ(Captions(Form.Buttons()), "Home - Quit New Button - ");
    EXPECT_EQ(Form.List()->currentRow(), 3);
    // A drop moves the entry to the target's place either way.
    Form.MoveEntry(3, 0);
    EXPECT_EQ(Captions(Form.Buttons()), "New Button Home - Quit - ");
    EXPECT_EQ(Form.List()->currentRow(), 0);
    EXPECT_FALSE(Form.UpButton()->isEnabled());
    Form.MoveEntry(0, 3);
    EXPECT_EQ(Captions(Form.Buttons()), "Home - Quit New Button - ");
    Form.DeleteButton()->click();
    EXPECT_EQ(Captions(Form.Buttons()), "Home - Quit - ");
    Form.ClearButton()->click();
    EXPECT_TRUE(Form.Buttons().empty());
    EXPECT_TRUE(Form.Modified());
}

TEST_F(ToolButtonsTest, EntryCopiesBackOnlyAnAcceptedChange) {
    auto buttons = SampleBar();
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditToolButtons(nullptr, Context, buttons, QSize(16, 16)));
    EXPECT_EQ(buttons, SampleBar());
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TToolButtonsForm*>(dialog);
        form->List()->setCurrentRow(0);
        form->CaptionEdit()->selectAll();
        QTest::keyClicks(form->CaptionEdit(), "Start");
        form->accept();
    });
    ASSERT_TRUE(EditToolButtons(nullptr, Context, buttons, QSize(16, 16)));
    EXPECT_EQ(Captions(buttons), "Start - Quit ");
    EXPECT_EQ(buttons[0].Picture, SampleBar()[0].Picture);
}

TEST_F(ToolButtonsTest, ADamagedButtonIsReportedOnce) {
    auto buttons = SampleBar();
    buttons[2].Picture.Data.resize(3);
    const auto before = buttons;
    ErrorCollector errors;
    EXPECT_FALSE(EditToolButtons(nullptr, Context, buttons, QSize(16, 16)));
    // The damaged part reports with its own code, once.
    ASSERT_EQ(errors.Messages().size(), 1u);
    EXPECT_NE(errors.Messages()[0].find("/1056)"), std::string::npos) << errors.Messages()[0];
    EXPECT_EQ(buttons, before);
}

} // namespace
} // namespace brelvane
