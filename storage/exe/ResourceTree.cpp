#include "storage/exe/ResourceTree.h"

#include "storage/exe/ByteView.h"

#include <algorithm>
#include <set>

namespace brelvane {

namespace {

constexpr std::uint32_t kHighBit = 0x80000000u;
constexpr std::size_t kDirectoryHeader = 16;
constexpr std::size_t kEntrySize = 8;
constexpr std::size_t kDataEntrySize = 16;

char16_t UpperAscii(char16_t c) {
    return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

int CompareNames(const std::u16string& a, const std::u16string& b) {
    const auto n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = UpperAscii(a[i]), cb = UpperAscii(b[i]);
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool Before(const TResource& a, const TResource& b) {
    if (!SameResourceId(a.Type, b.Type)) return ResourceIdBefore(a.Type, b.Type);
    if (!SameResourceId(a.Name, b.Name)) return ResourceIdBefore(a.Name, b.Name);
    return a.Language < b.Language;
}

// One pass over the directory; shared subdirectories or data entries would
// let a small file expand without bound, so each offset is taken once.
class DirectoryReader {
public:
    DirectoryReader(std::span<const std::uint8_t> section, std::uint32_t address)
        : view_(section, "damaged resource directory"), address_(address) {}

    TResourceTree Read() {
        TResourceTree tree;
        for (const auto& type : Entries(0, true))
            for (const auto& name : Entries(type.Offset, true))
                for (const auto& language : Entries(name.Offset, false)) {
                    if (language.Id.IsName()) view_.Fail();
                    TResource resource{type.Id, name.Id, language.Id.Number, 0, {}};
                    ReadData(language.Offset, resource);
                    tree.Put(std::move(resource));
                }
        return tree;
    }

private:
    struct Entry {
        TResourceId Id;
        std::uint32_t Offset = 0;
    };

    std::vector<Entry> Entries(std::uint32_t offset, bool subdirectories) {
        if (!visited_.insert(offset).second) view_.Fail();
        const std::uint32_t count = std::uint32_t{view_.U16(offset + 12)} + view_.U16(offset + 14);
        if (!view_.Has(offset + kDirectoryHeader, std::uint64_t{count} * kEntrySize)) view_.Fail();
        std::vector<Entry> entries;
        entries.reserve(count);
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint64_t at = offset + kDirectoryHeader + std::uint64_t{i} * kEntrySize;
            const std::uint32_t id = view_.U32(at);
            const std::uint32_t target = view_.U32(at + 4);
            if (((target & kHighBit) != 0) != subdirectories) view_.Fail();
            Entry entry;
            entry.Offset = target & ~kHighBit;
            if (id & kHighBit)
                entry.Id.Name = ReadName(id & ~kHighBit);
            else if (id > 0xFFFF)
                view_.Fail();
            else
                entry.Id.Number = static_cast<std::uint16_t>(id);
            entries.push_back(std::move(entry));
        }
        return entries;
    }

    std::u16string ReadName(std::uint32_t offset) {
        const std::uint16_t length = view_.U16(offset);
        if (length == 0) view_.Fail();
        const auto bytes = view_.Sub(offset + 2, std::uint64_t{length} * 2);
        std::u16string name(length, u'\0');
        for (std::size_t i = 0; i < length; ++i)
            name[i] = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
        return name;
    }

    void ReadData(std::uint32_t offset, TResource& resource) {
        if (!visited_.insert(offset).second || !view_.Has(offset, kDataEntrySize)) view_.Fail();
        const std::uint32_t address = view_.U32(offset);
        const std::uint32_t size = view_.U32(offset + 4);
        resource.CodePage = view_.U32(offset + 8);
        if (address < address_) view_.Fail();
        // Honest directories never overlap their data, so the data of all
        // resources together fits in the section.
        dataTotal_ += size;
        if (dataTotal_ > view_.Size()) view_.Fail();
        const auto data = view_.Sub(address - address_, size);
        resource.Data.assign(data.begin(), data.end());
    }

    TByteView view_;
    std::uint32_t address_;
    std::set<std::uint32_t> visited_;
    std::uint64_t dataTotal_ = 0;
};

// Consecutive resources with the same key, as index lists.
template <class SameKey>
std::vector<std::vector<std::size_t>> GroupRuns(const std::vector<std::size_t>& indices,
                                                SameKey same) {
    std::vector<std::vector<std::size_t>> runs;
    for (const auto index : indices) {
        if (runs.empty() || !same(runs.back().front(), index)) runs.emplace_back();
        runs.back().push_back(index);
    }
    return runs;
}

} // namespace

TResourceId TResourceId::Of(std::string_view name) {
    TResourceId id;
    for (const char c : name)
        id.Name.push_back(static_cast<char16_t>(static_cast<unsigned char>(c)));
    return id;
}

std::string TResourceId::Text() const {
    if (!IsName()) return std::to_string(Number);
    std::string text;
    for (const char16_t c : Name)
        text.push_back(c < 0x80 ? static_cast<char>(c) : '?');
    return text;
}

bool SameResourceId(const TResourceId& a, const TResourceId& b) {
    if (a.IsName() != b.IsName()) return false;
    return a.IsName() ? CompareNames(a.Name, b.Name) == 0 : a.Number == b.Number;
}

bool ResourceIdBefore(const TResourceId& a, const TResourceId& b) {
    if (a.IsName() != b.IsName()) return a.IsName();
    return a.IsName() ? CompareNames(a.Name, b.Name) < 0 : a.Number < b.Number;
}

const TResource* TResourceTree::Find(const TResourceId& type, const TResourceId& name) const {
    for (const auto& entry : entries_)
        if (SameResourceId(entry.Type, type) && SameResourceId(entry.Name, name)) return &entry;
    return nullptr;
}

const TResource* TResourceTree::Find(const TResourceId& type, const TResourceId& name,
                                     std::uint16_t language) const {
    for (const auto& entry : entries_)
        if (SameResourceId(entry.Type, type) && SameResourceId(entry.Name, name) &&
            entry.Language == language)
            return &entry;
    return nullptr;
}

void TResourceTree::Put(TResource resource) {
    const auto at = std::lower_bound(entries_.begin(), entries_.end(), resource, Before);
    if (at != entries_.end() && !Before(resource, *at)) {
        at->Data = std::move(resource.Data);
        at->CodePage = resource.CodePage;
        return;
    }
    entries_.insert(at, std::move(resource));
}

bool TResourceTree::Remove(const TResourceId& type, const TResourceId& name,
                           std::uint16_t language) {
    const auto at = std::find_if(entries_.begin(), entries_.end(), [&](const TResource& entry) {
        return SameResourceId(entry.Type, type) && SameResourceId(entry.Name, name) &&
               entry.Language == language;
    });
    if (at == entries_.end()) return false;
    entries_.erase(at);
    return true;
}

TResourceTree ReadResourceDirectory(std::span<const std::uint8_t> section,
                                    std::uint32_t sectionAddress) {
    return DirectoryReader(section, sectionAddress).Read();
}

std::vector<std::uint8_t> WriteResourceDirectory(const TResourceTree& tree,
                                                 std::uint32_t sectionAddress) {
    const auto& entries = tree.Entries();
    std::vector<std::size_t> all(entries.size());
    for (std::size_t i = 0; i < all.size(); ++i)
        all[i] = i;
    const auto byType = GroupRuns(all, [&](std::size_t a, std::size_t b) {
        return SameResourceId(entries[a].Type, entries[b].Type);
    });
    std::vector<std::vector<std::vector<std::size_t>>> byName;
    for (const auto& type : byType)
        byName.push_back(GroupRuns(type, [&](std::size_t a, std::size_t b) {
            return SameResourceId(entries[a].Name, entries[b].Name);
        }));

    // Sizes first: root, one table per type, one per (type, name), breadth first.
    auto tableSize = [](std::size_t count) { return kDirectoryHeader + count * kEntrySize; };
    std::size_t tables = tableSize(byType.size());
    for (const auto& names : byName) {
        tables += tableSize(names.size());
        for (const auto& languages : names)
            tables += tableSize(languages.size());
    }
    std::size_t strings = tables + entries.size() * kDataEntrySize;
    std::size_t stringBytes = 0;
    auto countName = [&](const TResourceId& id) {
        if (id.IsName()) stringBytes += 2 + 2 * id.Name.size();
    };
    for (std::size_t t = 0; t < byType.size(); ++t) {
        countName(entries[byType[t].front()].Type);
        for (const auto& languages : byName[t])
            countName(entries[languages.front()].Name);
    }
    std::size_t data = (strings + stringBytes + 7) / 8 * 8;

    std::vector<std::uint8_t> bytes(data, 0);
    std::size_t nextTable = 0, nextString = strings, nextData = tables;
    auto nameField = [&](const TResourceId& id) -> std::uint32_t {
        if (!id.IsName()) return id.Number;
        const auto at = nextString;
        Store<std::uint16_t>(bytes, at, static_cast<std::uint16_t>(id.Name.size()));
        for (std::size_t i = 0; i < id.Name.size(); ++i)
            Store<std::uint16_t>(bytes, at + 2 + 2 * i, id.Name[i]);
        nextString += 2 + 2 * id.Name.size();
        return kHighBit | static_cast<std::uint32_t>(at);
    };
    // Directory order puts the named entries of a table before the numbered ones.
    auto openTable = [&](std::size_t count, std::size_t named) {
        const auto at = nextTable;
        Store<std::uint16_t>(bytes, at + 12, static_cast<std::uint16_t>(named));
        Store<std::uint16_t>(bytes, at + 14, static_cast<std::uint16_t>(count - named));
        nextTable += tableSize(count);
        return at;
    };
    auto setEntry = [&](std::size_t table, std::size_t index, std::uint32_t name,
                        std::uint32_t target) {
        const auto at = table + kDirectoryHeader + index * kEntrySize;
        Store<std::uint32_t>(bytes, at, name);
        Store<std::uint32_t>(bytes, at + 4, target);
    };
    auto namedTypes = std::count_if(byType.begin(), byType.end(), [&](const auto& run) {
        return entries[run.front()].Type.IsName();
    });
    const auto root = openTable(byType.size(), static_cast<std::size_t>(namedTypes));
    std::vector<std::size_t> typeTables, nameTables;
    for (std::size_t t = 0; t < byType.size(); ++t) {
        const auto named = std::count_if(byName[t].begin(), byName[t].end(), [&](const auto& run) {
            return entries[run.front()].Name.IsName();
        });
        typeTables.push_back(openTable(byName[t].size(), static_cast<std::size_t>(named)));
    }
    for (std::size_t t = 0; t < byType.size(); ++t)
        for (const auto& languages : byName[t])
            nameTables.push_back(openTable(languages.size(), 0));

    std::size_t nameTable = 0;
    for (std::size_t t = 0; t < byType.size(); ++t) {
        setEntry(root, t, nameField(entries[byType[t].front()].Type),
                 kHighBit | static_cast<std::uint32_t>(typeTables[t]));
        for (std::size_t n = 0; n < byName[t].size(); ++n, ++nameTable) {
            const auto& languages = byName[t][n];
            setEntry(typeTables[t], n, nameField(entries[languages.front()].Name),
                     kHighBit | static_cast<std::uint32_t>(nameTables[nameTable]));
            for (std::size_t l = 0; l < languages.size(); ++l) {
                const auto& resource = entries[languages[l]];
                const auto entry = nextData;
                nextData += kDataEntrySize;
                setEntry(nameTables[nameTable], l, resource.Language,
                         static_cast<std::uint32_t>(entry));
                PadTo(bytes, 8);
                Store<std::uint32_t>(bytes, entry,
                                     sectionAddress + static_cast<std::uint32_t>(bytes.size()));
                Store<std::uint32_t>(bytes, entry + 4,
                                     static_cast<std::uint32_t>(resource.Data.size()));
                Store<std::uint32_t>(bytes, entry + 8, resource.CodePage);
                bytes.insert(bytes.end(), resource.Data.begin(), resource.Data.end());
            }
        }
    }
    return bytes;
}

} // namespace brelvane
