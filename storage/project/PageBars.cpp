#include "storage/project/PageBars.h"

#include "objects/records/CommandStream.h"
#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

bool WritePanel(TStream& stream, const TStatusPanel& panel) {
    return Transfer(kWritePanelError, [&] {
        WriteField(stream, panel.Alignment);
        if (!WriteString(stream, panel.Text)) return false;
        WriteField(stream, panel.Width);
        return true;
    });
}

bool ReadPanel(TStream& stream, TStatusPanel& panel) {
    return Transfer(kReadPanelError, [&] {
        ReadField(stream, panel.Alignment);
        if (!ReadString(stream, panel.Text)) return false;
        ReadField(stream, panel.Width);
        return true;
    });
}

bool WriteToolButton(TStream& stream, const TAuToolButton& button) {
    return Transfer(kWriteToolButtonError, [&] {
        if (!WriteString(stream, button.Caption) || !WritePicture(stream, button.Picture) ||
            !WriteString(stream, button.Hint) || !WriteCommand(stream, button.Action))
            return false;
        WriteField(stream, button.Separator);
        return true;
    });
}

bool ReadToolButton(TStream& stream, TAuToolButton& button) {
    return Transfer(kReadToolButtonError, [&] {
        if (!ReadString(stream, button.Caption) || !ReadPicture(stream, button.Picture) ||
            !ReadString(stream, button.Hint) || !ReadCommand(stream, button.Action))
            return false;
        ReadField(stream, button.Separator);
        return true;
    });
}

} // namespace brelvane
