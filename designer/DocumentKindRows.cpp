#include "designer/KindRowBuilders.h"
#include "designer/ProjectPickers.h"
#include "dialogs/RichEditorForm.h"
#include "objects/records/AviPayload.h"
#include "objects/records/ExplorerPayload.h"
#include "objects/records/FlashPayload.h"
#include "objects/records/MediaPayload.h"
#include "objects/records/SlideShowPayload.h"
#include "objects/records/TextBoxPayload.h"
#include "render/TransitionStyles.h"

#include <vector>

namespace brelvane {

namespace {
// Word wrap, alignment, border, scroll bars and colour of the text boxes.
void AddBoxLookRows(TTextBoxLook& look, TPropertyRows& rows) {
    rows.push_back(BoolRow("WordWrap", look.WordWrap, At("WordWrap")));
    rows.push_back(ChoiceRow("Alignment", look.Alignment, kTextAlignments, At("Alignment")));
    rows.push_back(ChoiceRow("Border", look.Border, kBoolChoices, At("Border")));
    rows.push_back(ChoiceRow("ScrollBar", look.ScrollBar, kScrollBars, At("ScrollBar")));
    rows.push_back(ColorRow("BackColor", look.BackColor, At("BackColor")));
}

// "Random", then each transition style as its number, "-" and its name.
std::span<const TChoice> SlideStyles() {
    static const auto texts = [] {
        std::vector<std::string> all{"Random"};
        int number = 0;
        for (const auto& style : TransitionStyles())
            all.push_back(std::to_string(++number) + "-" + style.Name);
        return all;
    }();
    static const auto choices = [] {
        std::vector<TChoice> all;
        for (std::size_t i = 0; i < texts.size(); ++i)
            all.push_back({texts[i].c_str(), static_cast<std::int32_t>(i)});
        return all;
    }();
    return choices;
}

// Play, loop, control bar and border of the players.
template <class P> void AddPlayerRows(P& player, TPropertyRows& rows) {
    rows.push_back(BoolRow("Play", player.Play, At("Play")));
    rows.push_back(BoolRow("Loop", player.Loop, At("Loop")));
    rows.push_back(BoolRow("ControlBar", player.ControlBar, At("ControlBar")));
    rows.push_back(BoolRow("Border", player.Border, At("Border")));
}
} // namespace

void TextBoxRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& box = PayloadOf<TTextBoxPayload>(object);
    rows.push_back(TextDialog("Text", box.Text, "Text"));
    rows.push_back(PayloadFontRow(context, "Font", box.Font, "Font"));
    AddBoxLookRows(box, rows);
}

void RichTextRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& box = PayloadOf<TRichTextPayload>(object);
    const auto& content = box.RichText;
    TPropertyRow row =
        DialogRow("RichText", [&content] { return Placeholder(!content.empty(), "RichText"); },
                  {At("RichText")});
    if (auto* editor = context.RichEditor)
        row.Open = [&box, editor](const std::function<void()>& beforeChange) {
            // The stored bytes stay as they are unless the editor changed them.
            std::string edited = box.RichText;
            if (!editor->Edit(edited, box.PlainText)) return false;
            beforeChange();
            box.RichText = std::move(edited);
            return true;
        };
    rows.push_back(std::move(row));
    AddBoxLookRows(box, rows);
}

void AviRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& avi = PayloadOf<TAviPayload>(object);
    rows.push_back(FileRow("FileName", avi.FileName, At("FileName"), context.Pickers, kAviFilter));
}

void ExplorerRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto* web = ExplorerFieldsOf(object.Payload.get());
    if (!web) return;
    TPropertyRow type =
        ChoiceRow("ExplorerType", web->ExplorerType, kExplorerTypes, At("ExplorerType"));
    // The location row below takes the caption and editor of the new type.
    type.FollowUps |= fuRows;
    rows.push_back(std::move(type));
    auto& location = web->Location;
    switch (web->ExplorerType) {
    case etFolder:
        rows.push_back(FolderRow("Folder", location, At("Location"), context.Pickers));
        break;
    case etFile:
        rows.push_back(
            FileRow("FileName", location, At("Location"), context.Pickers, kAllFilesFilter));
        break;
    default:
        rows.push_back(TextRow("WebSiteURL", location, At("Location")));
        break;
    }
}

void MediaPlayerRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& media = PayloadOf<TMediaPayload>(object);
    rows.push_back(
        FileRow("FileName", media.MediaFile, At("MediaFile"), context.Pickers, kAllFilesFilter));
    AddPlayerRows(media, rows);
}

void SlideShowRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& show = PayloadOf<TSlideShowPayload>(object);
    auto& settings = show.Settings;
    rows.push_back(FolderRow("WorkFolder", show.WorkFolder, At("WorkFolder"), context.Pickers));
    rows.push_back(ChoiceRow("Style", settings.Style, SlideStyles(), At("Settings.Style")));
    rows.push_back(
        ChoiceRow("ImageStyle", settings.ImageStyle, kSlideImageStyles, At("Settings.ImageStyle")));
    rows.push_back(NumberRow("Step (%)", settings.Step, At("Settings.Step"), 1, 100));
    rows.push_back(
        NumberRow("StepDelay (ms)", settings.StepDelay, At("Settings.StepDelay"), 0, 1000));
    rows.push_back(NumberRow("Interval (ms)", settings.Interval, At("Settings.Interval"), 1));
    rows.push_back(ColorRow("BackColor", settings.BackColor, At("Settings.BackColor")));
    AddPlayerRows(show, rows);
}

void FlashRows(TRowContext& context, TAutoObject& object, TPropertyRows& rows) {
    auto& flash = PayloadOf<TFlashPayload>(object);
    rows.push_back(
        FileRow("MovieFile", flash.MovieFile, At("MovieFile"), context.Pickers, kFlashFilter));
    rows.push_back(BoolRow("Loop", flash.Loop, At("Loop")));
    rows.push_back(BoolRow("ContextMenu", flash.ContextMenu, At("ContextMenu")));
}

} // namespace brelvane
