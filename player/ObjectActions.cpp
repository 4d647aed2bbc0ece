#include "player/ObjectActions.h"

#include "objects/controls/AuAvi.h"
#include "objects/controls/AuExplorer.h"
#include "objects/controls/AuFlash.h"
#include "objects/records/ActionArguments.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/ImagePayload.h"
#include "objects/records/ObjectKinds.h"
#include "objects/records/TextBoxPayload.h"
#include "player/AutoRunForm.h"
#include "player/PlayerEnvironment.h"
#include "storage/ErrorReport.h"
#include "storage/StringBlock.h"
#include "storage/rtf/RtfPlainText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace brelvane {

namespace {
TPicture PictureFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    TPicture picture;
    picture.Data.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    for (auto kind : {TPictureKind::Png, TPictureKind::Jpeg, TPictureKind::Gif,
                      TPictureKind::Bitmap, TPictureKind::Icon})
        if (HasPictureSignature(kind, picture.Data)) {
            picture.Kind = kind;
            return picture;
        }
    picture.Clear();
    return picture;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// A text file's bytes, read once for all the objects of one name; one error
// box when it cannot be read.
class TTextOnce {
public:
    explicit TTextOnce(std::string path) : path_(std::move(path)) {}
    const std::string* Get() {
        if (!read_) {
            read_ = true;
            std::ifstream file(path_, std::ios::binary);
            if (file)
                text_.emplace(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
            else
                ShowError("Cannot open file \"" + path_ + "\". " + std::strerror(errno));
        }
        return text_ ? &*text_ : nullptr;
    }

private:
    std::string path_;
    bool read_ = false;
    std::optional<std::string> text_;
};

template <class Control> Control* ControlOf(TAutoObject& object) {
    return dynamic_cast<Control*>(object.Control.get());
}

// Loads `name` (relative to the base folder, with its leading backslash) into
// an object of a document or clip kind; other kinds are left alone, and so is
// a text object whose file cannot be read.
void LoadIntoDocument(TAutoObject& object, const std::string& name, TTextOnce& text) {
    const auto& base = PlayerEnvironment().Source.BaseFolder;
    auto* payload = object.Payload.get();
    if (auto* box = dynamic_cast<TTextBoxPayload*>(payload)) {
        const auto* content = text.Get();
        if (!content) return;
        box->Text = JoinLines(SplitLines(*content));
        if (object.Control) object.Control->Refresh();
    } else if (auto* rich = dynamic_cast<TRichTextPayload*>(payload)) {
        const auto* content = text.Get();
        if (!content) return;
        rich->RichText = *content;
        rich->PlainText = !IsRtfContent(rich->RichText);
        if (object.Control) object.Control->Refresh();
    } else if (auto* clip = dynamic_cast<TAviPayload*>(payload)) {
        clip->FileName = name;
        if (auto* control = ControlOf<TAuAVI>(object)) control->PlayClip(base);
    } else if (auto* web = ExplorerFieldsOf(payload)) {
        web->ExplorerType = etFile;
        web->Location = name;
        if (auto* control = ControlOf<TAuExplorer>(object)) control->NavigateLocation(base);
    } else if (auto* flash = dynamic_cast<TFlashPayload*>(payload)) {
        flash->MovieFile = name;
        if (auto* control = ControlOf<TAuFlash>(object)) control->CreatePlayer(base);
    }
}
} // namespace

bool LoadFileWithObject(TAutoRunForm& page, const std::string& packed) {
    const auto argument = ParseLoadFile(packed);
    if (!argument.Complete()) return false;
    const auto file = BaseResolved(argument.FileName);
    std::string name = argument.FileName;
    if (name.front() != '\\') name.insert(name.begin(), '\\');
    TTextOnce text(file);
    for (auto& object : page.Page().Objects) {
        if (object->Props.Name != argument.ObjectName) continue;
        if (object->Kind != okImage) {
            LoadIntoDocument(*object, name, text);
            continue;
        }
        auto* image = dynamic_cast<TImagePayload*>(object->Payload.get());
        if (!image) continue;
        auto picture = PictureFile(file);
        if (picture.Empty()) continue;
        image->ImageNormal = std::move(picture);
        if (object->Control) object->Control->Refresh();
    }
    return true;
}

bool ShowHideObjects(TAutoRunForm& page, const std::string& packed) {
    const auto lists = ParseShowHideLists(packed);
    for (int list = 0; list < lists.Present; ++list) {
        const bool byGroup = list <= shDisableGroups;
        const int within = list % 4; // show, hide, enable, disable
        for (auto& object : page.Page().Objects) {
            const auto& key = byGroup ? object->Props.GroupName : object->Props.Name;
            if (!Listed(lists.Names[list], key)) continue;
            if (within < 2) {
                object->Props.Visible = within == 0;
                ApplyVisibility(*object);
            } else {
                object->Props.Enabled = within == 2;
                ApplyEnabled(*object);
            }
        }
    }
    return lists.Complete();
}

} // namespace brelvane
