#include "objects/controls/AuSecurityEdit.h"

#include "controls/ControlTestKit.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ObjectKinds.h"
#include "render/FontConversion.h"
#include "storage/EffectBlock.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace brelvane {
namespace {

using namespace test;

void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(&widget, &press);
    }
}

class AuSecurityEdit : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureApplication(); }

    TEditPayload& Payload() { return PayloadOf<TEditPayload>(*object); }
    TAuSecurityEdit& Make() {
        control = std::make_unique<TAuSecurityEdit>(*object, nullptr);
        return *control;
    }

    std::unique_ptr<TAutoObject> object = MakeObject(okEdit, 121, 25);
    std::unique_ptr<TAuSecurityEdit> control;
};

TEST_F(AuSecurityEdit, TypedTextReachesTheRecordInTheChosenCase) {
    Payload().CharCase = ccUpperCase;
    auto& edit = Make();
    Type(edit.Editor(), "abC1");
    EXPECT_EQ(edit.Editor().text(), "ABC1");
    EXPECT_EQ(Payload().Text, "ABC1");

    Payload().CharCase = ccLowerCase;
    Payload().Text = "MiXed";
    edit.Refresh();
    EXPECT_EQ(edit.Editor().text(), "mixed");
    Type(edit.Editor(), "XY");
    EXPECT_EQ(Payload().Text, "mixedxy");

    Payload().CharCase = ccNormal;
    Payload().Text = "As Typed";
    edit.Refresh();
    Type(edit.Editor(), "Z");
    EXPECT_EQ(Payload().Text, "As TypedZ");
}

TEST_F(AuSecurityEdit, MaximumLengthZeroMeansNoLimit) {
    auto& edit = Make();
    const QString long_(60, QChar('x'));
    Type(edit.Editor(), long_);
    EXPECT_EQ(edit.Editor().text(), long_);

    Payload().MaxLength = 4;
    Payload().Text.clear();
    edit.Refresh();
    Type(edit.Editor(), "123456");
    EXPECT_EQ(edit.Editor().text(), "1234");
    EXPECT_EQ(Payload().Text, "1234");
}

TEST_F(AuSecurityEdit, PasswordCharacterIsShownForEveryCharacter) {
    Payload().PasswordChar = '#';
    auto& edit = Make();
    Type(edit.Editor(), "abcd");
    EXPECT_EQ(edit.Editor().displayText(), "####");
    EXPECT_EQ(Payload().Text, "abcd");

    // An ANSI byte is the character of its code page: 0x95 is a bullet.
    Payload().PasswordChar = 0x95;
    edit.Refresh();
    EXPECT_EQ(edit.Editor().displayText(), QString(4, QChar(0x2022)));

    Payload().PasswordChar = 0;
    edit.Refresh();
    EXPECT_EQ(edit.Editor().displayText(), "abcd");
}

TEST_F(AuSecurityEdit, LooksComeFromTheRecord) {
    Payload().Text = "hello";
    Payload().Color = RGB(0, 0, 200);
    Payload().Font.Color = RGB(250, 0, 0);
    Payload().Font.Size = 12;
    Payload().BorderStyle = ebNone;
    Payload().AutoSize = false;
    Payload().Height = 40;
    auto& edit = Make();
    EXPECT_EQ(edit.Editor().text(), "hello");
    EXPECT_FALSE(edit.Editor().hasFrame());
    EXPECT_EQ(edit.Editor().font(), ToQFont(Payload().Font));
    EXPECT_EQ(edit.size(), QSize(121, 40));
    const QImage image = Render(edit);
    EXPECT_EQ(QColor(image.pixel(115, 20)), QColor(0, 0, 200));
    EXPECT_TRUE(BoundsOf(image, QColor(250, 0, 0)).isValid());

    Payload().BorderStyle = ebSingle;
    Payload().AutoSize = true;
    edit.Refresh();
    EXPECT_TRUE(edit.Editor().hasFrame());
    EXPECT_EQ(edit.height(), edit.Editor().sizeHint().height());
}

TEST_F(AuSecurityEdit, PointerOnTheEditBoxIsTheObjects) {
    auto& edit = Make();
    std::vector<QPoint> pressed;
    int clicked = 0;
    QObject::connect(&edit, &TObjectWidget::MouseDown,
                     [&](TObjectWidget*, Qt::MouseButton, QPoint at) { pressed.push_back(at); });
    QObject::connect(&edit, &TObjectWidget::Clicked, [&](TObjectWidget*) { ++clicked; });
    SendPress(edit.Editor(), {7, 9});
    SendRelease(edit.Editor(), {7, 9});
    EXPECT_EQ(pressed, std::vector<QPoint>{QPoint(7, 9)});
    EXPECT_EQ(clicked, 1);
}

} // namespace
} // namespace brelvane
