#include "dialogs/ImageEditorForm.h"

#include "dialogs/DialogsFixture.h"
#include "storage/StorageTestSupport.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

// A picture file of `format` made by Qt, `width` by `height`.
std::vector<std::uint8_t> ImageFile(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(QColor(200, 10, 10));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return {bytes.begin(), bytes.end()};
}

struct ImageEditorTest : DialogsFixture, ::testing::Test {
    test::TempFolder Folder;
    std::optional<QString> OpenAnswer;
    std::vector<QString> Filters;
    std::optional<QString> SaveAnswer;
    QString SaveSuffix;
    TImageFilePrompts Prompts{[this](QWidget*, const QString& filter) {
                                  Filters.push_back(filter);
                                  return OpenAnswer;
                              },
                              [this](QWidget*, const QString&, const QString& suffix) {
                                  SaveSuffix = suffix;
                                  return SaveAnswer;
                              }};

    QString Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
        const auto path = Folder.File(name);
        test::WriteFileBytes(path, bytes);
        return QString::fromStdString(path);
    }
    static QPushButton* Button(QWidget* form, const QString& caption) {
        for (auto* button : form->findChildren<QPushButton*>())
            if (button->text() == caption) return button;
        return nullptr;
    }
};

TEST_F(ImageEditorTest, LabelNamesKindAndSizeAndButtonsFollowThePicture) {
    TImageEditorForm empty(nullptr, {}, false, Prompts);
    EXPECT_EQ(empty.KindLabel()->text(), "None  [None]");
    EXPECT_FALSE(Button(&empty, "&Save As...")->isEnabled());
    EXPECT_FALSE(Button(&empty, "&Clear")->isEnabled());
    EXPECT_TRUE(empty.Preview()->PictureRect().isEmpty());

    const TPicture png{TPictureKind::Png, ImageFile("PNG", 40, 30)};
    TImageEditorForm form(nullptr, png, false, Prompts);
    EXPECT_EQ(form.KindLabel()->text(), "PNGImage  [40 X 30]");
    EXPECT_TRUE(Button(&form, "&Save As...")->isEnabled());
    // A picture that fits is shown at its own size, centred.
    const QRect shown = form.Preview()->PictureRect();
    EXPECT_EQ(shown.size(), QSize(40, 30));
    EXPECT_EQ(shown.center(), form.Preview()->rect().center());
    EXPECT_EQ(PictureLabel(test::SamplePicture(TPictureKind::Bitmap)), "Bitmap  [1 X 1]");
}

TEST_F(ImageEditorTest, PreviewShrinksLargePicturesKeepingTheirShape) {
    EXPECT_EQ(PreviewSize({100, 50}, {320, 240}), QSize(100, 50));
    EXPECT_EQ(PreviewSize({640, 240}, {320, 240}), QSize(320, 120));
    EXPECT_EQ(PreviewSize({1000, 3000}, {320, 240}), QSize(80, 240));
    EXPECT_EQ(PreviewSize({321, 1}, {320, 240}), QSize(320, 1));
    EXPECT_EQ(PreviewSize({333, 100}, {320, 240}), QSize(320, 96));
    EXPECT_TRUE(PreviewSize({}, {320, 240}).isEmpty());
}

TEST_F(ImageEditorTest, CheckerboardIsWhiteAndSilverEightPixelSquares) {
    TImageEditorForm form(nullptr, {}, false, Prompts);
    const QImage shot = form.Preview()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(7, 7), QColor(Qt::white));
    EXPECT_EQ(shot.pixelColor(8, 0), QColor(192, 192, 192));
    EXPECT_EQ(shot.pixelColor(0, 8), QColor(192, 192, 192));
    EXPECT_EQ(shot.pixelColor(8, 8), QColor(Qt::white));
}

TEST_F(ImageEditorTest, AcceptingWithoutLoadOrClearIsNoChangeClearingIs) {
    TPicture picture = test::SamplePicture(TPictureKind::Gif);
    const TPicture before = picture;
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(EditImage(nullptr, picture, false, Prompts));
    EXPECT_EQ(picture, before);
    OnNextDialog([](QWidget* dialog) {
        Button(dialog, "&Clear")->click();
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(EditImage(nullptr, picture, false, Prompts));
    EXPECT_EQ(picture, before);
    OnNextDialog([](QWidget* dialog) {
        Button(dialog, "&Clear")->click();
        static_cast<QDialog*>(dialog)->accept();
    });
    EXPECT_TRUE(EditImage(nullptr, picture, false, Prompts));
    EXPECT_TRUE(picture.Empty());
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(ImageEditorTest, LoadTakesPicturesAndRefusesOtherFiles) {
    TImageEditorForm form(nullptr, {}, false, Prompts);
    OpenAnswer = Write("note.png", {'n', 'o', 't', 'e'});
    Button(&form, "&Load...")->click();
    EXPECT_EQ(Messages.Shown.size(), 1u);
    EXPECT_FALSE(form.Changed());
    OpenAnswer = QString::fromStdString(Folder.File("missing.png"));
    Button(&form, "&Load...")->click();
    EXPECT_EQ(Messages.Shown.size(), 2u);
    EXPECT_FALSE(form.Changed());

    const auto jpeg = ImageFile("JPG", 20, 10);
    OpenAnswer = Write("photo.jpg", jpeg);
    Button(&form, "&Load...")->click();
    EXPECT_TRUE(form.Changed());
    EXPECT_EQ(form.Picture().Kind, TPictureKind::Jpeg);
    EXPECT_EQ(form.Picture().Data, jpeg);
    EXPECT_EQ(form.KindLabel()->text(), "JPEGImage  [20 X 10]");
    EXPECT_TRUE(Filters.front().contains("*.png"));

    SaveAnswer = QString::fromStdString(Folder.File("copy.jpg"));
    Button(&form, "&Save As...")->click();
    EXPECT_EQ(SaveSuffix, "jpg");
    EXPECT_EQ(test::ReadFileBytes(SaveAnswer->toStdString()), jpeg);
}

TEST_F(ImageEditorTest, IconOnlyRefusesABitmapAndTakesAnIcon) {
    TImageEditorForm form(nullptr, {}, true, Prompts);
    OpenAnswer = Write("picture.bmp", ImageFile("BMP", 16, 16));
    Button(&form, "&Load...")->click();
    EXPECT_EQ(Filters.back(), "Icons (*.ico)");
    form.accept();
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Information: The image is not an icon."});
    EXPECT_EQ(form.result(), QDialog::Rejected);

    OpenAnswer = Write("good.ico", ImageFile("ICO", 16, 16));
    Button(&form, "&Load...")->click();
    EXPECT_EQ(form.KindLabel()->text(), "Icon  [16 X 16]");
    form.accept();
    EXPECT_EQ(Messages.Shown.size(), 1u);
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST_F(ImageEditorTest, DamagedDataIsRefusedAndKeepsTheDialogOpen) {
    TPicture cut = test::SamplePicture(TPictureKind::Png);
    cut.Data.resize(cut.Data.size() - 12);
    EXPECT_FALSE(PictureRoundTrips(cut));
    EXPECT_TRUE(PictureRoundTrips(test::SamplePicture(TPictureKind::Gif)));
    EXPECT_TRUE(PictureRoundTrips(test::SamplePicture(TPictureKind::Metafile)));

    TImageEditorForm form(nullptr, cut, false, Prompts);
    form.accept();
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Information: The image data is invalid."});
    EXPECT_EQ(form.result(), QDialog::Rejected);
}

} // namespace
} // namespace brelvane
