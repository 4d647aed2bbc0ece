#pragma once

#include "objects/records/CommandStream.h"
#include "objects/records/ObjectStream.h"
#include "project/PageRecord.h"
#include "storage/ByteStream.h"
#include "storage/Fields.h"

#include <cstdint>
#include <string>

namespace brelvane {

enum : int {
    kReadPageTitleError = 1073,
    kLoadPageFromTargetError = 1074,
    kLoadPageFileError = 1075,
    kSavePageFileError = 1076,
};

// Mode 0 builds the whole page; mode 1 replaces the content of a window that
// is already showing and keeps its size, caption, icon, border, fades and menu bar.
enum class TPageReadMode { Build = 0, Replace = 1 };

// Where the read happens: a running page (player, or the designer's test
// run) and what the platform offers decide some fields.
struct TPageReadContext {
    bool Running = false;
    bool PlayerMode = false;
    bool IsNtPlatform = true;
    bool CanFade = true;
};

// What a read does with the fields that the mode and the platform decide on:
// the window's own fields (kept by mode 1), the shadow and the fades.
struct TPageReading {
    TApply Window = TApply::Take;
    TApply Shadow = TApply::Take;
    TApply Fades = TApply::Take;
    TPayloadForm Objects = TPayloadForm::Running;
};

// Fields 1 to 10: border, caption, hint, placement rule, transparency, icon.
// The hint is taken in both modes.
template <class Archive> bool WindowFields(Archive& ar, TPageRecord& page, TApply window) {
    return ar("BorderIcons", Applied(page.BorderIcons, window)) &&
           ar("BorderStyle", Applied(page.BorderStyle, window)) &&
           ar("BorderWidth", Applied(page.BorderWidth, window)) &&
           ar("Caption", Applied(page.Caption, window)) && ar("Hint", page.Hint) &&
           ar("Position", Applied(page.Position, window)) &&
           ar("WindowState", Applied(page.WindowState, window)) &&
           ar("TransparentColor", Applied(page.TransparentColor, window)) &&
           ar("Transparent", Applied(page.Transparent, window)) &&
           ar("PageIcon", Applied(page.PageIcon, window));
}

// Fields 11 to 40: background, shadow, fades, start sound, kind, stay time,
// window bounds.
template <class Archive> bool LookFields(Archive& ar, TPageRecord& page, const TPageReading& how) {
    const TApply window = how.Window;
    return ar("BackColor", page.BackColor) && ar("GradientColor", page.GradientColor) &&
           ar("GradientStyle", page.GradientStyle) && ar("BackImage", page.BackImage) &&
           ar("BackImageStyle", page.BackImageStyle) &&
           ar("Shadow", Applied(page.Shadow, how.Shadow)) &&
           ar("ShadowColor", Applied(page.ShadowColor, window)) &&
           ar("ShadowXOff", Applied(page.ShadowXOff, window)) &&
           ar("ShadowYOff", Applied(page.ShadowYOff, window)) &&
           ar("ShadowAlpha", Applied(page.ShadowAlpha, window)) &&
           ar("FadeIn", Applied(page.FadeIn, how.Fades)) &&
           ar("FadeOut", Applied(page.FadeOut, how.Fades)) &&
           ar("FadeInDelay", Applied(page.FadeInDelay, window)) &&
           ar("FadeInStep", Applied(page.FadeInStep, window)) &&
           ar("FadeOutDelay", Applied(page.FadeOutDelay, window)) &&
           ar("FadeOutStep", Applied(page.FadeOutStep, window)) &&
           ar("StartSound", Applied(page.StartSound, window)) &&
           ar("StartSoundLoop", Applied(page.StartSoundLoop, window)) &&
           ar("StartSoundDelay", Applied(page.StartSoundDelay, window)) &&
           ar("PageKind", Applied(page.PageKind, window)) && ar("Reserved31", page.Reserved31) &&
           ar("Reserved32", page.Reserved32) && ar("Reserved33", page.Reserved33) &&
           ar("Reserved34", page.Reserved34) && ar("StayTime", page.StayTime) &&
           ar("ClickContinue", page.ClickContinue) && ar("Left", Applied(page.Left, window)) &&
           ar("Top", Applied(page.Top, window)) && ar("Width", Applied(page.Width, window)) &&
           ar("Height", Applied(page.Height, window));
}

// The status bar and the tool bar.
template <class Archive> bool BarFields(Archive& ar, TPageRecord& page) {
    return ar("StatusBarHeight", page.StatusBarHeight) && ar("StatusBarFont", page.StatusBarFont) &&
           ar("StatusPanels", page.StatusPanels) &&
           ar("ToolBarShowCaptions", page.ToolBarShowCaptions) &&
           ar("ToolBarCaptionsRight", page.ToolBarCaptionsRight) &&
           ar("ToolBarFont", page.ToolBarFont) && ar("ToolBarImageWidth", page.ToolBarImageWidth) &&
           ar("ToolBarImageHeight", page.ToolBarImageHeight) && ar("ToolButtons", page.ToolButtons);
}

// One object record of a page or of copied objects. An object that stops at
// a kind byte outside the table is damage that shows no box of its own, so it
// is reported here, once.
bool ReadContainedObject(TStream& stream, TAutoObject& object,
                         TPayloadForm form = TPayloadForm::Running);

// The page's objects, a counted list of object records.
struct TPageObjects : TFieldAdapter {
    TAutoObjects& Objects;
    TPayloadForm Form = TPayloadForm::Running;
    template <class Archive> bool Transfer(Archive& ar, const char* name) const {
        if constexpr (kReading<Archive>) {
            return ar.ReadList(Objects, [&](std::unique_ptr<TAutoObject>& object) {
                object = std::make_unique<TAutoObject>();
                return ReadContainedObject(ar.Stream(), *object, Form);
            });
        } else if constexpr (kWriting<Archive>) {
            ar.WriteCount(Objects.size());
            for (const auto& object : Objects)
                if (!WriteObject(ar.Stream(), *object)) return false;
            return true;
        } else {
            return ar(name, Objects);
        }
    }
};

// The page stream. Menus and bars each stand behind a -1 marker; streams of
// the older form have none, and the value read there is the object count.
template <class Archive> bool Fields(Archive& ar, TPageRecord& page, const TPageReading& how = {}) {
    const TMarker<std::int32_t> section{-1};
    bool commentFollows = true;
    const auto menuBar = [&] { return ar("MenuBar", Applied(page.MenuBar, how.Window)); };
    const auto noMenuBar = [&] {
        if (how.Window == TApply::Take) page.MenuBar.clear();
    };
    const auto popupMenu = [&] { return ar("PopupMenu", page.PopupMenu); };
    const auto noPopupMenu = [&] { page.PopupMenu.clear(); };
    const auto bars = [&] { return BarFields(ar, page); };
    const auto noBars = [&] {
        page.StatusPanels.clear();
        page.ToolButtons.clear();
    };
    return WindowFields(ar, page, how.Window) && LookFields(ar, page, how) &&
           ar("StartAction", CommandAnnouncing(page.StartAction, commentFollows)) &&
           ar("GraphicComment", AnnouncedComment(page.GraphicComment, commentFollows)) &&
           MarkedSection(ar, section, menuBar, noMenuBar) &&
           MarkedSection(ar, section, popupMenu, noPopupMenu) &&
           MarkedSection(ar, section, bars, noBars) &&
           ar("Objects", TPageObjects{{}, page.Objects, how.Objects}) && ar("PageName", page.PageName);
}

bool WritePage(TStream& stream, const TPageRecord& page);
bool ReadPage(TStream& stream, TPageRecord& page, TPageReadMode mode,
              const TPageReadContext& context);

// Fields 1 to 10 only: enough for a page's caption and icon.
struct TPageTitle {
    std::string Caption;
    TPicture PageIcon;
};
bool ReadPageTitleFields(TStream& stream, TPageTitle& title);

// Page stream files; the save never leaves a half-written file in place.
bool LoadPageFile(const std::string& path, TPageRecord& page, TPageReadMode mode,
                  const TPageReadContext& context);
bool SavePageFile(const std::string& path, const TPageRecord& page);

} // namespace brelvane
