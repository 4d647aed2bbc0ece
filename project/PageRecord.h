#pragma once

#include "objects/records/AutoObject.h"
#include "objects/records/Command.h"
#include "objects/records/CommandStream.h"
#include "objects/records/MenuItem.h"
#include "storage/EffectBlock.h"
#include "storage/FontBlock.h"
#include "storage/PictureBlock.h"

#include <cstdint>
#include <string>
#include <vector>

namespace brelvane {

enum : int {
    kWritePageError = 1077,
    kReadPageError = 1078,
    kWriteToolButtonError = 1116,
    kReadToolButtonError = 1117,
    kWritePanelError = 1118,
    kReadPanelError = 1119,
};

// Border icon bits.
enum : std::uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };

struct TStatusPanel {
    static constexpr TRecordCodes Codes{kWritePanelError, kReadPanelError};
    std::uint8_t Alignment = 0; // 0 left, 1 right, 2 centre
    std::string Text;
    std::int32_t Width = 50;
    bool operator==(const TStatusPanel&) const = default;
};

// One entry of a page's tool bar.
struct TAuToolButton {
    static constexpr TRecordCodes Codes{kWriteToolButtonError, kReadToolButtonError};
    std::string Caption;
    TPicture Picture;
    std::string Hint;
    TCommand Action;
    bool Separator = false; // an 8-pixel gap instead of a button
    bool operator==(const TAuToolButton&) const = default;
};

template <class Archive> bool Fields(Archive& ar, TStatusPanel& panel) {
    return ar("Alignment", panel.Alignment) && ar("Text", panel.Text) && ar("Width", panel.Width);
}

template <class Archive> bool Fields(Archive& ar, TAuToolButton& button) {
    return ar("Caption", button.Caption) && ar("Picture", button.Picture) &&
           ar("Hint", button.Hint) && ar("Action", button.Action) &&
           ar("Separator", button.Separator);
}

// A page as its stream stores it; the defaults are those of a new page.
struct TPageRecord {
    static constexpr TRecordCodes Codes{kWritePageError, kReadPageError};
    std::uint8_t BorderIcons = biSystemMenu | biMinimize | biMaximize;
    std::uint8_t BorderStyle = 2; // sizeable
    std::int32_t BorderWidth = 0;
    std::string Caption;
    std::string Hint;
    std::uint8_t Position = 0;
    std::uint8_t WindowState = 0;
    std::int32_t TransparentColor = clBlack;
    bool Transparent = false;
    TPicture PageIcon;
    std::int32_t BackColor = 16777215;
    std::int32_t GradientColor = 16711680;
    std::uint8_t GradientStyle = 1;
    TPicture BackImage;
    std::uint8_t BackImageStyle = 3;
    bool Shadow = true;
    std::int32_t ShadowColor = 0;
    std::int32_t ShadowXOff = 8;
    std::int32_t ShadowYOff = 8;
    std::uint8_t ShadowAlpha = 80;
    bool FadeIn = true;
    bool FadeOut = true;
    std::int32_t FadeInDelay = 20;
    std::int32_t FadeInStep = 20;
    std::int32_t FadeOutDelay = 20;
    std::int32_t FadeOutStep = 20;
    std::string StartSound;
    bool StartSoundLoop = false;
    std::int32_t StartSoundDelay = 0;
    std::uint8_t PageKind = 0;
    std::uint8_t Reserved31 = 1;
    std::int32_t Reserved32 = 0;
    std::uint8_t Reserved33 = 0;
    std::uint8_t Reserved34 = 0;
    std::int32_t StayTime = 5;
    bool ClickContinue = true;
    std::int32_t Left = 0;
    std::int32_t Top = 0;
    std::int32_t Width = 640;
    std::int32_t Height = 480;
    TCommand StartAction;
    TPicture GraphicComment;
    std::vector<TMenuItem> MenuBar;
    std::vector<TMenuItem> PopupMenu;
    std::int32_t StatusBarHeight = 19;
    TFont StatusBarFont;
    std::vector<TStatusPanel> StatusPanels;
    bool ToolBarShowCaptions = false;
    bool ToolBarCaptionsRight = false;
    TFont ToolBarFont;
    std::int32_t ToolBarImageWidth = 16;
    std::int32_t ToolBarImageHeight = 16;
    std::vector<TAuToolButton> ToolButtons;
    TAutoObjects Objects;
    std::string PageName;
};

} // namespace brelvane
