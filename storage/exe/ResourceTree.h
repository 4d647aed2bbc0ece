#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace brelvane {

// Standard resource types used here.
constexpr std::uint16_t kResourceIcon = 3;
constexpr std::uint16_t kResourceGroupIcon = 14;
constexpr std::uint16_t kResourceVersion = 16;
// U.S. English, the language new resources are added in.
constexpr std::uint16_t kLanguageUsEnglish = 1033;

// A resource type or name: a number, or a string of 16-bit characters.
struct TResourceId {
    std::uint16_t Number = 0;
    std::u16string Name;

    static TResourceId Of(std::uint16_t number) { return {number, {}}; }
    static TResourceId Of(std::string_view name);
    bool IsName() const { return !Name.empty(); }
    // The name in 8-bit characters (others become '?'), or the number in decimal.
    std::string Text() const;
};

// Names match regardless of the case of ASCII letters, as resource look-ups do.
bool SameResourceId(const TResourceId& a, const TResourceId& b);
// Directory order: names first, by their upper-cased characters, then numbers.
bool ResourceIdBefore(const TResourceId& a, const TResourceId& b);

struct TResource {
    TResourceId Type;
    TResourceId Name;
    std::uint16_t Language = 0;
    std::uint32_t CodePage = 0;
    std::vector<std::uint8_t> Data;
};

// Every resource of an executable, kept in directory order (type, name, language).
class TResourceTree {
public:
    const std::vector<TResource>& Entries() const { return entries_; }
    // The first language of a resource, as the platform enumerates them.
    const TResource* Find(const TResourceId& type, const TResourceId& name) const;
    const TResource* Find(const TResourceId& type, const TResourceId& name,
                          std::uint16_t language) const;
    // Adds, or replaces the data of the resource with the same type, name and language.
    void Put(TResource resource);
    // False when there was no such resource.
    bool Remove(const TResourceId& type, const TResourceId& name, std::uint16_t language);

private:
    std::vector<TResource> entries_;
};

// Reads the resource directory that starts a resource section. Data entries
// hold addresses; `sectionAddress` is the section's own. The walk is three
// levels deep, every offset and length stays inside the section, no directory
// or data entry is visited twice. Raises EExeFormat.
TResourceTree ReadResourceDirectory(std::span<const std::uint8_t> section,
                                    std::uint32_t sectionAddress);

// The section bytes for `tree` placed at `sectionAddress`: directory tables,
// data entries, name strings, then the data, each resource 8-byte aligned.
std::vector<std::uint8_t> WriteResourceDirectory(const TResourceTree& tree,
                                                 std::uint32_t sectionAddress);

} // namespace brelvane
