#include "storage/project/PageStream.h"

#include "objects/records/CommandStream.h"
#include "objects/records/ObjectStream.h"
#include "storage/LittleEndian.h"
#include "storage/SaveFile.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"
#include "storage/project/PageBars.h"

#include <cerrno>

namespace brelvane {

namespace {
constexpr std::int32_t kSectionMarker = -1;

// Reads a field and stores it only when `apply` is set.
template <class T> void ReadApplied(TStream& stream, T& target, bool apply) {
    T value{};
    ReadField(stream, value);
    if (apply) target = value;
}

bool ReadStringApplied(TStream& stream, std::string& target, bool apply) {
    std::string value;
    if (!ReadString(stream, value)) return false;
    if (apply) target = std::move(value);
    return true;
}

bool ReadPictureApplied(TStream& stream, TPicture& target, bool apply) {
    TPicture value;
    if (!ReadPicture(stream, value)) return false;
    if (apply) target = std::move(value);
    return true;
}

template <class Item>
bool WriteList(TStream& stream, const std::vector<Item>& items,
               bool (*write)(TStream&, const Item&)) {
    WriteField<std::int32_t>(stream, static_cast<std::int32_t>(items.size()));
    for (const auto& item : items)
        if (!write(stream, item)) return false;
    return true;
}

// Appends items one by one, so that a damaged count cannot reserve memory.
template <class Item>
bool ReadList(TStream& stream, std::vector<Item>& items, bool (*read)(TStream&, Item&)) {
    const auto count = ReadField<std::int32_t>(stream);
    for (std::int32_t i = 0; i < count; ++i) {
        Item item;
        if (!read(stream, item)) return false;
        items.push_back(std::move(item));
    }
    return true;
}

bool WriteMenu(TStream& stream, const std::vector<TMenuItem>& items) {
    WriteField(stream, kSectionMarker);
    WriteField<std::int32_t>(stream, static_cast<std::int32_t>(items.size()));
    return WriteMenuItems(stream, items);
}

bool ReadMenu(TStream& stream, std::vector<TMenuItem>& items) {
    return ReadMenuItems(stream, ReadField<std::int32_t>(stream), items);
}

// Fields 1 to 10; in mode 1 only the hint is taken.
bool ReadWindowFields(TStream& stream, TPageRecord& page, bool full) {
    ReadApplied(stream, page.BorderIcons, full);
    ReadApplied(stream, page.BorderStyle, full);
    ReadApplied(stream, page.BorderWidth, full);
    if (!ReadStringApplied(stream, page.Caption, full) || !ReadString(stream, page.Hint))
        return false;
    ReadApplied(stream, page.Position, full);
    ReadApplied(stream, page.WindowState, full);
    ReadApplied(stream, page.TransparentColor, full);
    ReadApplied(stream, page.Transparent, full);
    return ReadPictureApplied(stream, page.PageIcon, full);
}

bool WriteWindowFields(TStream& stream, const TPageRecord& page) {
    WriteField(stream, page.BorderIcons);
    WriteField(stream, page.BorderStyle);
    WriteField(stream, page.BorderWidth);
    if (!WriteString(stream, page.Caption) || !WriteString(stream, page.Hint)) return false;
    WriteField(stream, page.Position);
    WriteField(stream, page.WindowState);
    WriteField(stream, page.TransparentColor);
    WriteField(stream, page.Transparent);
    return WritePicture(stream, page.PageIcon);
}

bool WriteObjects(TStream& stream, const TAutoObjects& objects) {
    WriteField<std::int32_t>(stream, static_cast<std::int32_t>(objects.size()));
    for (const auto& object : objects)
        if (!WriteObject(stream, *object)) return false;
    return true;
}

} // namespace

bool ReadObjects(TStream& stream, std::int32_t count, TAutoObjects& objects) {
    for (std::int32_t i = 0; i < count; ++i) {
        auto object = std::make_unique<TAutoObject>();
        bool unknownKind = false;
        if (!ReadObject(stream, *object, &unknownKind)) {
            // Records that stop at an unknown kind are damaged: say so once.
            if (unknownKind) {
                errno = 0;
                ReportError(kReadObjectError);
            }
            return false;
        }
        object->Selected = false;
        objects.push_back(std::move(object));
    }
    return true;
}

bool WritePage(TStream& stream, const TPageRecord& page) {
    return Transfer(kWritePageError, [&] {
        if (!WriteWindowFields(stream, page)) return false;
        WriteField(stream, page.BackColor);
        WriteField(stream, page.GradientColor);
        WriteField(stream, page.GradientStyle);
        if (!WritePicture(stream, page.BackImage)) return false;
        WriteField(stream, page.BackImageStyle);
        WriteField(stream, page.Shadow);
        WriteField(stream, page.ShadowColor);
        WriteField(stream, page.ShadowXOff);
        WriteField(stream, page.ShadowYOff);
        WriteField(stream, page.ShadowAlpha);
        WriteField(stream, page.FadeIn);
        WriteField(stream, page.FadeOut);
        WriteField(stream, page.FadeInDelay);
        WriteField(stream, page.FadeInStep);
        WriteField(stream, page.FadeOutDelay);
        WriteField(stream, page.FadeOutStep);
        if (!WriteString(stream, page.StartSound)) return false;
        WriteField(stream, page.StartSoundLoop);
        WriteField(stream, page.StartSoundDelay);
        WriteField(stream, page.PageKind);
        WriteField(stream, page.Reserved31);
        WriteField(stream, page.Reserved32);
        WriteField(stream, page.Reserved33);
        WriteField(stream, page.Reserved34);
        WriteField(stream, page.StayTime);
        WriteField(stream, page.ClickContinue);
        for (const auto value : {page.Left, page.Top, page.Width, page.Height})
            WriteField(stream, value);
        // Packed string B is never empty as written, so the comment always follows.
        if (!WriteCommand(stream, page.StartAction) || !WritePicture(stream, page.GraphicComment) ||
            !WriteMenu(stream, page.MenuBar) || !WriteMenu(stream, page.PopupMenu))
            return false;
        WriteField(stream, kSectionMarker);
        WriteField(stream, page.StatusBarHeight);
        if (!WriteFont(stream, page.StatusBarFont) ||
            !WriteList(stream, page.StatusPanels, &WritePanel))
            return false;
        WriteField(stream, page.ToolBarShowCaptions);
        WriteField(stream, page.ToolBarCaptionsRight);
        if (!WriteFont(stream, page.ToolBarFont)) return false;
        WriteField(stream, page.ToolBarImageWidth);
        WriteField(stream, page.ToolBarImageHeight);
        if (!WriteList(stream, page.ToolButtons, &WriteToolButton) ||
            !WriteObjects(stream, page.Objects))
            return false;
        return WriteString(stream, page.PageName);
    });
}

bool ReadPage(TStream& stream, TPageRecord& page, TPageReadMode mode,
              const TPageReadContext& context) {
    return Transfer(kReadPageError, [&] {
        const bool full = mode == TPageReadMode::Build;
        if (!ReadWindowFields(stream, page, full)) return false;

        ReadField(stream, page.BackColor);
        ReadField(stream, page.GradientColor);
        ReadField(stream, page.GradientStyle);
        if (!ReadPicture(stream, page.BackImage)) return false;
        ReadField(stream, page.BackImageStyle);

        ReadApplied(stream, page.Shadow, full);
        if (context.PlayerMode && !context.IsNtPlatform) page.Shadow = false;
        ReadApplied(stream, page.ShadowColor, full);
        ReadApplied(stream, page.ShadowXOff, full);
        ReadApplied(stream, page.ShadowYOff, full);
        ReadApplied(stream, page.ShadowAlpha, full);

        ReadApplied(stream, page.FadeIn, full);
        ReadApplied(stream, page.FadeOut, full);
        if (context.PlayerMode && !context.CanFade) page.FadeIn = page.FadeOut = false;
        ReadApplied(stream, page.FadeInDelay, full);
        ReadApplied(stream, page.FadeInStep, full);
        ReadApplied(stream, page.FadeOutDelay, full);
        ReadApplied(stream, page.FadeOutStep, full);
        if (!ReadStringApplied(stream, page.StartSound, full)) return false;
        ReadApplied(stream, page.StartSoundLoop, full);
        ReadApplied(stream, page.StartSoundDelay, full);
        ReadApplied(stream, page.PageKind, full);

        ReadField(stream, page.Reserved31);
        ReadField(stream, page.Reserved32);
        ReadField(stream, page.Reserved33);
        ReadField(stream, page.Reserved34);
        ReadField(stream, page.StayTime);
        ReadField(stream, page.ClickContinue);
        for (auto* value : {&page.Left, &page.Top, &page.Width, &page.Height})
            ReadApplied(stream, *value, full);

        std::string packedB;
        if (!ReadCommand(stream, page.StartAction, &packedB)) return false;
        page.GraphicComment.Clear();
        if (!packedB.empty() && !ReadPicture(stream, page.GraphicComment)) return false;

        auto marker = ReadField<std::int32_t>(stream);
        page.StatusPanels.clear();
        page.ToolButtons.clear();
        if (full) page.MenuBar.clear();
        if (marker == kSectionMarker) {
            std::vector<TMenuItem> menuBar;
            if (!ReadMenu(stream, menuBar)) return false;
            if (full) page.MenuBar = std::move(menuBar);
            marker = ReadField<std::int32_t>(stream);
        }
        page.PopupMenu.clear();
        if (marker == kSectionMarker) {
            if (!ReadMenu(stream, page.PopupMenu)) return false;
            marker = ReadField<std::int32_t>(stream);
        }
        // Streams of the older form have no bars: the value is the object count.
        if (marker == kSectionMarker) {
            ReadField(stream, page.StatusBarHeight);
            if (!ReadFont(stream, page.StatusBarFont) ||
                !ReadList(stream, page.StatusPanels, &ReadPanel))
                return false;
            ReadField(stream, page.ToolBarShowCaptions);
            ReadField(stream, page.ToolBarCaptionsRight);
            if (!ReadFont(stream, page.ToolBarFont)) return false;
            ReadField(stream, page.ToolBarImageWidth);
            ReadField(stream, page.ToolBarImageHeight);
            if (!ReadList(stream, page.ToolButtons, &ReadToolButton)) return false;
            marker = ReadField<std::int32_t>(stream);
        }
        page.Objects.clear();
        if (!ReadObjects(stream, marker, page.Objects)) return false;
        return ReadString(stream, page.PageName);
    });
}

bool ReadPageTitleFields(TStream& stream, TPageTitle& title) {
    return Transfer(kReadPageTitleError, [&] {
        TPageRecord page;
        if (!ReadWindowFields(stream, page, true)) return false;
        title.Caption = std::move(page.Caption);
        title.PageIcon = std::move(page.PageIcon);
        return true;
    });
}

bool LoadPageFile(const std::string& path, TPageRecord& page, TPageReadMode mode,
                  const TPageReadContext& context) {
    return FileTransfer(kLoadPageFileError, path, [&] {
        TFileStream stream(path, TFileStream::Mode::Read);
        return ReadPage(stream, page, mode, context);
    });
}

bool SavePageFile(const std::string& path, const TPageRecord& page) {
    return FileTransfer(kSavePageFileError, path, [&] {
        return SaveFileAtomically(path, [&](TStream& stream) { return WritePage(stream, page); });
    });
}

} // namespace brelvane
