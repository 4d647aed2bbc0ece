#include "objects/records/ShortCommand.h"

#include "storage/LittleEndian.h"
#include "storage/StringBlock.h"
#include "storage/Transfer.h"

namespace brelvane {

bool EncodeShortCommand(const TCommand& command, std::string& text) {
    return Transfer(kEncodeShortCommandError, [&] {
        TMemoryStream stream;
        WriteField(stream, command.ActionType);
        WriteField(stream, command.ShowCommand);
        if (!WriteString(stream, command.ActionFile) ||
            !WriteString(stream, command.ActionParams) || !WriteString(stream, command.ActionDir))
            return false;
        WriteField(stream, command.CloseAfterAction);
        const auto bytes = stream.View();
        text.assign(bytes.begin(), bytes.end());
        return true;
    });
}

bool DecodeShortCommand(const std::string& text, TCommand& command) {
    command.ActionType = 0;
    command.ShowCommand = 1;
    command.ActionFile.clear();
    command.ActionParams.clear();
    command.ActionDir.clear();
    command.CloseAfterAction = 0;
    if (text.empty()) return true;
    return Transfer(kDecodeShortCommandError, [&] {
        TMemoryStream stream({text.begin(), text.end()});
        ReadField(stream, command.ActionType);
        ReadField(stream, command.ShowCommand);
        if (!ReadString(stream, command.ActionFile) || !ReadString(stream, command.ActionParams) ||
            !ReadString(stream, command.ActionDir))
            return false;
        ReadField(stream, command.CloseAfterAction);
        return true;
    });
}

} // namespace brelvane
