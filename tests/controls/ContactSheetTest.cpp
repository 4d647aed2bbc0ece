// All 38 shapes in several fills and the image button in its states and
// layouts on one page; the sheet is written to $BRELVANE_CONTACT_SHEET when set.

#include "controls/ControlTestKit.h"
#include "objects/controls/AuImageButton.h"
#include "objects/controls/ControlFactory.h"
#include "objects/records/ButtonPayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ShapePayload.h"

#include <QWidget>
#include <cstdlib>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

constexpr int kCellWidth = 84, kCellHeight = 64, kGap = 6;

struct TFill {
    std::int32_t Style, BorderWidth;
};
constexpr TFill kFills[] = {{0, 0}, {0, 3}, {1, 1}, {5, 0}, {8, 2}, {1006, 1}, {1004, 0}};

TEST(ContactSheet, EveryShapeAndImageButtonCellShowsSomething) {
    EnsureApplication();
    QWidget page;
    page.setAutoFillBackground(true);
    QPalette palette = page.palette();
    palette.setColor(QPalette::Window, QColor(200, 214, 230));
    page.setPalette(palette);

    TAutoObjects objects;
    std::vector<QRect> cells;
    const auto place = [&](std::unique_ptr<TAutoObject> object, int column, int row) {
        object->Payload->Left = kGap + column * (kCellWidth + kGap);
        object->Payload->Top = kGap + row * (kCellHeight + kGap);
        cells.emplace_back(object->Payload->Left, object->Payload->Top, object->Payload->Width,
                           object->Payload->Height);
        object->SetControl(CreateObjectControl(*object, &page));
        objects.push_back(std::move(object));
    };
    int row = 0;
    for (const auto& fill : kFills) {
        for (int shape = 0; shape < 38; ++shape) {
            auto object = MakeObject(okShape, kCellWidth, kCellHeight);
            auto& payload = PayloadOf<TShapePayload>(*object);
            payload.Shape = shape;
            payload.FillStyle = fill.Style;
            payload.FillColor = RGB(255, 200, 40);
            payload.GradientColor = RGB(20, 60, 200);
            payload.BorderWidth = fill.BorderWidth;
            payload.BorderColor = RGB(120, 0, 0);
            payload.Parameter = 24;
            place(std::move(object), shape % 19, row + shape / 19);
        }
        row += 2;
    }
    const TPicture picture = PngPicture(14, 12, QColor(40, 160, 60));
    for (int layout = ilLeft; layout <= ilStretch; ++layout)
        for (int state = 0; state < 3; ++state) {
            auto object = MakeObject(okImageButton, kCellWidth, 40);
            auto& payload = PayloadOf<TImageButtonPayload>(*object);
            payload.ImageLayout = static_cast<std::uint8_t>(layout);
            payload.NormalImage = picture;
            payload.MouseOverImage = PngPicture(14, 12, QColor(230, 120, 20));
            payload.MouseDownImage = PngPicture(14, 12, QColor(160, 40, 160));
            payload.Caption = "Go";
            payload.ButtonStyle = static_cast<std::uint8_t>(state == 0 ? ibsNormal : ibsFlat);
            place(std::move(object), layout * 3 + state, row);
            auto& button =
                static_cast<QWidget&>(*dynamic_cast<TObjectWidget*>(objects.back()->Control.get()));
            if (state >= 1) SendEnter(button);
            if (state == 2) SendPress(button);
        }
    page.resize(kGap + 19 * (kCellWidth + kGap), kGap + (row + 1) * (kCellHeight + kGap));

    QImage sheet(page.size(), QImage::Format_ARGB32);
    page.render(&sheet);
    if (const char* path = std::getenv("BRELVANE_CONTACT_SHEET")) sheet.save(path);

    const QRgb background = page.palette().color(QPalette::Window).rgba();
    for (const QRect& cell : cells) {
        bool drawn = false;
        for (int y = cell.top(); y <= cell.bottom() && !drawn; ++y)
            for (int x = cell.left(); x <= cell.right() && !drawn; ++x)
                drawn = sheet.pixel(x, y) != background;
        EXPECT_TRUE(drawn) << "cell at " << cell.x() << "," << cell.y();
    }
}

} // namespace
} // namespace brelvane
