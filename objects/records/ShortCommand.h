#pragma once

#include "objects/records/Command.h"

#include <string>

namespace brelvane {

enum : int { kEncodeShortCommandError = 1001, kDecodeShortCommandError = 1002 };

// A menu item's action as its hint carries it: ActionType, ShowCommand,
// ActionFile, ActionParams, ActionDir and CloseAfterAction in stored form.
bool EncodeShortCommand(const TCommand& command, std::string& text);
// Starts from no action; an empty text decodes to no action.
bool DecodeShortCommand(const std::string& text, TCommand& command);

} // namespace brelvane
