#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/CommandStream.h"
#include "objects/records/MenuItem.h"
#include "objects/records/ObjectHost.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/ObjectStream.h"
#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"
#include "storage/FontLabelsBlock.h"
#include "storage/PictureBlock.h"
#include "storage/StorageTestSupport.h"

#include <memory>
#include <string>
#include <vector>

namespace brelvane::test {

inline Bytes U8Bytes(std::uint8_t value) {
    return {value};
}

inline Bytes Int16Bytes(std::int16_t value) {
    const auto bits = static_cast<std::uint16_t>(value);
    return {static_cast<std::uint8_t>(bits & 0xff), static_cast<std::uint8_t>(bits >> 8)};
}

inline Bytes FontBytes(const TFont& font) {
    return Concat({StringBytes(font.Name), Int32Bytes(font.Color), Int32Bytes(font.Size),
                   U8Bytes(font.Style)});
}

inline Bytes PictureBytes(const TPicture& picture) {
    if (picture.Empty()) return StringBytes("");
    return Concat({StringBytes(PictureClassName(picture.Kind)),
                   Int32Bytes(static_cast<std::int32_t>(picture.Data.size())), picture.Data});
}

inline Bytes EffectBytes(const TAAEffect& effect) {
    return Stored([](TStream& s, const TAAEffect& e) { return WriteEffect(s, e); }, effect);
}

inline Bytes FontLabelsBytes(const TFontLabels& labels) {
    return Stored([](TStream& s, const TFontLabels& l) { return WriteFontLabels(s, l); }, labels);
}

inline Bytes BoundsBytes(const TPayload& p) {
    return Concat(
        {Int32Bytes(p.Left), Int32Bytes(p.Top), Int32Bytes(p.Width), Int32Bytes(p.Height)});
}

// Reads `bytes` with `read` into a fresh P: success, no box, nothing left over.
template <class P, class Read> P ReadBack(const Bytes& bytes, Read read) {
    TMemoryStream stream(bytes);
    P back;
    ErrorCollector errors;
    EXPECT_TRUE(read(stream, back));
    EXPECT_TRUE(errors.Messages().empty()) << ::testing::PrintToString(errors.Messages());
    EXPECT_EQ(stream.Remaining(), 0u);
    return back;
}

inline Bytes CommandBytes(const TCommand& command) {
    return Stored([](TStream& s, const TCommand& c) { return WriteCommand(s, c); }, command);
}

// A command record of an older stream: both packed strings empty.
inline Bytes EmptyCommandBytes() {
    return Concat({U8Bytes(0), Int32Bytes(1), StringBytes(""), StringBytes(""), StringBytes(""),
                   StringBytes(""), U8Bytes(0), StringBytes(""), StringBytes(""), StringBytes(""),
                   StringBytes(""), StringBytes(""), StringBytes(""), StringBytes("")});
}

inline Bytes MenuItemBytes(const TMenuItem& item) {
    return Stored([](TStream& s, const TMenuItem& i) { return WriteMenuItem(s, i); }, item);
}

inline Bytes ObjectBytes(const TAutoObject& object) {
    return Stored([](TStream& s, const TAutoObject& o) { return WriteObject(s, o); }, object);
}

// Menu items each with one child, `depth` levels deep (the last count still says one).
inline Bytes NestedMenuBytes(int depth) {
    const Bytes level = Concat({StringBytes("m"), StringBytes(""), Int16Bytes(0), Bytes(6, 0),
                                StringBytes(""), Int32Bytes(1)});
    Bytes bytes;
    bytes.reserve(level.size() * depth);
    for (int i = 0; i < depth; ++i)
        bytes.insert(bytes.end(), level.begin(), level.end());
    return bytes;
}

// A stream that takes `room` bytes and then fails, as a full disc does.
class FullStream final : public TStream {
public:
    explicit FullStream(std::size_t room) : room_(room) {}
    std::size_t ReadSome(void*, std::size_t) override { return 0; }
    std::uint64_t Position() const override { return written_; }
    std::uint64_t Size() const override { return written_; }
    void Seek(std::uint64_t) override {}

protected:
    void WriteBlock(const void*, std::size_t count) override {
        if (count > room_) throw StreamError("no room");
        room_ -= count;
        written_ += count;
    }

private:
    std::size_t room_;
    std::size_t written_ = 0;
};

// Writing `value` into a stream with `room` bytes fails with one box carrying `code`.
template <class P, class Write>
void ExpectWriteFails(Write write, std::size_t room, int code, const P& value = P{}) {
    FullStream stream(room);
    ErrorCollector errors;
    EXPECT_FALSE(write(stream, value));
    ExpectOneError(errors, code);
}

// A stand-in payload for a viewer: only the viewer text matters to the shared
// behaviour.
struct TViewerPayload : TPayloadOf<TViewerPayload> {
    std::string Text;
    std::string* ViewerText() override { return &Text; }
    void VisitFields(TFieldVisitor& visitor) const override { visitor.Field("Text", Text); }
};

// Records what the shared behaviour asks of a control.
class RecordingControl : public TObjectControl {
public:
    explicit RecordingControl(std::vector<std::string>& log) : log_(log) {}
    void SetShown(bool visible) override {
        log_.push_back(Who() + (visible ? " shown" : " hidden"));
    }
    void SetActive(bool enabled) override {
        log_.push_back(Who() + (enabled ? " enabled" : " disabled"));
    }
    void Refresh() override { log_.push_back(Who() + " refresh"); }

private:
    std::string Who() const { return Object ? Object->Props.Name : "?"; }
    std::vector<std::string>& log_;
};

// A page stand-in that writes every call into Calls, in order.
class RecordingHost : public TObjectHost {
public:
    std::vector<std::string> Calls;
    std::vector<std::string> Panels;
    // What ClickCommandOf answers; the object's own properties when unset.
    bool NothingToRun = false;

    void PlayEventSound(const std::string& file) override { Calls.push_back("sound " + file); }
    int StatusPanelCount() const override { return static_cast<int>(Panels.size()); }
    std::string StatusPanelText(int index) const override { return Panels.at(index); }
    void SetStatusPanelText(int index, const std::string& text) override {
        Panels.at(index) = text;
        Calls.push_back("panel " + std::to_string(index) + " " + text);
    }
    void ClearHoverLook(TAutoObject& object) override {
        Calls.push_back("dark " + object.Props.Name);
    }
    void ShowInImage(TAutoObject& image, const TPicture* picture) override {
        Calls.push_back("image " + image.Props.Name + (picture ? " comment" : " own"));
    }
    void ClosePage() override { Calls.push_back("close"); }
    void SetResult(bool accepted) override { Calls.push_back(accepted ? "result 1" : "result 0"); }
    void ValidateForm() override { Calls.push_back("validate"); }
    const TCommand* ClickCommandOf(TAutoObject& object) override {
        return NothingToRun ? nullptr : &object.Props;
    }
    void ExecuteAction(const TCommand& command) override {
        Calls.push_back("action " + command.ActionFile);
    }
};

// An object of `kind` named `name` with `payload` (none when null).
inline std::unique_ptr<TAutoObject> MakeObject(std::uint8_t kind, const std::string& name,
                                               std::unique_ptr<TPayload> payload = nullptr) {
    auto object = std::make_unique<TAutoObject>();
    object->Kind = kind;
    object->Props.Name = name;
    object->Payload = std::move(payload);
    return object;
}

// A Shape object holding a payload of another class, which no writer of its
// kind can store.
inline std::unique_ptr<TAutoObject> ObjectWithAForeignPayload(const std::string& name) {
    return MakeObject(okShape, name, std::make_unique<TViewerPayload>());
}

inline TAutoObject& Add(TAutoObjects& objects, std::unique_ptr<TAutoObject> object) {
    objects.push_back(std::move(object));
    return *objects.back();
}

} // namespace brelvane::test
