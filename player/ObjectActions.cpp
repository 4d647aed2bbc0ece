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
#include "objects/records/TextPayload.h"
#include "player/AutoRunForm.h"
#include "player/MediaObjects.h"
#include "player/PlayerEnvironment.h"
#include "player/ShellErrors.h"
#include "storage/ErrorReport.h"
#include "storage/FilePaths.h"
#include "storage/PictureFiles.h"
#include "storage/rtf/RtfPlainText.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iterator>
#include <optional>

namespace brelvane {

namespace {
// The whole file, or nothing after the action's message has been shown.
std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::string& path) {
    if (!FileExists(path)) {
        ShowError(FileNotFoundText(path));
        return std::nullopt;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes;
    if (file) bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    if (!file.good() && !file.eof()) {
        ShowError("\"" + path + "\", " + (errno ? std::strerror(errno) : kDamagedDataText) + ".");
        return std::nullopt;
    }
    return bytes;
}

// The text a file gives a text object: its lines, each ended by CR LF.
std::string LinesOf(const std::vector<std::uint8_t>& bytes) {
    std::string lines;
    lines.reserve(bytes.size() + 2);
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const char c = static_cast<char>(bytes[i]);
        if (c != '\r' && c != '\n') {
            lines += c;
            continue;
        }
        if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        lines += "\r\n";
    }
    if (!lines.empty() && !lines.ends_with("\r\n")) lines += "\r\n";
    return lines;
}

// The text a file replaces in an object of a text kind; null for other kinds.
std::string* LoadedText(TAutoObject& object) {
    if (!object.Payload) return nullptr;
    switch (object.Kind) {
    case okLabel:
    case okSimpleText:
        return object.Payload->CaptionText();
    case okText:
    case okScrollText:
    case okTextBox:
        return object.Payload->ViewerText();
    case okFadeLabel:
        if (auto* fade = dynamic_cast<TFadeLabelPayload*>(object.Payload.get()))
            return &fade->Text.Lines;
        return nullptr;
    default:
        return nullptr;
    }
}

bool TakesFile(const TAutoObject& object) {
    switch (object.Kind) {
    case okImage:
    case okLabel:
    case okSimpleText:
    case okText:
    case okScrollText:
    case okFadeLabel:
    case okTextBox:
    case okRichText:
    case okAVI:
    case okExplorer:
    case okFlash:
        return true;
    default:
        return false;
    }
}

// Clips, web views and Flash movies are given the file's name, not its bytes.
bool TakesName(const TAutoObject& object) {
    return object.Kind == okAVI || object.Kind == okExplorer || object.Kind == okFlash;
}

bool Listed(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

template <class Control> Control* ControlOf(TAutoObject& object) {
    return dynamic_cast<Control*>(object.Control.get());
}

// Loads the file `name` (with its leading backslash) into a clip, web view or
// Flash object, which read it themselves.
void LoadByName(TAutoObject& object, const std::string& name) {
    const auto& base = PlayerEnvironment().Source.BaseFolder;
    auto* payload = object.Payload.get();
    if (auto* clip = dynamic_cast<TAviPayload*>(payload)) {
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
    std::vector<TAutoObject*> targets;
    for (auto& object : page.Page().Objects) {
        if (object->Props.Name != argument.ObjectName) continue;
        // Players open the file themselves, slide shows take it as a folder.
        if (LoadFileIntoMedia(*object, argument.FileName)) continue;
        if (TakesFile(*object)) targets.push_back(object.get());
    }
    if (targets.empty()) return true;
    std::string name = argument.FileName;
    if (name.front() != '\\') name.insert(name.begin(), '\\');
    for (auto* object : targets)
        if (TakesName(*object)) LoadByName(*object, name);
    if (std::all_of(targets.begin(), targets.end(),
                    [](auto* object) { return TakesName(*object); }))
        return true;
    // Read once for every object of that name; a file that cannot be read
    // leaves every object showing what it showed.
    const auto path = BaseResolved(argument.FileName);
    const auto bytes = ReadWholeFile(path);
    if (!bytes) return false;
    for (auto* object : targets) {
        if (TakesName(*object)) continue;
        if (auto* text = LoadedText(*object)) {
            *text = LinesOf(*bytes);
        } else if (auto* rich = dynamic_cast<TRichTextPayload*>(object->Payload.get())) {
            rich->RichText.assign(bytes->begin(), bytes->end());
            rich->PlainText = !IsRtfContent(rich->RichText);
        } else if (auto* image = dynamic_cast<TImagePayload*>(object->Payload.get())) {
            auto picture = PictureOfFileBytes(*bytes);
            if (picture.Empty()) {
                ShowError("\"" + path + "\", " + kDamagedDataText);
                return false;
            }
            image->ImageNormal = std::move(picture);
        }
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
