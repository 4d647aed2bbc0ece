#pragma once

#include "objects/records/AutoObject.h"
#include "storage/ByteStream.h"

#include <memory>
#include <string>

namespace brelvane {

enum : int { kWriteObjectError = 1081, kReadObjectError = 1082 };

// Marker before an object's pop-up menu block.
inline constexpr std::uint8_t kPopupMarker = 127;

// The object record: marker and pop-up items, kind, properties, payload and
// graphic comment. A kind outside 0..26 fails without a message; a kind whose
// payload this build cannot transfer fails with the operation's code.
bool WriteObject(TStream& stream, const TAutoObject& object);
// `unknownKind`, when given, tells a caller that the read stopped at a kind
// byte outside 0..26 (which shows no message of its own).
bool ReadObject(TStream& stream, TAutoObject& object, bool* unknownKind = nullptr);

// One object record in a file of its own (object templates). Saving returns
// false on failure without a message and never leaves a half-written file.
bool SaveObjectFile(const std::string& path, const TAutoObject& object);
// The object read from the file, or null (the read's own error is reported).
std::unique_ptr<TAutoObject> LoadObjectFile(const std::string& path);

} // namespace brelvane
