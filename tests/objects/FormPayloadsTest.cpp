#include "objects/ObjectTestSupport.h"
#include "objects/records/AgreementPayload.h"
#include "objects/records/EditPayload.h"
#include "objects/records/ObjectKinds.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

Bytes BoundsBytes(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return Concat({Int32Bytes(left), Int32Bytes(top), Int32Bytes(width), Int32Bytes(height)});
}

// Reads `bytes` completely and without a message, and writes them back unchanged.
template <class P, class Read, class Write>
P ReadExactly(const Bytes& bytes, Read read, Write write) {
    TMemoryStream stream(bytes);
    P back;
    ErrorCollector errors;
    EXPECT_TRUE(read(stream, back));
    EXPECT_TRUE(errors.Messages().empty());
    EXPECT_EQ(stream.Remaining(), 0u);
    EXPECT_EQ(Stored(write, back), bytes);
    return back;
}

TEST(EditPayload, DefaultsAreThoseOfANewEditBox) {
    const TEditPayload p;
    EXPECT_EQ(p.ErrorMessage, "Invalid text, please retry.");
    EXPECT_EQ(p.ErrorCaption, "Invalid");
    EXPECT_EQ(p.FailedMessage, "Invalid text, exit.");
    EXPECT_EQ(p.FailedCaption, "Invalid");
    EXPECT_TRUE(p.AccurateText.empty());
    EXPECT_TRUE(p.Text.empty());
    EXPECT_EQ(p.AllowRetry, 0);
    EXPECT_EQ(p.MaxLength, 0);
    EXPECT_EQ(p.PasswordChar, 0);
    EXPECT_EQ(p.CharCase, ccNormal);
    EXPECT_EQ(p.BorderStyle, ebSingle);
    EXPECT_TRUE(p.AutoSize);
    EXPECT_EQ(p.Color, clWindow);
    EXPECT_EQ(p.WrongAttempts, 0);
    EXPECT_EQ(p.TabOrder(), 0);
}

TEST(EditPayload, StoredLayoutWithSignExtendedTabOrder) {
    TEditPayload p;
    p.AutoSize = false;
    p.BorderStyle = ebNone;
    p.CharCase = ccUpperCase;
    p.Color = 0x00C0FFEE;
    p.MaxLength = 4;
    p.PasswordChar = '*';
    p.SetTabOrder(-2);
    p.CursorNumber = -21;
    p.Hint = "code";
    p.Font.Name = "Arial";
    p.Font.Size = 12;
    p.AllowRetry = 3;
    p.ErrorMessage = "Wrong";
    p.ErrorCaption = "Code";
    p.FailedMessage = "Bye";
    p.FailedCaption = "Locked";
    p.AccurateText = "1234";
    p.Text = "12";
    p.WrongAttempts = 7;
    p.Left = 10;
    p.Top = 20;
    p.Width = 121;
    p.Height = 25;
    const auto bytes = Stored(WriteEditPayload, p);
    EXPECT_EQ(bytes,
              Concat({U8Bytes(0), U8Bytes(0), U8Bytes(1), Int32Bytes(0x00C0FFEE), Int32Bytes(4),
                      U8Bytes('*'), Bytes{0xFE, 0xFF, 0xFF, 0xFF}, Int16Bytes(-21),
                      StringBytes("code"), FontBytes(p.Font), Int32Bytes(3), StringBytes("Wrong"),
                      StringBytes("Code"), StringBytes("Bye"), StringBytes("Locked"),
                      StringBytes("1234"), StringBytes("12"), BoundsBytes(10, 20, 121, 25)}));
    const auto back = ReadExactly<TEditPayload>(bytes, ReadEditPayload, WriteEditPayload);
    EXPECT_EQ(back.TabOrder(), -2);
    EXPECT_EQ(back.AccurateText, "1234");
    EXPECT_EQ(back.Text, "12");
    EXPECT_EQ(back.Font, p.Font);
    EXPECT_EQ(back.CharCase, ccUpperCase);
    EXPECT_EQ(back.AllowRetry, 3);
    EXPECT_EQ(back.Height, 25);
    // The attempt count belongs to one run of the page.
    EXPECT_EQ(back.WrongAttempts, 0);
}

TEST(AgreementPayloads, DefaultsDifferOnlyInCaptionAndMessage) {
    const TRadioButtonPayload radio;
    const TCheckBoxPayload check;
    EXPECT_EQ(radio.Caption, "New RadioButton");
    EXPECT_EQ(radio.ErrorMessage, "Please select the radio button.");
    EXPECT_EQ(check.Caption, "New CheckBox");
    EXPECT_EQ(check.ErrorMessage, "Please select the check box.");
    for (const TAgreementPayload* p : {static_cast<const TAgreementPayload*>(&radio),
                                       static_cast<const TAgreementPayload*>(&check)}) {
        EXPECT_EQ(p->ErrorCaption, "Invalid");
        EXPECT_TRUE(p->NeedCheck);
        EXPECT_FALSE(p->Checked);
        EXPECT_FALSE(p->WordWrap);
        EXPECT_EQ(p->Alignment, oaRight);
        EXPECT_EQ(p->Color, clBtnFace);
    }
    // The kind's codec creates its own defaults.
    EXPECT_EQ(*PayloadCodecOf(okCheckBox)->Create()->CaptionText(), "New CheckBox");
    EXPECT_EQ(*PayloadCodecOf(okRadioButton)->Create()->CaptionText(), "New RadioButton");
}

template <class P> Bytes AgreementBytes(const P& p) {
    return Concat({U8Bytes(p.Alignment), StringBytes(p.Caption), U8Bytes(p.Checked ? 1 : 0),
                   Int32Bytes(p.Color), Int16Bytes(p.CursorNumber), StringBytes(p.Hint),
                   FontBytes(p.Font), Int32Bytes(*p.TabOrder()), U8Bytes(p.WordWrap ? 1 : 0),
                   Int32Bytes(p.ReservedValue), StringBytes(p.ErrorMessage),
                   StringBytes(p.ErrorCaption), StringBytes(p.ReservedText1),
                   StringBytes(p.ReservedText2), U8Bytes(p.NeedCheck ? 1 : 0),
                   BoundsBytes(p.Left, p.Top, p.Width, p.Height)});
}

template <class P> void FillAgreement(P& p) {
    p.Alignment = oaLeft;
    p.Caption = "I agree";
    p.Checked = true;
    p.Color = 0x123456;
    p.CursorNumber = 3;
    p.Hint = "terms";
    p.Font.Style = fsItalic;
    p.SetTabOrder(5);
    p.WordWrap = true;
    p.ReservedValue = -77;
    p.ErrorMessage = "Agree first";
    p.ErrorCaption = "Terms";
    p.ReservedText1 = "r1";
    p.ReservedText2 = "r2";
    p.NeedCheck = false;
    p.Left = 1;
    p.Top = 2;
    p.Width = 97;
    p.Height = 17;
}

TEST(AgreementPayloads, BothKindsShareTheLayoutAndKeepTheReservedFields) {
    TRadioButtonPayload radio;
    FillAgreement(radio);
    const auto radioBytes = Stored(WriteRadioButtonPayload, radio);
    EXPECT_EQ(radioBytes, AgreementBytes(radio));
    const auto radioBack = ReadExactly<TRadioButtonPayload>(radioBytes, ReadRadioButtonPayload,
                                                            WriteRadioButtonPayload);
    EXPECT_EQ(radioBack.ReservedText1, "r1");
    EXPECT_EQ(radioBack.ReservedText2, "r2");
    EXPECT_EQ(radioBack.ReservedValue, -77);
    EXPECT_EQ(radioBack.TabOrder(), 5);
    EXPECT_FALSE(radioBack.NeedCheck);
    EXPECT_TRUE(radioBack.Checked);
    EXPECT_EQ(radioBack.Caption, "I agree");

    TCheckBoxPayload check;
    FillAgreement(check);
    const auto checkBytes = Stored(WriteCheckBoxPayload, check);
    EXPECT_EQ(checkBytes, radioBytes);
    const auto checkBack =
        ReadExactly<TCheckBoxPayload>(checkBytes, ReadCheckBoxPayload, WriteCheckBoxPayload);
    EXPECT_EQ(checkBack.Alignment, oaLeft);
    EXPECT_TRUE(checkBack.WordWrap);
    EXPECT_EQ(checkBack.Font, check.Font);
}

TEST(FormPayloadDamage, TruncationReportsTheReadersOwnCode) {
    auto edit = Stored(WriteEditPayload, TEditPayload{});
    edit.resize(edit.size() - 3);
    ExpectReadFails<TEditPayload>(ReadEditPayload, edit, kReadEditError);
    ExpectReadFails<TEditPayload>(ReadEditPayload, {1, 1, 0, 5}, kReadEditError);

    auto radio = Stored(WriteRadioButtonPayload, TRadioButtonPayload{});
    radio.resize(radio.size() - 1);
    ExpectReadFails<TRadioButtonPayload>(ReadRadioButtonPayload, radio, kReadRadioButtonError);

    auto check = Stored(WriteCheckBoxPayload, TCheckBoxPayload{});
    // Everything but the bounds.
    check.resize(check.size() - 16);
    ExpectReadFails<TCheckBoxPayload>(ReadCheckBoxPayload, check, kReadCheckBoxError);
}

TEST(FormPayloads, AddObjectRecordGivesNewStopsTheNextTabOrder) {
    TAutoObjects page;
    auto* edit = AddObjectRecord(page, okEdit, 10, 10);
    AddObjectRecord(page, okButton, 10, 40);
    auto* check = AddObjectRecord(page, okCheckBox, 10, 70);
    auto* radio = AddObjectRecord(page, okRadioButton, 10, 90);
    ASSERT_NE(edit, nullptr);
    ASSERT_NE(check, nullptr);
    ASSERT_NE(radio, nullptr);
    EXPECT_EQ(edit->Props.Name, "Edit1");
    EXPECT_EQ(edit->Payload->Width, 121);
    EXPECT_EQ(edit->Payload->TabOrder(), 0);
    EXPECT_EQ(check->Payload->TabOrder(), 1);
    EXPECT_EQ(radio->Payload->TabOrder(), 2);
    EXPECT_EQ(*check->Payload->CaptionText(), "New CheckBox");
    EXPECT_EQ(check->Payload->Height, 17);

    // The whole object record, payload included, reads back the same.
    const auto bytes = ObjectBytes(*check);
    TMemoryStream stream(bytes);
    TAutoObject back;
    ErrorCollector errors;
    ASSERT_TRUE(ReadObject(stream, back));
    EXPECT_EQ(back.Kind, okCheckBox);
    EXPECT_EQ(ObjectBytes(back), bytes);
    EXPECT_TRUE(errors.Messages().empty());
}

} // namespace
} // namespace brelvane::test
