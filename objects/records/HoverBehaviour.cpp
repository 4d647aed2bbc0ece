#include "objects/records/HoverBehaviour.h"

#include "objects/records/ObjectKinds.h"

#include <charconv>

namespace brelvane {

namespace {
bool IsTextViewerKind(std::uint8_t kind) {
    return kind == okLabel || kind == okText || kind == okScrollText || kind == okTextBox ||
           kind == okSimpleText;
}

bool KeepsHoverLook(std::uint8_t kind) {
    return kind == okImageButton || kind == okImage || kind == okSimpleText;
}

void PlayIfSet(TObjectHost& host, const std::string& sound) {
    if (!sound.empty()) host.PlayEventSound(sound);
}

// Calls `apply` with the viewer text of every object named `viewer` that can view.
template <class Apply>
void ForEachTextViewer(TAutoObjects& objects, const std::string& viewer, Apply apply) {
    for (auto& object : objects) {
        if (object->Props.Name != viewer || !IsTextViewerKind(object->Kind) || !object->Payload)
            continue;
        if (auto* text = object->Payload->ViewerText()) {
            apply(*text);
            if (object->Control) object->Control->Refresh();
        }
    }
}

template <class Apply>
void ForEachImageViewer(TAutoObjects& objects, const std::string& viewer, Apply apply) {
    for (auto& object : objects)
        if (object->Kind == okImage && object->Props.Name == viewer) apply(*object);
}
} // namespace

std::optional<int> StatusPanelViewer(const std::string& viewer, int panelCount) {
    constexpr std::string_view prefix = "StatusBar[";
    if (viewer.size() <= prefix.size() + 1 || viewer.compare(0, prefix.size(), prefix) != 0 ||
        viewer.back() != ']')
        return std::nullopt;
    int index = -1;
    const char* first = viewer.data() + prefix.size();
    const char* last = viewer.data() + viewer.size() - 1;
    const auto [end, error] = std::from_chars(first, last, index);
    if (error != std::errc() || end != last || index < 0 || index >= panelCount)
        return std::nullopt;
    return index;
}

void HoverEntry(TAutoObjects& objects, TAutoObject& source, TObjectHost& host) {
    PlayIfSet(host, source.Props.MouseEnterSound);
    for (auto& object : objects)
        if (object.get() != &source && KeepsHoverLook(object->Kind)) host.ClearHoverLook(*object);

    const auto& viewer = source.Props.CommentViewer;
    if (!viewer.empty()) {
        if (const auto panel = StatusPanelViewer(viewer, host.StatusPanelCount())) {
            source.Props.SavedViewerText = host.StatusPanelText(*panel);
            host.SetStatusPanelText(*panel, source.Props.Comment);
        } else {
            ForEachTextViewer(objects, viewer, [&](std::string& text) {
                source.Props.SavedViewerText = text;
                text = source.Props.Comment;
            });
        }
    }
    if (!source.Props.GraphicCommentViewer.empty())
        ForEachImageViewer(objects, source.Props.GraphicCommentViewer, [&](TAutoObject& image) {
            host.ShowInImage(image, &source.GraphicComment);
        });
}

void HoverExit(TAutoObjects& objects, TAutoObject& source, TObjectHost& host) {
    PlayIfSet(host, source.Props.MouseLeaveSound);
    const auto& viewer = source.Props.CommentViewer;
    if (!viewer.empty()) {
        if (const auto panel = StatusPanelViewer(viewer, host.StatusPanelCount()))
            host.SetStatusPanelText(*panel, source.Props.SavedViewerText);
        else
            ForEachTextViewer(objects, viewer,
                              [&](std::string& text) { text = source.Props.SavedViewerText; });
    }
    if (!source.Props.GraphicCommentViewer.empty())
        ForEachImageViewer(objects, source.Props.GraphicCommentViewer,
                           [&](TAutoObject& image) { host.ShowInImage(image, nullptr); });
}

void HoverOverBackground(TAutoObjects& objects, TObjectHost& host) {
    for (auto& object : objects)
        if (object->Kind == okImageButton || object->Kind == okImage) host.ClearHoverLook(*object);
}

} // namespace brelvane
