#include "dialogs/ColorBox.h"
#include "dialogs/ColorNames.h"
#include "dialogs/ColorPalette.h"
#include "dialogs/DialogsFixture.h"
#include "dialogs/SelectColorForm.h"
#include "render/SystemColors.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

constexpr std::int32_t Rgb(int r, int g, int b) {
    return r | (g << 8) | (b << 16);
}

struct ColorEditorTest : DialogsFixture, ::testing::Test {
    std::vector<std::int32_t> Starts;
    std::optional<std::int32_t> CustomAnswer;
    TColorPrompt Prompt = [this](QWidget*, std::int32_t start) {
        Starts.push_back(start);
        return CustomAnswer;
    };

    static void Click(QWidget* form, const QString& caption) {
        for (auto* button : form->findChildren<QPushButton*>())
            if (button->text() == caption) button->click();
    }
    static int IndexOf(const QComboBox& box, const QString& text) { return box.findText(text); }
};

TEST_F(ColorEditorTest, BoxListsNamedColoursNoneAndKeepsOthersAsCustom) {
    TColorBox box(nullptr, Prompt);
    EXPECT_EQ(box.itemText(0), "Custom...");
    EXPECT_EQ(box.itemText(box.count() - 1), "None");
    EXPECT_EQ(box.count(), static_cast<int>(ColorList().size()) + 2);
    EXPECT_GE(IndexOf(box, "Money Green"), 0);
    EXPECT_GE(IndexOf(box, "Btn Face"), 0);

    box.SetValue(Rgb(255, 0, 0));
    EXPECT_EQ(box.currentText(), "Red");
    box.SetValue(SystemColorValue(COLOR_INFOBK));
    EXPECT_EQ(box.currentText(), "Info Bk");
    box.SetValue(kColorNone);
    EXPECT_EQ(box.currentText(), "None");
    EXPECT_EQ(ColorName(kColorNone), "None");
    box.SetValue(Rgb(1, 2, 3));
    EXPECT_EQ(box.currentIndex(), 0);
    EXPECT_EQ(box.Value(), Rgb(1, 2, 3));
}

TEST_F(ColorEditorTest, BoxAsksForACustomColourAndKeepsItsChoiceWhenCancelled) {
    TColorBox box(nullptr, Prompt);
    box.SetValue(Rgb(0, 0, 255));
    std::vector<std::int32_t> chosen;
    QObject::connect(&box, &TColorBox::ValueChosen,
                     [&chosen](std::int32_t value) { chosen.push_back(value); });
    emit box.activated(0);
    ASSERT_EQ(Starts.size(), 1u);
    EXPECT_EQ(Starts[0], Rgb(0, 0, 255));
    EXPECT_TRUE(chosen.empty());
    EXPECT_EQ(box.currentText(), "Blue");

    CustomAnswer = Rgb(10, 20, 30);
    emit box.activated(0);
    EXPECT_EQ(chosen, std::vector{Rgb(10, 20, 30)});
    EXPECT_EQ(box.Value(), Rgb(10, 20, 30));
    // A custom answer that is a listed colour selects its entry.
    CustomAnswer = Rgb(255, 255, 0);
    emit box.activated(0);
    EXPECT_EQ(box.currentText(), "Yellow");
    box.setCurrentIndex(IndexOf(box, "Lime"));
    emit box.activated(box.currentIndex());
    EXPECT_EQ(chosen.back(), Rgb(0, 255, 0));
}

TEST_F(ColorEditorTest, PaletteClickSkipsTheBackgroundBelowThenAbove) {
    const auto& layout = PaletteLayout();
    const QImage& picture = layout.Picture;
    const QRect first = layout.Rows.front().front();
    const auto inside = PaletteColorAt(picture, first.center());
    ASSERT_TRUE(inside);
    EXPECT_EQ(*inside, ColorValueOf(QColor(picture.pixel(first.center()))));
    // Just above the swatch: the pixel below is the swatch.
    EXPECT_EQ(PaletteColorAt(picture, {first.center().x(), first.top() - 1}), inside);
    // Just below it: the pixel above is the swatch.
    EXPECT_EQ(PaletteColorAt(picture, {first.center().x(), first.bottom() + 1}), inside);
    // Two pixels off, or outside the picture, nothing is picked.
    EXPECT_FALSE(PaletteColorAt(picture, {first.center().x(), first.top() - 2}));
    EXPECT_FALSE(PaletteColorAt(picture, {0, 0}));
    EXPECT_FALSE(PaletteColorAt(picture, {-1, 5}));
    EXPECT_FALSE(PaletteColorAt(picture, {picture.width(), 5}));
}

TEST_F(ColorEditorTest, WhiteAndBlackHaveMarkersOfTheirOwnOthersAreSearched) {
    const auto& layout = PaletteLayout();
    EXPECT_EQ(PaletteMarker(layout, Rgb(255, 255, 255)), layout.White);
    EXPECT_EQ(PaletteMarker(layout, 0), layout.Black);
    EXPECT_EQ(PaletteMarker(layout, Rgb(128, 0, 0)).value_or(QRect()).isEmpty(), false);
    const QRect swatch = layout.Rows[2][5];
    EXPECT_EQ(PaletteMarker(layout, ColorValueOf(QColor(layout.Picture.pixel(swatch.center())))),
              swatch);
    EXPECT_FALSE(PaletteMarker(layout, Rgb(1, 2, 3)));
    EXPECT_FALSE(PaletteMarker(layout, kColorNone));
}

TEST_F(ColorEditorTest, FormShowsTheChosenColourEverywhereAndPicksOnThePalette) {
    TSelectColorForm form(nullptr, Rgb(0, 0, 128), Prompt);
    EXPECT_EQ(form.ValueLabel()->text(), "00800000");
    EXPECT_EQ(form.Box()->currentText(), "Navy");
    EXPECT_TRUE(form.Palette()->Marker());

    const auto& layout = PaletteLayout();
    QTest::mouseClick(form.Palette(), Qt::LeftButton, {}, layout.White.center());
    EXPECT_EQ(form.Chosen(), Rgb(255, 255, 255));
    EXPECT_EQ(form.ValueLabel()->text(), "00FFFFFF");
    EXPECT_EQ(form.Palette()->Marker(), layout.White);
    EXPECT_EQ(form.Box()->currentText(), "White");
    EXPECT_EQ(form.findChild<QLabel*>("New")->palette().color(QPalette::Window), QColor(Qt::white));
    EXPECT_EQ(form.findChild<QLabel*>("Current")->palette().color(QPalette::Window),
              QColor(0, 0, 128));

    // The background changes nothing.
    QTest::mouseClick(form.Palette(), Qt::LeftButton, {}, QPoint(1, 1));
    EXPECT_EQ(form.Chosen(), Rgb(255, 255, 255));

    CustomAnswer = Rgb(1, 2, 3);
    Click(&form, "&Custom...");
    EXPECT_EQ(Starts, std::vector{Rgb(255, 255, 255)});
    EXPECT_EQ(form.Chosen(), Rgb(1, 2, 3));
    EXPECT_EQ(form.ValueLabel()->text(), "00030201");
    EXPECT_FALSE(form.Palette()->Marker());
}

TEST_F(ColorEditorTest, OnlyAnAcceptedDifferentColourIsReturned) {
    std::int32_t color = Rgb(0, 128, 0);
    OnNextDialog([](QWidget* dialog) { static_cast<QDialog*>(dialog)->accept(); });
    EXPECT_FALSE(SelectColor(nullptr, color, Prompt));
    OnNextDialog([](QWidget* dialog) {
        static_cast<TSelectColorForm*>(dialog)->SetChosen(0);
        static_cast<QDialog*>(dialog)->reject();
    });
    EXPECT_FALSE(SelectColor(nullptr, color, Prompt));
    // Picking another colour and then the input again is no change.
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSelectColorForm*>(dialog);
        form->SetChosen(0);
        form->SetChosen(Rgb(0, 128, 0));
        form->accept();
    });
    EXPECT_FALSE(SelectColor(nullptr, color, Prompt));
    EXPECT_EQ(color, Rgb(0, 128, 0));
    OnNextDialog([](QWidget* dialog) {
        auto* form = static_cast<TSelectColorForm*>(dialog);
        form->SetChosen(SystemColorValue(COLOR_BTNFACE));
        form->accept();
    });
    EXPECT_TRUE(SelectColor(nullptr, color, Prompt));
    EXPECT_EQ(color, SystemColorValue(COLOR_BTNFACE));
}

} // namespace
} // namespace brelvane
