#include "objects/records/MenuItem.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

#include <cerrno>

namespace brelvane {

namespace {
void CheckDepth(int depth) {
    if (depth >= kMaxMenuDepth) {
        errno = 0;
        throw StreamError("menu nested too deep");
    }
}
} // namespace

bool WriteMenuItem(TStream& stream, const TMenuItem& item, int depth) {
    return Transfer(kWriteMenuItemError, [&] {
        CheckDepth(depth);
        if (!WriteString(stream, item.Caption) || !WriteString(stream, item.Hint)) return false;
        WriteField(stream, item.ShortCut);
        WriteField(stream, item.RadioItem);
        WriteField(stream, item.GroupIndex);
        WriteField(stream, item.Enabled);
        WriteField(stream, item.Default);
        WriteField(stream, item.Checked);
        WriteField(stream, item.AutoCheck);
        if (!WritePicture(stream, item.Bitmap)) return false;
        WriteField<std::int32_t>(stream, static_cast<std::int32_t>(item.Items.size()));
        return WriteMenuItems(stream, item.Items, depth + 1);
    });
}

bool ReadMenuItem(TStream& stream, TMenuItem& item, int depth) {
    return Transfer(kReadMenuItemError, [&] {
        CheckDepth(depth);
        if (!ReadString(stream, item.Caption) || !ReadString(stream, item.Hint)) return false;
        ReadField(stream, item.ShortCut);
        ReadField(stream, item.RadioItem);
        ReadField(stream, item.GroupIndex);
        ReadField(stream, item.Enabled);
        ReadField(stream, item.Default);
        ReadField(stream, item.Checked);
        ReadField(stream, item.AutoCheck);
        if (!ReadPicture(stream, item.Bitmap)) return false;
        const auto count = ReadField<std::int32_t>(stream);
        item.Items.clear();
        return ReadMenuItems(stream, count, item.Items, depth + 1);
    });
}

bool WriteMenuItems(TStream& stream, const std::vector<TMenuItem>& items, int depth) {
    for (const auto& item : items)
        if (!WriteMenuItem(stream, item, depth)) return false;
    return true;
}

bool ReadMenuItems(TStream& stream, std::int32_t count, std::vector<TMenuItem>& items, int depth) {
    if (count < 0) {
        errno = 0;
        throw StreamError("negative item count");
    }
    // Items are appended one by one, so a damaged count cannot reserve memory.
    for (std::int32_t i = 0; i < count; ++i) {
        TMenuItem item;
        if (!ReadMenuItem(stream, item, depth)) return false;
        items.push_back(std::move(item));
    }
    return true;
}

} // namespace brelvane
