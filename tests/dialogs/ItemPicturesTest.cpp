// The item editors' pictures: "Select..." (or a click on the picture) opens
// the image editor; what it gives lands in the item, a cancel changes nothing.
#include "dialogs/DialogsFixture.h"
#include "dialogs/ImageEditorForm.h"
#include "dialogs/ListItemsForm.h"
#include "dialogs/MenuEditorForm.h"
#include "dialogs/PictureSelect.h"
#include "dialogs/ToolButtonsForm.h"
#include "dialogs/ViewItemsForm.h"
#include "render/PictureImage.h"
#include "storage/StorageTestSupport.h"

#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

// A 6 x 4 PNG, red with a transparent right half.
TPicture RedPng() {
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(Qt::red);
    for (int y = 0; y < 4; ++y)
        for (int x = 3; x < 6; ++x)
            image.setPixelColor(x, y, Qt::transparent);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {TPictureKind::Png, {bytes.begin(), bytes.end()}};
}

// Answers the next image editor: takes `picture` and OK, or cancels.
void AnswerImageEditor(std::optional<TPicture> picture, bool* opened) {
    OnNextDialog([picture, opened](QWidget* dialog) {
        auto* editor = qobject_cast<TImageEditorForm*>(dialog);
        *opened = editor != nullptr;
        if (!editor) return static_cast<QDialog*>(dialog)->reject();
        if (!picture) return editor->reject();
        editor->TakePicture(*picture);
        editor->accept();
    });
}

struct ItemPicturesTest : DialogsFixture, ::testing::Test {
    bool Opened = false;
    // Presses `select` (or clicks the picture box) and answers the image
    // editor: takes `picture`, or cancels without one; true when it opened.
    bool Edit(QWidget* select, std::optional<TPicture> picture) {
        Opened = false;
        AnswerImageEditor(std::move(picture), &Opened);
        if (auto* button = qobject_cast<QPushButton*>(select))
            button->click();
        else
            QTest::mouseClick(select, Qt::LeftButton);
        return Opened;
    }
};

TEST_F(ItemPicturesTest, AMenuItemTakesABitmapOfThePictureAndLosesItWhenCleared) {
    std::vector<TMenuEditorForm::TLoaded> nodes;
    TMenuItem file;
    file.Caption = "File";
    ASSERT_TRUE(LoadMenuNodes({file}, nodes));
    TMenuEditorForm form(nullptr, Context, std::move(nodes));
    EXPECT_FALSE(form.SelectImageButton()->isEnabled());
    form.Tree()->setCurrentItem(form.Tree()->topLevelItem(0));
    ASSERT_TRUE(form.SelectImageButton()->isEnabled());

    EXPECT_TRUE(Edit(form.SelectImageButton(), std::nullopt));
    EXPECT_FALSE(form.Modified());

    ASSERT_TRUE(Edit(form.SelectImageButton(), RedPng()));
    std::vector<TMenuItem> items;
    ASSERT_TRUE(form.Result(items));
    const auto& bitmap = items[0].Bitmap;
    ASSERT_EQ(bitmap.Kind, TPictureKind::Bitmap);
    const auto drawn = PictureImageOf(bitmap);
    ASSERT_EQ(drawn->Size(), QSize(6, 4));
    // The picture drawn on a white bitmap: its transparent half shows white.
    EXPECT_EQ(drawn->Frames[0].pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(drawn->Frames[0].pixelColor(5, 3), QColor(Qt::white));
    EXPECT_TRUE(form.Modified());
    EXPECT_FALSE(form.Image()->pixmap().isNull());

    // A click on the picture opens the editor as well; a cleared picture
    // leaves no bitmap.
    EXPECT_TRUE(Edit(form.Image(), TPicture{}));
    ASSERT_TRUE(form.Result(items));
    EXPECT_TRUE(items[0].Bitmap.Empty());
    EXPECT_TRUE(form.Image()->pixmap().isNull());
}

TEST_F(ItemPicturesTest, AListItemTakesThePictureAsItIs) {
    TItemList list;
    list.Items.resize(2);
    list.Items[0].Caption = "One";
    list.Items[1].Caption = "Two";
    TListItemsForm form(nullptr, Context, list, TFont{}, 0xFFFFFF);
    EXPECT_FALSE(form.SelectIconButton()->isEnabled());
    form.Preview()->setCurrentRow(1);

    EXPECT_TRUE(Edit(form.Icon(), std::nullopt));
    EXPECT_FALSE(form.Modified());
    EXPECT_TRUE(form.Items()[1].Icon.Empty());

    ASSERT_TRUE(Edit(form.SelectIconButton(), RedPng()));
    EXPECT_EQ(form.Items()[1].Icon, RedPng());
    EXPECT_TRUE(form.Items()[0].Icon.Empty());
    EXPECT_EQ(form.Preview()->currentRow(), 1);
    EXPECT_FALSE(form.Icon()->pixmap().isNull());
    EXPECT_TRUE(form.Modified());
}

TEST_F(ItemPicturesTest, AViewItemTakesThePictureEvenWhenLinked) {
    TTreeNode node;
    std::vector<TListBoxItem> items(2);
    items[0].Caption = "Linked";
    items[0].TreeNode = &node;
    items[0].Icon = test::SamplePicture(TPictureKind::Bitmap);
    items[1].Caption = "Free";
    TViewItemsForm form(nullptr, Context, items, QSize(16, 16));
    form.View()->setCurrentItem(form.View()->topLevelItem(0));
    ASSERT_TRUE(form.SelectIconButton()->isEnabled());

    EXPECT_TRUE(Edit(form.SelectIconButton(), std::nullopt));
    EXPECT_EQ(form.Items()[0].Icon, test::SamplePicture(TPictureKind::Bitmap));
    EXPECT_FALSE(form.Modified());

    const QImage before = form.View()->topLevelItem(0)->icon(0).pixmap(16, 16).toImage();
    ASSERT_TRUE(Edit(form.SelectIconButton(), RedPng()));
    EXPECT_EQ(form.Items()[0].Icon, RedPng());
    EXPECT_EQ(form.Items()[0].TreeNode, &node);
    EXPECT_NE(form.View()->topLevelItem(0)->icon(0).pixmap(16, 16).toImage(), before);
    EXPECT_TRUE(form.Modified());
}

TEST_F(ItemPicturesTest, AToolButtonTakesThePictureAndASeparatorOffersNone) {
    std::vector<TAuToolButton> buttons(2);
    buttons[0].Caption = "Home";
    buttons[1].Caption = "-";
    buttons[1].Separator = true;
    TToolButtonsForm form(nullptr, Context, buttons, QSize(24, 24));
    form.List()->setCurrentRow(1);
    EXPECT_FALSE(form.SelectImageButton()->isEnabled());
    form.List()->setCurrentRow(0);
    ASSERT_TRUE(form.SelectImageButton()->isEnabled());

    EXPECT_TRUE(Edit(form.SelectImageButton(), std::nullopt));
    EXPECT_FALSE(form.Modified());

    ASSERT_TRUE(Edit(form.SelectImageButton(), RedPng()));
    EXPECT_EQ(form.Buttons()[0].Picture, RedPng());
    EXPECT_TRUE(form.Buttons()[1].Picture.Empty());
    EXPECT_EQ(form.List()->currentRow(), 0);
    // The thumbnail shows the picture: red at the left of the tile.
    const QImage thumbnail = form.List()->item(0)->icon().pixmap(24, 24).toImage();
    EXPECT_EQ(thumbnail.pixelColor(1, 12), QColor(Qt::red));
    EXPECT_TRUE(form.Modified());
}

TEST(MenuBitmapOf, AnUndrawablePictureGivesNoBitmap) {
    EnsureDialogsApplication();
    EXPECT_TRUE(MenuBitmapOf({}).Empty());
    TPicture damaged{TPictureKind::Png, {0x89, 'P', 'N', 'G'}};
    EXPECT_TRUE(MenuBitmapOf(damaged).Empty());
}

} // namespace
} // namespace brelvane
