#include "objects/records/ShortCommand.h"

#include "storage/Fields.h"

namespace brelvane {

namespace {
// The action part of a command, as a menu item's hint carries it.
struct TShortCommand {
    static constexpr TRecordCodes Codes{kEncodeShortCommandError, kDecodeShortCommandError};
    TCommand& Command;
};

template <class Archive> bool Fields(Archive& ar, TShortCommand& action) {
    auto& command = action.Command;
    return ar("ActionType", command.ActionType) && ar("ShowCommand", command.ShowCommand) &&
           ar("ActionFile", command.ActionFile) && ar("ActionParams", command.ActionParams) &&
           ar("ActionDir", command.ActionDir) && ar("CloseAfterAction", command.CloseAfterAction);
}
} // namespace

bool EncodeShortCommand(const TCommand& command, std::string& text) {
    TMemoryStream stream;
    if (!WriteRecord(stream, TShortCommand{const_cast<TCommand&>(command)})) return false;
    const auto bytes = stream.View();
    text.assign(bytes.begin(), bytes.end());
    return true;
}

bool DecodeShortCommand(const std::string& text, TCommand& command) {
    command.ActionType = 0;
    command.ShowCommand = 1;
    command.ActionFile.clear();
    command.ActionParams.clear();
    command.ActionDir.clear();
    command.CloseAfterAction = 0;
    if (text.empty()) return true;
    TMemoryStream stream({text.begin(), text.end()});
    TShortCommand action{command};
    return ReadRecord(stream, action);
}

} // namespace brelvane
