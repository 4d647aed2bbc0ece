#pragma once

#include "storage/exe/File.h"

#include <cstdint>
#include <string>

namespace brelvane {

// The three strings a copy of the program can be given, each stored in a
// slot of this many characters.
constexpr std::size_t kVersionSlotLength = 100;

// Positions `file` (opened read-write) at the data of the version resource
// and returns its size. Raises EResourceError with the format messages, or
// EFileError when a read fails.
std::uint32_t SeekResourceData(TFile& file);

// Overwrites CompanyName, FileDescription and LegalCopyright of the version
// resource in place, each cut to the characters its stored value holds;
// nothing is written unless all three are found. Texts are in the 8-bit
// code page. A non-zero PE checksum is recomputed.
void RewriteVersionStrings(const std::string& path, const std::string& companyName,
                           const std::string& fileDescription, const std::string& legalCopyright);

// The three strings trimmed of surrounding blanks, missing ones empty; false
// when the file has no version information. Never throws.
bool ReadVersionStrings(const std::string& path, std::string& fileDescription,
                        std::string& companyName, std::string& legalCopyright);

// `text` padded with blanks to a slot's length, as the dialog stores it.
std::string PadToVersionSlot(const std::string& text);

} // namespace brelvane
