#include "objects/ObjectTestSupport.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/TextBoxPayload.h"

#include <gtest/gtest.h>

namespace brelvane::test {
namespace {

template <class P> Bytes Written(const P& payload) {
    return Stored([](TStream& s, const P& p) { return WriteRecord(s, p); }, payload);
}

// Reads `bytes` whole without a message and writes them back unchanged.
template <class P> P ReadExactly(const Bytes& bytes) {
    const P back = ReadBack<P>(bytes, [](TStream& s, P& p) { return ReadRecord(s, p); });
    EXPECT_EQ(Written(back), bytes);
    return back;
}

template <class P> void ExpectFailsWith(const Bytes& bytes, int code) {
    ExpectReadFails<P>([](TStream& s, P& p) { return ReadRecord(s, p); }, bytes, code);
}

Bytes Bounds(std::int32_t left, std::int32_t top, std::int32_t width, std::int32_t height) {
    return Concat({Int32Bytes(left), Int32Bytes(top), Int32Bytes(width), Int32Bytes(height)});
}

TEST(TextBoxPayload, DefaultsAndStoredOrderWithTheLinesBeforeTheScrollBars) {
    const TTextBoxPayload fresh;
    EXPECT_TRUE(fresh.WordWrap);
    EXPECT_EQ(fresh.ScrollBar, sbVertical);
    EXPECT_EQ(fresh.BackColor, clWindow);

    TTextBoxPayload p;
    p.Align = 5;
    p.Alignment = 2;
    p.Border = 0;
    p.BorderWidth = 3;
    p.BackColor = 0x00102030;
    p.Text = "one\r\ntwo\r\n";
    p.ScrollBar = sbBoth;
    p.WordWrap = false;
    p.CursorNumber = -3;
    p.Hint = "read me";
    p.Font.Name = "Arial";
    p.Left = 1;
    p.Top = 2;
    p.Width = 209;
    p.Height = 100;
    const Bytes expected =
        Concat({Bytes{5, 2, 0}, Int32Bytes(3), Int32Bytes(0x00102030),
                StringBytes("one\r\ntwo\r\n"), Bytes{3, 0}, Int16Bytes(-3), StringBytes("read me"),
                FontBytes(p.Font), Bounds(1, 2, 209, 100)});
    EXPECT_EQ(Written(p), expected);
    const auto back = ReadExactly<TTextBoxPayload>(expected);
    EXPECT_EQ(back.Text, p.Text);
    EXPECT_EQ(back.CursorNumber, -3);
    EXPECT_EQ(back.Align, 5);
    // A comment viewer replaces the lines.
    EXPECT_EQ(TTextBoxPayload().ViewerText() != nullptr, true);

    ExpectFailsWith<TTextBoxPayload>(Bytes(expected.begin(), expected.end() - 2),
                                     kReadTextBoxError);
}

TEST(RichTextPayload, ContentBytesComeBackUnchangedAndTheSwitchFollowsThem) {
    TRichTextPayload p;
    // Bytes no RTF reader would write back the same way, a NUL among them.
    p.RichText = std::string("{\\rtf1{\\b bold}\\par}\0tail", 26);
    p.PlainText = true;
    p.Hint = "rich";
    const Bytes expected =
        Concat({Bytes{0, 0, 1}, Int32Bytes(0), Int32Bytes(clWindow), Int32Bytes(26),
                Bytes(p.RichText.begin(), p.RichText.end()), Bytes{1, sbVertical, 1}, Int16Bytes(0),
                StringBytes("rich"), FontBytes(TFont{}), Bounds(0, 0, 0, 0)});
    EXPECT_EQ(Written(p), expected);
    const auto back = ReadExactly<TRichTextPayload>(expected);
    EXPECT_EQ(back.RichText, p.RichText);
    EXPECT_TRUE(back.PlainText);
}

TEST(RichTextPayload, AByteCountBeyondTheStreamFailsAtOnceWithItsOwnCode) {
    const Bytes head = Concat({Bytes{0, 0, 1}, Int32Bytes(0), Int32Bytes(clWindow)});
    // Far beyond: nothing is allocated for it.
    ExpectFailsWith<TRichTextPayload>(Concat({head, Int32Bytes(0x7fffffff), Bytes(10, 'x')}),
                                      kReadRichTextError);
    // One byte beyond.
    ExpectFailsWith<TRichTextPayload>(Concat({head, Int32Bytes(5), Bytes(4, 'x')}),
                                      kReadRichTextError);
    ExpectFailsWith<TRichTextPayload>(Concat({head, Int32Bytes(-1), Bytes(40, 0)}),
                                      kReadRichTextError);
}

TEST(AviAndFlashPayloads, StoredOrderKeepsTheUnusedString) {
    TAviPayload avi;
    avi.CursorNumber = 2;
    avi.Hint = "clip";
    avi.FileName = "\\media\\spin.avi";
    avi.Width = avi.Height = 105;
    const Bytes aviBytes = Concat({Int16Bytes(2), StringBytes("clip"),
                                   StringBytes("\\media\\spin.avi"), Bounds(0, 0, 105, 105)});
    EXPECT_EQ(Written(avi), aviBytes);
    EXPECT_EQ(ReadExactly<TAviPayload>(aviBytes).FileName, avi.FileName);
    ExpectFailsWith<TAviPayload>(Bytes(aviBytes.begin(), aviBytes.end() - 1), kReadAviError);

    const TFlashPayload fresh;
    EXPECT_TRUE(fresh.Loop);
    EXPECT_TRUE(fresh.ContextMenu);
    const Bytes flashBytes =
        Concat({Int16Bytes(-1), StringBytes("movie"), Bytes{4, 0, 1}, StringBytes("intro.swf"),
                StringBytes("kept"), Bounds(5, 6, 209, 105)});
    const auto flash = ReadExactly<TFlashPayload>(flashBytes);
    EXPECT_EQ(flash.Align, 4);
    EXPECT_FALSE(flash.Loop);
    EXPECT_TRUE(flash.ContextMenu);
    EXPECT_EQ(flash.MovieFile, "intro.swf");
    EXPECT_EQ(flash.Unused, "kept");
    ExpectFailsWith<TFlashPayload>(Bytes(flashBytes.begin(), flashBytes.end() - 1),
                                   kReadFlashError);
}

Bytes ExplorerBytes() {
    return Concat({Bytes{1}, Int16Bytes(0), StringBytes(""), Bytes{etWebSite},
                   StringBytes("\\docs\\index.html"), Bounds(10, 20, 209, 209)});
}

TEST(ExplorerPayload, BothFormsStoreTheSameBytesAndReportWithTheirOwnCodes) {
    const auto running = ReadExactly<TExplorerPayload>(ExplorerBytes());
    const auto placeholder = ReadExactly<TExplorerPlaceholderPayload>(ExplorerBytes());
    EXPECT_EQ(running.Location, "\\docs\\index.html");
    EXPECT_EQ(placeholder.Align, 1);
    EXPECT_EQ(placeholder.Left, 10);
    const Bytes whole = ExplorerBytes();
    const Bytes cut(whole.begin(), whole.end() - 3);
    ExpectFailsWith<TExplorerPayload>(cut, kReadExplorerError);
    ExpectFailsWith<TExplorerPlaceholderPayload>(cut, kReadExplorerPlaceholderError);
}

TEST(ExplorerPayload, AnObjectIsReadInTheFormAskedForAndWrittenAsTheFormItHas) {
    TAutoObjects objects;
    auto* object = AddObjectRecord(objects, okExplorer, 3, 4);
    ASSERT_NE(object, nullptr);
    ExplorerFieldsOf(object->Payload.get())->Location = "http://example.invalid/";
    const Bytes bytes = ObjectBytes(*object);

    for (const auto form : {TPayloadForm::Running, TPayloadForm::Design}) {
        TMemoryStream stream(bytes);
        TAutoObject back;
        ASSERT_TRUE(ReadObject(stream, back, nullptr, form));
        const bool placeholder =
            dynamic_cast<TExplorerPlaceholderPayload*>(back.Payload.get()) != nullptr;
        EXPECT_EQ(placeholder, form == TPayloadForm::Design);
        ASSERT_NE(ExplorerFieldsOf(back.Payload.get()), nullptr);
        EXPECT_EQ(ExplorerFieldsOf(back.Payload.get())->Location, "http://example.invalid/");
        EXPECT_EQ(ObjectBytes(back), bytes);
    }
    // A payload of another kind's type is not written as a web view.
    auto wrong = MakeObject(okExplorer, "x", std::make_unique<TAviPayload>());
    ErrorCollector errors;
    TMemoryStream out;
    EXPECT_FALSE(WriteObject(out, *wrong));
    ExpectOneError(errors, kWriteObjectError);
}

} // namespace
} // namespace brelvane::test
