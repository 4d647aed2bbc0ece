#pragma once

#include <optional>
#include <string>
#include <vector>

namespace brelvane::test {

// What readers other than ours make of a Windows executable: the host's own tools on Linux
// (wrestool, pefile, objdump), the system's loader and version library on Windows.

// "type/name" of every resource in directory order, e.g. "3/1" or "14/MAINICON".
std::vector<std::string> ListedResources(const std::string& exe);

// The bytes of one resource; empty when there is none.
std::string ResourceBytes(const std::string& exe, int type, const std::string& name);

// "CompanyName=...|\nFileDescription=...|\nLegalCopyright=...|\n" as the reader sees the
// version strings ("<missing>" for one it does not find); complaints of the reader about
// the file follow.
std::string VersionStringsListing(const std::string& exe);

// The section headers as the host's object dumper lists them, long names resolved; none
// where the system has no such reader.
std::optional<std::string> SectionHeaderListing(const std::string& exe);

// The system's own text for an error number, as it gives it.
std::string SystemErrorText(int code);

// Gives the file a permission or attribute that a replacement of it must keep.
void GiveDistinctMode(const std::string& path);
bool HasDistinctMode(const std::string& path);

} // namespace brelvane::test
