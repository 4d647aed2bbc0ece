#pragma once

#include "storage/PictureBlock.h"

#include <QString>
#include <cstdint>
#include <optional>

namespace brelvane {

// The texts and numbers the property list shows, and the way a typed text
// becomes a stored value.

QString BoolText(bool value);

// "[" + the picture's type + "]"; an empty picture shows `emptyType` ("None",
// or "Default" for a page icon).
QString PictureText(const TPicture& picture, const char* emptyType = "None");

// A content placeholder: "[" + name + "]" when there is content, else "[None]".
QString Placeholder(bool present, const char* name);

// A byte 0..255 shown as a percentage and a percentage stored as a byte, each
// rounded to the nearest integer with ties to even.
std::int64_t PercentShown(std::int64_t stored);
std::int64_t PercentStored(std::int64_t percent);

// A whole number: an optional sign and decimal digits, within 32 bits.
// Anything else is no number.
std::optional<std::int64_t> ParseWholeNumber(const QString& text);

// Whether every character of `text` has a byte in code page 1252, so that what
// is stored is what was typed.
bool IsStorableText(const QString& text);

} // namespace brelvane
