#pragma once

#include "objects/records/Command.h"
#include "storage/ByteStream.h"

#include <string>

namespace brelvane {

enum : int { kWriteCommandError = 1079, kReadCommandError = 1080 };

// The two combined strings in which the stored form carries most fields.
std::string PackStringA(const TCommand& command);
std::string PackStringB(const TCommand& command);
void UnpackStringA(const std::string& packed, TCommand& command);
void UnpackStringB(const std::string& packed, TCommand& command);

// Transfers the command record. `packedB` receives the stored packed string B,
// whose emptiness decides whether a graphic comment picture follows.
bool WriteCommand(TStream& stream, const TCommand& command);
bool ReadCommand(TStream& stream, TCommand& command, std::string* packedB = nullptr);

} // namespace brelvane
